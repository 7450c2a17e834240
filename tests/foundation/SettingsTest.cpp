#include "foundation/Settings.h"

#include "support/SettingsFixture.h"
#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {
TEST(DevelopmentLayout, NeedsPX0031WithoutELVANTO)
{
    EXPECT_TRUE(isDevelopmentLayout("/home/dev/PX0031/ミナモドリル"));
    EXPECT_FALSE(isDevelopmentLayout("/home/dev/PX0031/ELVANTO/ミナモドリル"));
    EXPECT_FALSE(isDevelopmentLayout("/home/dev/px0031/ミナモドリル"));
    EXPECT_FALSE(isDevelopmentLayout("/opt/school/ミナモドリル"));
}

TEST(SchoolItem, LeadingNonZeroCodeIsSplitOff)
{
    const struct {
        QString item, code, name;
    } cases[] = {
        {QStringLiteral("12345みなも塾"), "12345", QStringLiteral("みなも塾")},
        {QStringLiteral("みなも塾"), "", QStringLiteral("みなも塾")},
        {QStringLiteral("00000みなも塾"), "", QStringLiteral("00000みなも塾")},
        {QStringLiteral("12345"), "12345", ""},
    };
    for (const auto& c : cases) {
        const SchoolNameItem split = splitSchoolItem(c.item);
        EXPECT_EQ(split.code, c.code) << c.item.toStdString();
        EXPECT_EQ(split.name, c.name) << c.item.toStdString();
    }
}

TEST(Folders, FollowTheDataRootAndTheProgramFoldersName)
{
    const Folders normal = resolveFolders("/opt/drills/ミナモドリル", "/srv/data", false);
    EXPECT_EQ(normal.ProgramFolder, "/opt/drills/ミナモドリル/");
    EXPECT_EQ(normal.DataRoot, "/srv/data/");
    EXPECT_EQ(normal.ProgramFolderName, "ミナモドリル");
    EXPECT_EQ(normal.ProgramDataFolder, "/srv/data/ミナモドリル/");
    EXPECT_EQ(normal.SoundFolder, "/srv/data/音フォルダ/");
    EXPECT_EQ(resolveFolders("/opt/ミナモドリル", "/srv/data/", false).DataRoot, "/srv/data/");

    const Folders development = resolveFolders("/home/PX0031/ミナモドリル", "/srv/data/", true);
    EXPECT_EQ(development.DataRoot, "/PX0031/PXツールなし/");
    EXPECT_EQ(development.ProgramDataFolder, "/home/PX0031/ミナモドリル/");
    EXPECT_EQ(development.SoundFolder, "/PX0031/PXツールなし/音フォルダ/");
}

class ReadSettings : public ::testing::Test {
protected:
    void SetUp() override { writeValidSchoolTree(files); }
    bool read() { return readSettings(files, SchoolTreePaths::programFolder, state, failure); }

    FakeFileSystem files;
    SharedState state;
    SettingsFailure failure;
};

TEST_F(ReadSettings, FillsFoldersSchoolCriteriaSoundsAndProfile)
{
    ASSERT_TRUE(read()) << failure.errorText.toStdString();
    EXPECT_EQ(state.DataRoot, "/data/");
    EXPECT_EQ(state.ProgramDataFolder, "/data/ミナモドリル/");
    EXPECT_EQ(state.SoundFolder, "/data/音フォルダ/");
    EXPECT_EQ(state.SchoolYearStartMonth, 4);
    EXPECT_EQ(state.SchoolCode, "12345");
    EXPECT_EQ(state.SchoolName, "みなも塾");
    EXPECT_EQ(state.CommonSetting3, "1");
    EXPECT_EQ(state.TeacherPassword, "pass");
    EXPECT_EQ(state.ProgramTitle, "ミナモドリル");
    EXPECT_TRUE(state.AllLevelsOpen);
    EXPECT_EQ(state.Criteria.MinimumTime[1], 120);
    EXPECT_EQ(state.Criteria.TargetTime[2], 40);
    EXPECT_EQ(recordingCount(state.Sounds, CorrectSound2), 2);
}

