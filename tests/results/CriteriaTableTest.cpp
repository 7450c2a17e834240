#include "results/CriteriaTable.h"

#include "platform/TextFile.h"
#include "results/Evaluation.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
const QString kTitles = QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,");

CriteriaTable parsed(const QStringList& lines)
{
    CriteriaTable table;
    QString error;
    EXPECT_TRUE(parseCriteriaTable(encodeLines(lines), table, error)) << error.toStdString();
    return table;
}

TEST(CriteriaTable, ReadsEveryColumnOfALevelLine)
{
    const CriteriaTable table = parsed({kTitles, "60,120,100,5,1.5,10,500,7,3,,,"});
    EXPECT_EQ(table.TargetTime[1], 60);
    EXPECT_EQ(table.MinimumTime[1], 120);
    EXPECT_EQ(table.ClearPoints[1], 100);
    EXPECT_EQ(table.ClearCount[1], 5);
    EXPECT_FLOAT_EQ(table.PointMultiplier[1], 1.5f);
    EXPECT_EQ(table.LimitCount[1], 10);
    EXPECT_EQ(table.LimitPoints[1], 500);
    EXPECT_EQ(table.JudgeDays[1], 7);
    EXPECT_EQ(table.LimitDays[1], 3);
    EXPECT_EQ(table.Cells[0][0], QStringLiteral("目標Time"));
    EXPECT_EQ(table.Cells[0][8], QStringLiteral("禁期間"));
    EXPECT_EQ(table.TargetTime[0], 0); // the title line is no level
    EXPECT_EQ(table.TargetTime[2], 0); // no line, no criteria
}

TEST(CriteriaTable, FractionsStayWhereTheColumnTakesThemAndTextReadsAsZero)
{
    const CriteriaTable table = parsed({kTitles, "abc,x,1.5,2.5,0.75,1.5,2.5,0.5,1.5,n,o,p"});
    EXPECT_EQ(table.TargetTime[1], 0);
    EXPECT_EQ(table.MinimumTime[1], 0);
    EXPECT_EQ(table.ClearPoints[1], 2); // whole-number columns round halves to even
    EXPECT_EQ(table.ClearCount[1], 2);
    EXPECT_FLOAT_EQ(table.PointMultiplier[1], 0.75f);
    EXPECT_DOUBLE_EQ(table.LimitCount[1], 1.5);
    EXPECT_DOUBLE_EQ(table.LimitPoints[1], 2.5);
    EXPECT_DOUBLE_EQ(table.JudgeDays[1], 0.5);
    EXPECT_DOUBLE_EQ(table.LimitDays[1], 1.5);
    EXPECT_EQ(table.Cells[1].mid(9), QStringList({"n", "o", "p"})); // kept for the editor
}

TEST(CriteriaTable, NumbersBeyondWhatARuleCanUseAreHeldWithinTheirColumn)
{
    const CriteriaTable table = parsed({kTitles, "9999999999,-9999999999,9999999999,99999,99999999999,0,0,7,3,,,",
                                        "-9999999999,9999999999,-9999999999,-99999,-99999999999,0,0,7,3,,,"});
    EXPECT_EQ(table.TargetTime[1], 999'999);
    EXPECT_EQ(table.MinimumTime[1], -999'999);
    EXPECT_EQ(table.ClearPoints[1], std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(table.ClearCount[1], std::numeric_limits<std::int16_t>::max());
    EXPECT_FLOAT_EQ(table.PointMultiplier[1], 1000);
    EXPECT_EQ(table.TargetTime[2], -999'999);
    EXPECT_EQ(table.MinimumTime[2], 999'999);
    EXPECT_EQ(table.ClearPoints[2], std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(table.ClearCount[2], std::numeric_limits<std::int16_t>::min());
    EXPECT_FLOAT_EQ(table.PointMultiplier[2], -1000);
    // The largest points a run can earn, at the largest factor.
    EXPECT_EQ(WeightedRunPoints(0, table, 1), 55'000);
    EXPECT_EQ(WeightedRunPoints(0, table, 2), 0); // below a negative target nothing is graded
}

TEST(CriteriaTable, LinesBeyondTheThirtySixthAreIgnored)
{
    QStringList lines = {kTitles};
    for (int level = 1; level <= 40; ++level)
        lines << QStringLiteral("%1,1,1,1,1,0,0,1,1,,,").arg(level);
    const CriteriaTable table = parsed(lines);
    EXPECT_EQ(table.TargetTime[35], 35);
}

TEST(CriteriaTable, TitleLineIsNeverRejectedAndBlankLinesAreSkipped)
{
    const CriteriaTable table = parsed({"Titles only", "", "60,120,100,5,1,0,0,7,3,,,", ""});
    EXPECT_EQ(table.Cells[0].size(), kCriteriaColumns);
    EXPECT_EQ(table.TargetTime[1], 60);
}

TEST(CriteriaTable, ShortLevelLineOrEmptyFileIsRefused)
{
    CriteriaTable table;
    table.TargetTime[1] = 77;
    QString error;
    EXPECT_FALSE(parseCriteriaTable(encodeLines({kTitles, "60,120,100,5,1.5"}), table, error));
    EXPECT_TRUE(error.contains(QStringLiteral("2 行目"))) << error.toStdString();
    EXPECT_FALSE(parseCriteriaTable(QByteArray(), table, error));
    EXPECT_EQ(table.TargetTime[1], 77); // a refused file changes nothing
}
} // namespace
