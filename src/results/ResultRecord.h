#pragma once
// One run in the results file: a 44-byte little-endian record.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <array>
#include <cstdint>

inline constexpr int kRecordSize = 44;
inline constexpr int kRecordTextSize = 5;
inline const QString kResultsFileName = QStringLiteral("成績累積データ.dat");

// The five numbers of a record, all that the rules use.
struct LoadedResult {
    double EntryDate = 0; // days since 1899-12-30
    double EntryTime = 0; // fraction of a day
    std::int16_t StudentNo = 0;
    std::int16_t Level = 0;
    std::int32_t Seconds = 0;
};

struct ResultRecord {
    double EntryDate = 0; // days since 1899-12-30, whole
    double EntryTime = 0; // fraction of a day
    std::int16_t StudentNo = 0;
    std::int16_t Level = 0;
    std::int32_t Seconds = 0;
    QByteArray ExtraA = "     "; // the school code
    QByteArray ExtraB = "     ";
    QByteArray ExtraC = "0    ";
    QByteArray ExtraD = QByteArray(kRecordTextSize, '\0');

    bool operator==(const ResultRecord&) const = default;
    LoadedResult numbers() const { return {EntryDate, EntryTime, StudentNo, Level, Seconds}; }
};

using RecordBytes = std::array<char, kRecordSize>;

void encodeRecord(const ResultRecord& record, char* bytes);
ResultRecord decodeRecord(const char* bytes);
// Only the numbers, for loading many records quickly.
LoadedResult decodeNumbers(const char* bytes);

// A text field: code page 932, cut or padded with spaces to five bytes.
QByteArray recordText(const QString& text);

// A record that belongs to a student and a level. Student numbers and
// levels outside the tables are a torn or foreign write, never valid.
bool isValidRecord(const LoadedResult& record);
// A record whose student and level fit the tables, valid or not.
bool fitsTables(const LoadedResult& record);

// The date and time fields of a moment.
double entryDateOf(const QDate& date);
double entryTimeOf(const QTime& time);
// A moment as one number: days since 1899-12-30 plus the fraction of the day.
double serialMoment(const QDateTime& moment);