TEST_F(ReadSettings, EmptyLinesAreEmptyItemsOfThePathFileAndTheCommonSettings)
{
    files.put(SchoolTreePaths::pathFile, encodeLines({"/data", "", "", "", "", "", "", "", "", ""}));
    files.put(SchoolTreePaths::commonSettings,
              encodeLines({"4", QStringLiteral("12345みなも塾"), "1", "", "", "pass", "", "", "", ""}));
    ASSERT_TRUE(read()) << failure.errorText.toStdString();
    EXPECT_EQ(state.DataRoot, "/data/");
    EXPECT_EQ(state.SchoolName, "みなも塾");
    EXPECT_EQ(state.CommonSetting4, "");
    EXPECT_EQ(state.TeacherPassword, "pass"); // item 6, after two empty lines
}

TEST_F(ReadSettings, TheSchoolYearsFirstMonthIsHeldToWhatTheYearRuleCanTell)
{
    const std::pair<const char*, int> cases[] = {{"9999999999", 13}, {"13", 13}, {"12", 12}, {"4.9", 4},
                                                 {"0", 1}, {"-9999999999", 1}};
    for (const auto& [item, month] : cases) {
        files.put(SchoolTreePaths::commonSettings,
                  encodeLines({item, QStringLiteral("12345みなも塾"), "1", "0", "0", "pass", "0", "0", "0", "0"}));
        ASSERT_TRUE(read()) << failure.errorText.toStdString();
        EXPECT_EQ(state.SchoolYearStartMonth, month) << item;
    }
}

TEST_F(ReadSettings, AnyMissingOrShortFileFailsWithItsPathAndLeavesStateAlone)
{
    const FileError unreadable{FileError::Kind::Other, "Permission denied"};
    const struct {
        const char* what;
        QString path;
        QByteArray contents; // empty: the file is removed
        QString errorPart;
    } cases[] = {
        {"missing path file", SchoolTreePaths::pathFile, {}, "No such file or directory"},
        {"short path file", SchoolTreePaths::pathFile, "/data\r\n0\r\n", "10"},
        {"missing common settings", SchoolTreePaths::commonSettings, {}, "No such file or directory"},
        {"short common settings", SchoolTreePaths::commonSettings, "4,x,1\r\n", "10"},
        {"missing criteria table", SchoolTreePaths::criteriaTable, {}, "No such file or directory"},
        {"short criteria table", SchoolTreePaths::criteriaTable, "t\r\n60,120,100\r\n", "2 行目"},
        {"missing sound table", SchoolTreePaths::soundTable, {}, "No such file or directory"},
        {"short sound table", SchoolTreePaths::soundTable, encodeCp932(QStringLiteral("正解音2,a,b")),
         QStringLiteral("正解音2")},
    };
    for (const auto& c : cases) {
        FakeFileSystem broken;
        writeValidSchoolTree(broken);
        if (c.contents.isEmpty())
            broken.failures.insert(c.path, {FileError::Kind::NotFound, "No such file or directory"});
        else
            broken.put(c.path, c.contents);
        SharedState untouched;
        EXPECT_FALSE(readSettings(broken, SchoolTreePaths::programFolder, untouched, failure)) << c.what;
        EXPECT_EQ(failure.path, c.path) << c.what;
        EXPECT_TRUE(failure.errorText.contains(c.errorPart)) << c.what << ": " << failure.errorText.toStdString();
        EXPECT_EQ(untouched.DataRoot, "") << c.what;
        EXPECT_EQ(untouched.SchoolName, "") << c.what;
    }
    files.failures.insert(SchoolTreePaths::soundTable, unreadable);
    EXPECT_FALSE(read());
    EXPECT_EQ(failure.errorText, "Permission denied");
}

TEST_F(ReadSettings, DevelopmentLayoutReadsFromTheDriveRootsToolFolder)
{
    state.DevelopmentLayout = true;
    EXPECT_FALSE(read());
    EXPECT_EQ(failure.path, "/PX0031/PXツールなし/共通データ.txt");
}

TEST(LoadSettings, FailureShowsPathAndErrorThenEndsWithStatusOne)
{
    TestContext test;
    test.program.programFolder = SchoolTreePaths::programFolder;
    writeValidSchoolTree(test.files);
    test.files.failures.insert(SchoolTreePaths::criteriaTable,
                               {FileError::Kind::NotFound, "No such file or directory"});
    try {
        LoadSettings(test.context);
        FAIL() << "start-up went on";
    } catch (const ProgramEnded& ended) {
        EXPECT_EQ(ended.exitStatus, 1);
    }
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(SchoolTreePaths::criteriaTable));
    EXPECT_TRUE(test.dialogs.messages[0].text.contains("No such file or directory"));
    EXPECT_EQ(test.dialogs.messages[0].title, "設定ファイルのエラー");
}
} // namespace
