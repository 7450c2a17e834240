#include "completion/CompletionRules.h"
#include "results/Evaluation.h"

#include "results/ResultsTestSupport.h"

#include <gtest/gtest.h>

namespace {
CriteriaTable criteriaFor(int level, int targetTime, float multiplier)
{
    CriteriaTable criteria;
    criteria.TargetTime[level] = targetTime;
    criteria.PointMultiplier[level] = multiplier;
    return criteria;
}

TEST(PointsLine, GradedPointsTheMultiplierAsTypedAndTheWeightedPoints)
{
    struct Case {
        int targetTime;
        float multiplier;
        int seconds;
        const char16_t* line;
    };
    const Case cases[] = {
        {60, 1.5f, 30, u"獲得ポイント：11点×1.5→16点"},
        {60, 0.7f, 32, u"獲得ポイント：10点×0.7→7点"}, // not 0.699999988, not 6
        {60, 1.0f, 60, u"獲得ポイント：5点×1→5点"},
        {60, 2.0f, 61, u"獲得ポイント：4点×2→8点"},
        {60, 1.25f, 600, u"獲得ポイント：0点×1.25→0点"},
        {60, 1.5f, kNoTime, u"獲得ポイント：0点×1.5→0点"},
        {20000, 1.0f, kOnlyFailedRuns, u"獲得ポイント：0点×1→0点"}, // a failed run earns nothing, whatever the target
    };
    for (const Case& c : cases) {
        const CriteriaTable criteria = criteriaFor(1, c.targetTime, c.multiplier);
        EXPECT_EQ(pointsLine(earnedPoints(criteria, 1, c.seconds), c.multiplier), QString::fromUtf16(c.line))
            << c.seconds << " s";
    }
}

TEST(TimeLine, SecondsOrNoRecord)
{
    EXPECT_EQ(timeLine(42), QStringLiteral("今の成績：42秒"));
    EXPECT_EQ(timeLine(99997), QStringLiteral("今の成績：99997秒"));
    EXPECT_EQ(timeLine(kOnlyFailedRuns), QStringLiteral("記録なし"));
    EXPECT_EQ(timeLine(kNoTime), QStringLiteral("記録なし"));
}
} // namespace
