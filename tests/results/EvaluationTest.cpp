#include "results/Evaluation.h"
#include "results/ResultsFile.h"

#include "results/ResultsTestSupport.h"

#include <gtest/gtest.h>

#include <limits>

namespace {
TEST(RunPoints, GradedByTheTargetTime)
{
    const std::pair<int, int> target60[] = {{0, 55}, {30, 11}, {60, 5}, {61, 4}, {119, 4},
                                            {120, 1}, {599, 1}, {600, 0}, {99999, 0}};
    for (const auto& [seconds, points] : target60)
        EXPECT_EQ(RunPoints(seconds, 60), points) << seconds << " s";
    EXPECT_EQ(RunPoints(0, 0), 0);      // no target, no points
    EXPECT_EQ(RunPoints(1234, 2000), 46); // graded as 123 s, as the program always has
}

class Tallies : public ::testing::Test {
protected:
    void SetUp() override
    {
        CriteriaTable& criteria = test.state.Criteria;
        for (int level = 1; level <= 3; ++level) {
            criteria.TargetTime[level] = 60;
            criteria.PointMultiplier[level] = 1;
            criteria.JudgeDays[level] = 7;
            criteria.LimitDays[level] = 1;
        }
    }
    void recount(const std::vector<ResultRecord>& records)
    {
        test.files.put(kTestResultsFile, recordBytes(records));
        RecountTallies(test.context);
    }
    QDate day(int offset = 0) const { return test.today().addDays(offset); }

