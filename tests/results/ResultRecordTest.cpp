#include "results/ResultRecord.h"

#include <cstring>

#include <gtest/gtest.h>

namespace {
TEST(ResultRecord, FieldsLieAtTheirOffsetsLittleEndian)
{
    ResultRecord record;
    record.EntryDate = 46365;   // 2026-12-09
    record.EntryTime = 0.5;     // noon
    record.StudentNo = 0x0102;
    record.Level = 3;
    record.Seconds = 99999;
    record.ExtraA = recordText("12345");
    RecordBytes bytes;
    bytes.fill('\x7F');
    encodeRecord(record, bytes.data());

    const double date = 46365, time = 0.5;
    char expectedDate[8], expectedTime[8];
    std::memcpy(expectedDate, &date, 8); // this machine is little-endian, as the file is
    std::memcpy(expectedTime, &time, 8);
    EXPECT_EQ(QByteArray(bytes.data(), 8), QByteArray(expectedDate, 8));
    EXPECT_EQ(QByteArray(bytes.data() + 8, 8), QByteArray(expectedTime, 8));
    EXPECT_EQ(QByteArray(bytes.data() + 16, 8), QByteArray("\x02\x01\x03\x00\x9F\x86\x01\x00", 8));
    EXPECT_EQ(QByteArray(bytes.data() + 24, 15), QByteArray("12345     0    "));
    EXPECT_EQ(QByteArray(bytes.data() + 39, 5), QByteArray(5, '\0'));
    EXPECT_EQ(decodeRecord(bytes.data()), record);
}

TEST(ResultRecord, TextFieldsAreCodePage932CutOrPaddedToFiveBytes)
{
    EXPECT_EQ(recordText(""), "     ");
    EXPECT_EQ(recordText("12"), "12   ");
    EXPECT_EQ(recordText("1234567"), "12345");
    EXPECT_EQ(recordText(QStringLiteral("塾")), QByteArray("\x8F\x6D   "));
}

TEST(ResultRecord, ValidOnlyForAStudentAndALevelOfTheTables)
{
    const struct {
        double date;
        int student, level;
        bool valid, fits;
    } cases[] = {
        {46000, 1, 1, true, true},    {46000, 5000, 35, true, true}, {-1, 1, 1, false, true},
        {46000, 0, 1, false, true},   {46000, 1, 0, false, true},    {46000, 5001, 1, false, false},
        {46000, -3, 1, false, false}, {46000, 1, 36, false, false},  {46000, 1, -1, false, false},
    };
    for (const auto& c : cases) {
        const LoadedResult result{c.date, 0, static_cast<std::int16_t>(c.student),
                                  static_cast<std::int16_t>(c.level), 10};
        EXPECT_EQ(isValidRecord(result), c.valid) << c.date << " " << c.student << " " << c.level;
        EXPECT_EQ(fitsTables(result), c.fits) << c.date << " " << c.student << " " << c.level;
    }
}

TEST(ResultRecord, DatesCountDaysFrom18991230AndTimesFractionsOfADay)
{
    EXPECT_EQ(entryDateOf(QDate(1899, 12, 30)), 0);
    EXPECT_EQ(entryDateOf(QDate(2000, 1, 1)), 36526);
    EXPECT_DOUBLE_EQ(entryTimeOf(QTime(18, 0)), 0.75);
    EXPECT_EQ(entryTimeOf(QTime(13, 59, 59, 999)), entryTimeOf(QTime(13, 59, 59))); // whole seconds
    EXPECT_EQ(timeOfEntry(entryTimeOf(QTime(13, 59, 59, 500))), QTime(13, 59, 59));
    EXPECT_DOUBLE_EQ(serialMoment(QDateTime(QDate(2000, 1, 1), QTime(6, 0))), 36526.25);
}
} // namespace
