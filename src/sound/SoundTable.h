#pragma once
// The sound table: the recordings of each sound category, as listed in the
// sound folder's table file.

#include <QByteArray>
#include <QString>

#include <array>

inline const QString kSoundTableFileName = QStringLiteral("新音ファイル.txt");
inline constexpr int kSoundCategories = 10;
inline constexpr int kRecordingsPerCategory = 20;
inline constexpr int kSoundCountRow = kRecordingsPerCategory + 1;

// Columns of the categories, 1..10.
enum SoundCategory {
    CorrectSound1 = 1,
    CorrectSound2,
    WrongSound1,
    WrongSound2,
    LevelRecordSound1,
    LevelRecordSound2,
    PersonalBestSound1,
    PersonalBestSound2,
    PersonalBestSound3,
    NoRecordSound1,
};

// Rows 0..21 by columns 0..10: row 0 holds the category names, rows 1..20
// the recordings' base names (without ".wav"), row 21 their number as text.
using SoundTable = std::array<std::array<QString, kSoundCategories + 1>, kSoundCountRow + 1>;

// The number of recordings of a category; 0 when the file gave it none.
int recordingCount(const SoundTable& table, int category);

// Reads the table from the file's bytes. Fails when the file ends inside a
// block, before its "*".
bool parseSoundTable(const QByteArray& bytes, SoundTable& table, QString& error);