    ResultsTest test;
};

TEST_F(Tallies, PointsAreScaledByTheMultiplierAndRoundedDown)
{
    test.state.Criteria.PointMultiplier[1] = 1.5f;
    test.state.Criteria.PointMultiplier[2] = 0.7f;
    const std::pair<int, int> cases[] = {{30, 16}, {60, 7}, {61, 6}, {119, 6}, {120, 1}, {599, 1}, {600, 0}};
    std::vector<ResultRecord> records;
    int student = 1;
    for (const auto& [seconds, points] : cases)
        records.push_back(runRecord(day(), student++, 1, seconds));
    records.push_back(runRecord(day(), 1, 2, 32)); // 10 points × 0.7
    recount(records);
    student = 1;
    for (const auto& [seconds, points] : cases)
        EXPECT_EQ(test.state.Tallies(1, student++).TotalPoints, points) << seconds << " s";
    EXPECT_EQ(test.state.Tallies(2, 1).TotalPoints, 7);
}

TEST_F(Tallies, ARecordWithNegativeSecondsIsForeignAndCountsNowhere)
{
    recount({runRecord(day(), 1, 1, -1), runRecord(day(), 1, 1, std::numeric_limits<std::int32_t>::min()),
             runRecord(day(), 2, 1, 30)});
    EXPECT_EQ(test.state.Tallies(1, 1).RunCount, 0);
    EXPECT_EQ(test.state.Tallies(1, 1).TotalPoints, 0);
    EXPECT_EQ(test.state.Tallies(1, 1).TodayRunCount, 0);
    EXPECT_EQ(test.state.Tallies(1, 2).RunCount, 1);
}

TEST_F(Tallies, TimeOutsAndLongRunsCountInNoRunCount)
{
    test.state.Criteria.TargetTime[1] = 1000;
    recount({runRecord(day(), 4, 1, kNoTime), runRecord(day(), 4, 1, kOnlyFailedRuns),
             runRecord(day(), 4, 1, 6000), runRecord(day(), 4, 1, 5999)});
    EXPECT_EQ(test.state.Tallies(1, 4).RunCount, 1);
    EXPECT_EQ(test.state.Tallies(1, 4).TodayRunCount, 1);
    EXPECT_EQ(test.state.Tallies(1, 4).TotalPoints, 1 + 1); // 6000 s and 5999 s earn 1 each; the others 0
}

TEST_F(Tallies, PeriodsCoverTheCalendarDaysEndingToday)
{
    CriteriaTable& criteria = test.state.Criteria;
    criteria.JudgeDays[1] = 2;
    criteria.JudgeDays[2] = 1;
    criteria.JudgeDays[3] = 0;
    criteria.LimitDays[1] = 1;
    std::vector<ResultRecord> records;
    for (int level = 1; level <= 3; ++level)
        records.insert(records.end(), {runRecord(day(-1), 5, level, 60), runRecord(day(), 5, level, 60),
                                       runRecord(day(-20), 5, level, 60)});
    recount(records);
    EXPECT_EQ(test.state.Tallies(1, 5).JudgeRunCount, 2); // yesterday and today
    EXPECT_EQ(test.state.Tallies(2, 5).JudgeRunCount, 1); // today only
    EXPECT_EQ(test.state.Tallies(3, 5).JudgeRunCount, 0); // none
    EXPECT_EQ(test.state.Tallies(1, 5).JudgePoints, 10);
    EXPECT_EQ(test.state.Tallies(1, 5).LimitRunCount, 1);
    EXPECT_EQ(test.state.Tallies(1, 5).LimitPointsSum, 5);
    EXPECT_EQ(test.state.Tallies(1, 5).TodayRunCount, 1);
    EXPECT_EQ(test.state.Tallies(1, 5).TodayPoints, 5);
    EXPECT_EQ(test.state.Tallies(1, 5).RunCount, 3);
    EXPECT_EQ(test.state.Tallies(1, 5).TotalPoints, 15);
}

TEST_F(Tallies, RecountStartsFromNothing)
{
    recount({runRecord(day(), 5, 1, 60)});
    recount({});
    EXPECT_EQ(test.state.Tallies(1, 5).RunCount, 0);
    EXPECT_EQ(test.state.Tallies(1, 5).TotalPoints, 0);
}

TEST_F(Tallies, PassNeedsPointsAndRunsWithinTheJudgementPeriod)
{
    CriteriaTable& criteria = test.state.Criteria;
    criteria.ClearPoints[1] = 10;
    criteria.ClearCount[1] = 2;
    recount({runRecord(day(), 5, 1, 60), runRecord(day(), 6, 1, 60), runRecord(day(-30), 6, 1, 60),
             runRecord(day(), 6, 1, 60)});
    EXPECT_FALSE(LevelPassed(test.state, 1, 5));
    EXPECT_TRUE(LevelPassed(test.state, 1, 6));
    criteria.JudgeDays[1] = 0; // nothing lies in a period of no days
    RecountTallies(test.context);
    EXPECT_FALSE(LevelPassed(test.state, 1, 6));
}

TEST_F(Tallies, OverdoingLocksOnlyWhereALimitIsSet)
{
    CriteriaTable& criteria = test.state.Criteria;
    criteria.LimitCount[1] = 3;
    criteria.LimitPoints[2] = 10;
    std::vector<ResultRecord> records;
    for (int run = 0; run < 3; ++run)
        for (int level = 1; level <= 3; ++level)
            records.push_back(runRecord(day(), 5, level, 60));
    records.push_back(runRecord(day(), 6, 1, 60));
    recount(records);
    EXPECT_TRUE(OverdoingLocked(test.state, 1, 5));  // three runs
    EXPECT_TRUE(OverdoingLocked(test.state, 2, 5));  // fifteen points
    EXPECT_FALSE(OverdoingLocked(test.state, 3, 5)); // no limits, however often
    EXPECT_FALSE(OverdoingLocked(test.state, 1, 6));
}

TEST_F(Tallies, EvaluationComparesWithTheTalliesBeforeTheRunAndAppendsIt)
{
    CriteriaTable& criteria = test.state.Criteria;
    criteria.ClearPoints[1] = 10;
    criteria.ClearCount[1] = 2;
    recount({runRecord(day(), 5, 1, 60), runRecord(day(), 6, 1, 45)});
    test.state.CurrentStudentNo = 5;
    test.state.CurrentLevel = 1;
    test.state.RecordedTime = 50; // this run passes: 5 + 5 points, two runs

    EvaluateRun(test.context, 1);
    EXPECT_FALSE(test.state.AlreadyPassed);
    EXPECT_TRUE(test.state.NewBestFlag);
    EXPECT_EQ(test.state.BestTime(1, 5), 50);
    EXPECT_FALSE(test.state.NewLevelRecordFlag); // student 6 holds 45
    const auto records = decodedRecords(test.files.contents(kTestResultsFile));
    ASSERT_EQ(records.size(), 3u);
    EXPECT_EQ(records.back().StudentNo, 5);
    EXPECT_EQ(records.back().Seconds, 50);

    RecountTallies(test.context);
    test.state.NewBestFlag = false;
    test.state.RecordedTime = 40;
    EvaluateRun(test.context, 1);
    EXPECT_TRUE(test.state.AlreadyPassed);
    EXPECT_TRUE(test.state.NewLevelRecordFlag);
    EXPECT_EQ(test.state.LevelRecord[1], 40);

    test.state.NewBestFlag = test.state.NewLevelRecordFlag = false;
    test.state.RecordedTime = kNoTime; // a time-out is recorded but sets no record
    EvaluateRun(test.context, 1);
    EXPECT_FALSE(test.state.NewBestFlag || test.state.NewLevelRecordFlag);
    EXPECT_EQ(decodedRecords(test.files.contents(kTestResultsFile)).back().Seconds, kNoTime);
}
} // namespace
