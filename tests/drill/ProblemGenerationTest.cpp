#include "drill/ProblemGeneration.h"

#include "platform/QtPlatform.h"
#include "platform/fakes/FakePlatform.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {
using Pair = std::pair<int, int>;

// All (a, b) of a family, by its rule.
QList<Pair> familySet(int level)
{
    QList<Pair> set;
    for (int a = 2; a <= 10; ++a)
        for (int b = 2; b <= 9; ++b) {
            const bool member = (level == 1 && a <= 9 && a + b < 10) || (level == 2 && a == 10 && b >= 5) ||
                                (level == 3 && a <= 9 && a + b > 10) || (level == 4 && a >= 6 && a <= 9 && b == 5) ||
                                (level == 5 && a >= 5 && a <= 8 && b >= 5 && b <= 8);
            if (member)
                set << Pair{a, b};
        }
    return set;
}

// Each family draws exactly its set, each problem about equally often:
// a chi-square test at a fixed seed, far below its 0.1 % critical value.
TEST(ProblemDraws, EachFamilyDrawsItsWholeSetUniformly)
{
    const std::pair<int, double> families[] = {{1, 45.3}, {2, 18.5}, {3, 66.6}, {5, 37.7}};
    for (const auto& [level, critical] : families) {
        StdRandomSource random;
        random.seed(1234.5);
        const QList<Pair> set = familySet(level);
        const int draws = 400 * set.size();
        QMap<Pair, int> seen;
        for (int i = 0; i < draws; ++i) {
            const Problem problem = *drawProblem(level, 0, random);
            ASSERT_TRUE(set.contains(Pair{problem.DrawA, problem.DrawB})) << level << ": " << problem.DrawA << "," << problem.DrawB;
            ++seen[{problem.DrawA, problem.DrawB}];
        }
        EXPECT_EQ(seen.size(), set.size()) << "level " << level;
        const double expected = 400;
        double chiSquare = 0;
        for (const int count : seen)
            chiSquare += (count - expected) * (count - expected) / expected;
        EXPECT_LT(chiSquare, critical) << "level " << level;
    }
}

TEST(ProblemDraws, SignsAndAnswersFollowTheFamily)
{
    FakeRandomSource random;
    random.values = {0.5, 0.1, 0.0, 0.99, 0.6};
    const Problem sum = *drawProblem(1, 0, random); // 6 + 2
    EXPECT_EQ(sum.sign, "＋");
    EXPECT_EQ(sum.answer, 8);
    const Problem complement = *drawProblem(2, 0, random); // 10 − 5
    EXPECT_EQ(complement.DrawA, 10);
    EXPECT_EQ(complement.sign, "－");
    EXPECT_EQ(complement.answer, 5);
    const Problem takeAway = *drawProblem(4, 0, random); // 9 − 5
    EXPECT_EQ(takeAway.answer, 4);
    EXPECT_FALSE(drawProblem(6, 0, random).has_value());
    EXPECT_FALSE(drawProblem(0, 0, random).has_value());
}

TEST(ProblemDraws, LevelFourNeverRepeatsItsFirstNumber)
{
    StdRandomSource random;
    random.seed(99.25);
    int last = 0;
    QMap<int, int> afterNine;
    for (int i = 0; i < 4000; ++i) {
        const Problem problem = *drawProblem(4, last, random);
        ASSERT_NE(problem.DrawA, last);
        ASSERT_TRUE(problem.DrawA >= 6 && problem.DrawA <= 9);
        if (last == 9)
            ++afterNine[problem.DrawA];
        last = problem.DrawA;
    }
    EXPECT_EQ(afterNine.keys(), QList<int>({6, 7, 8}));
}

TEST(MakeTenHint, TheNumberNearerToTenIsCompleted)
{
    const MakeTenHintPlan equal = makeTenHintPlan(7, 7);
    EXPECT_EQ(equal.completedFrame, 0);
    EXPECT_EQ(equal.caption, "あと 3 で　１０");
    EXPECT_EQ(equal.arrow, "←");

    const MakeTenHintPlan plan = makeTenHintPlan(8, 5);
    EXPECT_EQ(plan.moveText, " 2 いどう");
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(plan.counters[i], i <= 8 ? Counter::Blue : Counter::Red) << i;
    for (int i = 11; i <= 20; ++i) {
        EXPECT_EQ(plan.counters[i], i <= 15 ? Counter::Green : Counter::Hidden) << i;
        EXPECT_EQ(plan.struck[i], i == 14 || i == 15) << i;
    }
    EXPECT_EQ(plan.filledFrom, 9);
    EXPECT_EQ(plan.filledTo, 10);

    const MakeTenHintPlan second = makeTenHintPlan(3, 9);
    EXPECT_EQ(second.completedFrame, 1);
    EXPECT_EQ(second.caption, "あと 1 で　１０");
    EXPECT_EQ(second.arrow, "→");
    EXPECT_EQ(second.counters[19], Counter::Blue);
    EXPECT_EQ(second.counters[20], Counter::Red);
    EXPECT_EQ(second.counters[3], Counter::Green);
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(second.struck[i], i == 3) << i;
    EXPECT_EQ(second.filledFrom, 20);
    EXPECT_EQ(second.filledTo, 20);
}

TEST(FiveFiveHint, ShowsEachNumberAsItsCountersAndLabels)
{
    const FiveFiveHintPlan plan = fiveFiveHintPlan(7, 6);
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(plan.shown[i], i <= 7 || (i >= 11 && i <= 16)) << i;
    EXPECT_EQ(plan.firstLabel, "7=");
    EXPECT_EQ(plan.secondLabel, "6=");
}
} // namespace
