#pragma once
// The data folders and the settings files read at start-up.

#include "foundation/AppContext.h"

inline const QString kPathFileName = QStringLiteral("パスデータ.txt");
inline const QString kCommonSettingsFileName = QStringLiteral("共通データ.txt");
inline const QString kSoundFolderName = QStringLiteral("音フォルダ");

// A program whose folder path names "PX0031" but not "ELVANTO" runs in the
// developers' layout.
bool isDevelopmentLayout(const QString& programFolderPath);

struct SchoolNameItem {
    QString code; // five characters, or empty
    QString name;
};
// The school item of the common settings: a leading five-character number
// other than 0 is the school code, the rest the name.
SchoolNameItem splitSchoolItem(const QString& item);

struct Folders {
    QString ProgramFolder;
    QString DataRoot;
    QString ProgramFolderName;
    QString ProgramDataFolder;
    QString SoundFolder;
};
// The folders from the program's own folder (without trailing "/") and the
// data root named in the path file.
Folders resolveFolders(const QString& programFolderPath, const QString& dataRootItem,
                       bool developmentLayout);

struct SettingsFailure {
    QString path;
    QString errorText;
};

// Reads the path file, the common settings, the criteria table and the
// sound table into the state, and sets the program profile. Uses the
// state's DevelopmentLayout. Nothing is written.
bool readSettings(const FileSystem& files, const QString& programFolderPath, SharedState& state,
                  SettingsFailure& failure);

// readSettings for the start-up screen: a failure shows the file's path and
// the error, then ends the program with status 1.
void LoadSettings(AppContext& context);
