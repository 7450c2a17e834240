#include "results/ResultRecord.h"

#include "foundation/Limits.h"
#include "platform/TextFile.h"

#include <bit>
#include <cstring>

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr double kMillisecondsPerDay = 86'400'000.0;

template <typename T>
void putLittleEndian(char* bytes, T value)
{
    using Unsigned = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
    Unsigned bits;
    static_assert(sizeof bits == sizeof value);
    std::memcpy(&bits, &value, sizeof bits);
    for (std::size_t i = 0; i < sizeof bits; ++i)
        bytes[i] = static_cast<char>((bits >> (8 * i)) & 0xFF);
}

template <typename T>
T getLittleEndian(const char* bytes)
{
    using Unsigned = std::make_unsigned_t<std::conditional_t<std::is_floating_point_v<T>, std::int64_t, T>>;
    Unsigned bits = 0;
    for (std::size_t i = 0; i < sizeof bits; ++i)
        bits |= static_cast<Unsigned>(static_cast<unsigned char>(bytes[i])) << (8 * i);
    T value;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

void putText(char* bytes, const QByteArray& text)
{
    std::memset(bytes, ' ', kRecordTextSize);
    std::memcpy(bytes, text.constData(), std::min<qsizetype>(text.size(), kRecordTextSize));
}
} // namespace

void encodeRecord(const ResultRecord& record, char* bytes)
{
    putLittleEndian(bytes + 0, record.EntryDate);
    putLittleEndian(bytes + 8, record.EntryTime);
    putLittleEndian(bytes + 16, record.StudentNo);
    putLittleEndian(bytes + 18, record.Level);
    putLittleEndian(bytes + 20, record.Seconds);
    putText(bytes + 24, record.ExtraA);
    putText(bytes + 29, record.ExtraB);
    putText(bytes + 34, record.ExtraC);
    std::memset(bytes + 39, 0, kRecordTextSize);
    std::memcpy(bytes + 39, record.ExtraD.constData(), std::min<qsizetype>(record.ExtraD.size(), kRecordTextSize));
}

LoadedResult decodeNumbers(const char* bytes)
{
    return {getLittleEndian<double>(bytes + 0), getLittleEndian<double>(bytes + 8),
            getLittleEndian<std::int16_t>(bytes + 16), getLittleEndian<std::int16_t>(bytes + 18),
            getLittleEndian<std::int32_t>(bytes + 20)};
}

ResultRecord decodeRecord(const char* bytes)
{
    const LoadedResult numbers = decodeNumbers(bytes);
    ResultRecord record;
    record.EntryDate = numbers.EntryDate;
    record.EntryTime = numbers.EntryTime;
    record.StudentNo = numbers.StudentNo;
    record.Level = numbers.Level;
    record.Seconds = numbers.Seconds;
    record.ExtraA = QByteArray(bytes + 24, kRecordTextSize);
    record.ExtraB = QByteArray(bytes + 29, kRecordTextSize);
    record.ExtraC = QByteArray(bytes + 34, kRecordTextSize);
    record.ExtraD = QByteArray(bytes + 39, kRecordTextSize);
    return record;
}

QByteArray recordText(const QString& text)
{
    QByteArray bytes = encodeCp932(text).left(kRecordTextSize);
    return bytes.leftJustified(kRecordTextSize, ' ');
}

bool fitsTables(const LoadedResult& record)
{
    return record.StudentNo >= 0 && record.StudentNo <= kMaxStudentNo && record.Level >= 0 &&
           record.Level <= kMaxLevel;
}

bool isValidRecord(const LoadedResult& record)
{
    return record.EntryDate >= 0 && record.StudentNo >= 1 && record.Level >= 1 && fitsTables(record);
}

double entryDateOf(const QDate& date) { return static_cast<double>(kDayZero.daysTo(date)); }

double entryTimeOf(const QTime& time) { return time.msecsSinceStartOfDay() / kMillisecondsPerDay; }

double serialMoment(const QDateTime& moment)
{
    return entryDateOf(moment.date()) + entryTimeOf(moment.time());
}
