#include "foundation/Settings.h"

#include "foundation/LevelCatalogue.h"
#include "platform/TextFile.h"

#include <algorithm>

namespace {
constexpr int kPathFileItems = 10;
constexpr int kCommonSettingsItems = 10;

bool readBytes(const FileSystem& files, const QString& path, QByteArray& bytes,
               SettingsFailure& failure)
{
    if (const FileError error = files.readFile(path, bytes)) {
        failure = {path, error.text};
        return false;
    }
    return true;
}

// The path file and the common settings are item streams: a school that
// keeps an unused item as an empty line keeps its place.
bool readItems(const FileSystem& files, const QString& path, int needed, QStringList& items,
               SettingsFailure& failure)
{
    QByteArray bytes;
    if (!readBytes(files, path, bytes, failure))
        return false;
    items = parseItemStream(decodeCp932(bytes));
    if (items.size() < needed) {
        failure = {path, QStringLiteral("項目が足りません（%1 項目必要なところ %2 項目）")
                             .arg(needed)
                             .arg(items.size())};
        return false;
    }
    return true;
}

void storeCommonSettings(const QStringList& items, SharedState& state)
{
    // Every month before 1 reads as January and every one after 12 as
    // "no month yet": held to 1..13, each keeps its meaning.
    state.SchoolYearStartMonth = static_cast<int>(std::clamp(leadingNumber(items[0]), 1.0, 13.0));
    const SchoolNameItem school = splitSchoolItem(items[1]);
    state.SchoolCode = school.code;
    state.SchoolName = school.name;
    state.CommonSetting3 = items[2];
    state.CommonSetting4 = items[3];
    state.TeacherPassword = items[5];
}

template <typename Table, typename Parse>
bool readTable(const FileSystem& files, const QString& path, Table& table, Parse parse,
               SettingsFailure& failure)
{
    QByteArray bytes;
    if (!readBytes(files, path, bytes, failure))
        return false;
    QString error;
    if (!parse(bytes, table, error)) {
        failure = {path, error};
        return false;
    }
    return true;
}
} // namespace

bool isDevelopmentLayout(const QString& programFolderPath)
{
    return programFolderPath.contains(QStringLiteral("PX0031")) &&
           !programFolderPath.contains(QStringLiteral("ELVANTO"));
}

SchoolNameItem splitSchoolItem(const QString& item)
{
    if (leadingNumber(item.left(5)) != 0)
        return {item.left(5), item.mid(5)};
    return {QString(), item};
}

Folders resolveFolders(const QString& programFolderPath, const QString& dataRootItem,
                       bool developmentLayout)
{
    Folders folders;
    folders.ProgramFolder = programFolderPath + u'/';
    folders.ProgramFolderName = programFolderPath.mid(programFolderPath.lastIndexOf(u'/') + 1);
    if (developmentLayout) {
        // The developers' machines keep the data below the drive root.
        folders.DataRoot = QStringLiteral("/PX0031/PXツールなし/");
        folders.ProgramDataFolder = folders.ProgramFolder;
    } else {
        folders.DataRoot = dataRootItem.endsWith(u'/') ? dataRootItem : dataRootItem + u'/';
        folders.ProgramDataFolder = folders.DataRoot + folders.ProgramFolderName + u'/';
    }
    folders.SoundFolder = folders.DataRoot + kSoundFolderName + u'/';
    return folders;
}

bool readSettings(const FileSystem& files, const QString& programFolderPath, SharedState& state,
                  SettingsFailure& failure)
{
    QStringList pathItems;
    if (!readItems(files, programFolderPath + QStringLiteral("/../") + kPathFileName, kPathFileItems,
                   pathItems, failure))
        return false;
    const Folders folders = resolveFolders(programFolderPath, pathItems[0], state.DevelopmentLayout);

    QStringList commonItems;
    if (!readItems(files, folders.DataRoot + kCommonSettingsFileName, kCommonSettingsItems,
                   commonItems, failure))
        return false;

    CriteriaTable criteria;
    SoundTable sounds{};
    if (!readTable(files, folders.ProgramDataFolder + kCriteriaFileName, criteria,
                   parseCriteriaTable, failure) ||
        !readTable(files, folders.SoundFolder + kSoundTableFileName, sounds, parseSoundTable,
                   failure))
        return false;

    state.ProgramFolder = folders.ProgramFolder;
    state.DataRoot = folders.DataRoot;
    state.ProgramFolderName = folders.ProgramFolderName;
    state.ProgramDataFolder = folders.ProgramDataFolder;
    state.SoundFolder = folders.SoundFolder;
    storeCommonSettings(commonItems, state);
    InitProgramProfile(state);
    state.Criteria = std::move(criteria);
    state.Sounds = sounds;
    return true;
}

void LoadSettings(AppContext& context)
{
    SettingsFailure failure;
    if (readSettings(context.files, context.program.programFolderPath(), context.state, failure))
        return;
    context.dialogs.showMessage(QStringLiteral("設定ファイルを読み込めません。\r\n%1\r\n%2")
                                    .arg(failure.path, failure.errorText),
                                QStringLiteral("設定ファイルのエラー"));
    context.navigator.closeAll();
    context.program.endProgram(1);
}
