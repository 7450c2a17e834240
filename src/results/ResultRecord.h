#pragma once
// One run in the results file: a 44-byte little-endian record.

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include "foundation/Limits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdint>
#include <cstring>

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

// The file is little-endian whatever the machine; on a little-endian
// machine a field is a plain copy of its bytes.
template <typename T>
void putLittleEndian(char* bytes, T value)
{
    std::memcpy(bytes, &value, sizeof value);
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(bytes, bytes + sizeof value);
}

template <typename T>
T getLittleEndian(const char* bytes)
{
    char ordered[sizeof(T)];
    std::memcpy(ordered, bytes, sizeof ordered);
    if constexpr (std::endian::native == std::endian::big)
        std::reverse(ordered, ordered + sizeof ordered);
    T value;
    std::memcpy(&value, ordered, sizeof value);
    return value;
}

void encodeRecord(const ResultRecord& record, char* bytes);
ResultRecord decodeRecord(const char* bytes);

// Only the numbers, for loading many records quickly: decoded straight
// into their place, field by field.
inline void decodeNumbers(const char* bytes, LoadedResult& numbers)
{
    numbers.EntryDate = getLittleEndian<double>(bytes + 0);
    numbers.EntryTime = getLittleEndian<double>(bytes + 8);
    numbers.StudentNo = getLittleEndian<std::int16_t>(bytes + 16);
    numbers.Level = getLittleEndian<std::int16_t>(bytes + 18);
    numbers.Seconds = getLittleEndian<std::int32_t>(bytes + 20);
}

// A text field: code page 932, cut or padded with spaces to five bytes.
QByteArray recordText(const QString& text);

// A record whose student and level fit the tables, valid or not.
inline bool fitsTables(const LoadedResult& record)
{
    return record.StudentNo >= 0 && record.StudentNo <= kMaxStudentNo && record.Level >= 0 &&
           record.Level <= kMaxLevel;
}

// A record that belongs to a student and a level. Student numbers and
// levels outside the tables, and negative times, are a torn or foreign
// write, never valid.
inline bool isValidRecord(const LoadedResult& record)
{
    return record.EntryDate >= 0 && record.StudentNo >= 1 && record.Level >= 1 && record.Seconds >= 0 &&
           fitsTables(record);
}

// The date and time fields of a moment. The time is taken in whole
// seconds, as the school's clock has always stamped runs: a run at
// 10:00:59.5 belongs to 10:00.
double entryDateOf(const QDate& date);
double entryTimeOf(const QTime& time);
// And back: the date, none when the number is no date at all; the time of
// day to the nearest second (a time that rounds up to midnight reads as
// 0:00:00, the next day's start).
QDate dateOfEntry(double entryDate);
QTime timeOfEntry(double entryTime);
// A moment as one number: days since 1899-12-30 plus the fraction of the day.
double serialMoment(const QDateTime& moment);
