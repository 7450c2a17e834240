#include "results/ResultRecord.h"

#include "platform/TextFile.h"

#include <cmath>
#include <cstring>

namespace {
const QDate kDayZero(1899, 12, 30);
constexpr int kSecondsPerDay = 86400;

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

ResultRecord decodeRecord(const char* bytes)
{
    LoadedResult numbers;
    decodeNumbers(bytes, numbers);
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

double entryDateOf(const QDate& date) { return static_cast<double>(kDayZero.daysTo(date)); }

double entryTimeOf(const QTime& time)
{
    const int wholeSeconds = time.msecsSinceStartOfDay() / 1000;
    return static_cast<double>(wholeSeconds) / kSecondsPerDay;
}

QDate dateOfEntry(double entryDate)
{
    constexpr double kFarDays = 1e8;
    if (!std::isfinite(entryDate) || std::abs(entryDate) > kFarDays)
        return {};
    return kDayZero.addDays(static_cast<qint64>(std::floor(entryDate)));
}

QTime timeOfEntry(double entryTime)
{
    if (!std::isfinite(entryTime))
        return QTime(0, 0);
    const double fraction = entryTime - std::floor(entryTime);
    const int seconds = static_cast<int>(std::lround(fraction * kSecondsPerDay)) % kSecondsPerDay;
    return QTime(0, 0).addSecs(seconds);
}

double serialMoment(const QDateTime& moment)
{
    return entryDateOf(moment.date()) + entryTimeOf(moment.time());
}
