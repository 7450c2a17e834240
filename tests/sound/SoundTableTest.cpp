#include "sound/SoundTable.h"

#include "platform/TextFile.h"

#include <gtest/gtest.h>

namespace {
SoundTable parsed(const QString& text)
{
    SoundTable table{};
    QString error;
    EXPECT_TRUE(parseSoundTable(encodeCp932(text), table, error)) << error.toStdString();
    return table;
}

TEST(SoundTable, BlocksFillTheirCategoryColumns)
{
    const SoundTable table = parsed(QStringLiteral("正解音2,seikai1,seikai2,*\r\n間違い音2,batu1,*\r\n"));
    EXPECT_EQ(table[0][CorrectSound2], QStringLiteral("正解音2"));
    EXPECT_EQ(table[0][NoRecordSound1], QStringLiteral("不合格音1"));
    EXPECT_EQ(table[1][CorrectSound2], "seikai1");
    EXPECT_EQ(table[2][CorrectSound2], "seikai2");
    EXPECT_EQ(recordingCount(table, CorrectSound2), 2);
    EXPECT_EQ(table[1][WrongSound2], "batu1");
    EXPECT_EQ(recordingCount(table, WrongSound2), 1);
    EXPECT_EQ(recordingCount(table, PersonalBestSound2), 0); // no block: nothing to play
}

TEST(SoundTable, ItemsOutsideBlocksAreSkippedAndBlocksMaySpanLines)
{
    const SoundTable table = parsed(QStringLiteral("メモ,*,不合格音1,\r\nzannen1\r\nzannen2,*\r\n"));
    EXPECT_EQ(recordingCount(table, NoRecordSound1), 3);
    EXPECT_EQ(table[1][NoRecordSound1], "");  // the empty item after the name counts as a name
    EXPECT_EQ(table[2][NoRecordSound1], "zannen1");
    EXPECT_EQ(table[3][NoRecordSound1], "zannen2");
}

TEST(SoundTable, LastBlockOfACategoryWinsForTheRowsItFills)
{
    const SoundTable table = parsed(QStringLiteral("正解音2,a,b,c,*\r\n正解音2,x,*\r\n"));
    EXPECT_EQ(recordingCount(table, CorrectSound2), 1);
    EXPECT_EQ(table[1][CorrectSound2], "x");
    EXPECT_EQ(table[2][CorrectSound2], "b");
}

TEST(SoundTable, EmptyBlockCountsZeroAndTwentyNamesWithoutStarLeaveTheCount)
{
    QString twenty = QStringLiteral("自己最高音2");
    for (int i = 1; i <= 20; ++i)
        twenty += QStringLiteral(",r%1").arg(i);
    const SoundTable table =
        parsed(QStringLiteral("正解音2,*\r\n自己最高音2,a,*\r\n") + twenty + QStringLiteral(",*\r\n"));
    EXPECT_EQ(recordingCount(table, CorrectSound2), 0);
    EXPECT_EQ(table[kSoundCountRow][CorrectSound2], "0");
    EXPECT_EQ(recordingCount(table, PersonalBestSound2), 1); // the earlier block's count stays
    EXPECT_EQ(table[20][PersonalBestSound2], "r20");
}

TEST(SoundTable, FileEndingInsideABlockIsRefused)
{
    SoundTable table{};
    QString error;
    EXPECT_FALSE(parseSoundTable(encodeCp932(QStringLiteral("間違い音2,batu1")), table, error));
    EXPECT_TRUE(error.contains(QStringLiteral("間違い音2")));
}
} // namespace
