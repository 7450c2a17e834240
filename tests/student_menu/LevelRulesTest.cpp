// The student menu's level columns and level locks.
#include "foundation/LevelCatalogue.h"
#include "student_menu/LevelColumns.h"
#include "student_menu/LevelLocks.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
TEST(LevelColumns, FourColumnsScrollWithFiveLevelsAndFewerShareTheWidth)
{
    EXPECT_EQ(columnWidth(5), 3456);
    EXPECT_EQ(scrollMaximum(5), 2);
    EXPECT_EQ(columnWidth(3), 4864);
    EXPECT_EQ(scrollMaximum(3), 0);
    EXPECT_EQ(columnWidth(1), 14592);
    EXPECT_EQ(columnLeft(1, 1, 5), kFirstColumnLeft);
    EXPECT_EQ(columnLeft(4, 1, 5), kFirstColumnLeft + 3 * 3456);
    // Scrolled by one: level 1 is parked beyond the right edge, 2..5 in view.
    EXPECT_EQ(columnLeft(1, 2, 5), kMenuDesignWidth);
    EXPECT_EQ(columnLeft(2, 2, 5), kFirstColumnLeft);
    EXPECT_EQ(columnLeft(5, 2, 5), kFirstColumnLeft + 3 * 3456);
}

TEST(LevelColumns, TextsUnderTheStartButton)
{
    auto state = std::make_unique<SharedState>();
    CriteriaTable& criteria = state->Criteria;
    criteria.TargetTime[2] = 45;
    criteria.ClearCount[2] = 5;
    criteria.ClearPoints[2] = 100;
    criteria.PointMultiplier[2] = 1.5f;
    criteria.JudgeDays[2] = 7;
    EXPECT_EQ(criteriaText(criteria, 2), u"目標=45秒 5回/100点(×1.5)"_s);
    criteria.PointMultiplier[2] = 1;
    EXPECT_EQ(criteriaText(criteria, 2), u"目標=45秒 5回/100点(×1)"_s);
    criteria.ClearPoints[2] = 9999;
    EXPECT_EQ(criteriaText(criteria, 2), u"目標=45秒 --------"_s);

    state->Tallies(2, 8) = {.RunCount = 12, .TotalPoints = 80, .JudgeRunCount = 3, .JudgePoints = 25,
                            .TodayRunCount = 2, .TodayPoints = 15};
    EXPECT_EQ(judgingWindowText(*state, 2, 8), u"最近7日=3回 / 25点"_s);
    EXPECT_EQ(todayTalliesText(state->Tallies(2, 8)), u"2回/15点"_s);
    EXPECT_EQ(soFarTalliesText(state->Tallies(2, 8)), u"12回/80点"_s);
    EXPECT_EQ(todayTalliesText(StudentTallies{.RunCount = 4}), u"-----"_s);
    EXPECT_EQ(soFarTalliesText(StudentTallies{}), u"------"_s);
}

TEST(LevelColumns, MenuKeysStartOnlyLevelsThatExist)
{
    const struct {
        const char16_t* key;
        int levels;
        int level;
    } cases[] = {{u"1", 5, 1}, {u"5", 5, 5}, {u"6", 5, 0}, {u"9", 13, 9}, {u"a", 5, 0}, {u"a", 13, 10},
                 {u"d", 13, 13}, {u"e", 13, 0}, {u"A", 13, 0}, {u"0", 5, 0}, {u"", 5, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(levelOfKey(QString::fromUtf16(c.key), c.levels), c.level)
            << QString::fromUtf16(c.key).toStdString() << " with " << c.levels;
}

class LevelLockRules : public ::testing::Test {
protected:
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    static constexpr int kStudent = 7;

    void SetUp() override
    {
        fillLevelCatalogue(*state);
        state->AllLevelsOpen = true;
        state->CurrentStudentNo = kStudent;
        state->CurrentStudentName = u"山田　花子"_s.leftJustified(20);
        for (int level = 1; level <= 5; ++level) {
            state->Criteria.ClearPoints[level] = 100;
            state->Criteria.ClearCount[level] = 3;
            state->Criteria.LimitCount[level] = 10;
        }
    }
    void overdo(int level) { state->Tallies(level, kStudent).LimitRunCount = 10; }
    void clear(int level) { state->Tallies(level, kStudent) = {.JudgeRunCount = 3, .JudgePoints = 100}; }

    // "E" enabled, "L" locked with the notice, "-" closed.
    std::string buttons() const
    {
        std::string shown;
        const LevelLocks locks = levelLocks(*state);
        for (int level = 1; level <= state->LevelCount; ++level)
            shown += locks.buttons[level].overdoingNotice ? 'L' : locks.buttons[level].enabled ? 'E' : '-';
        return shown;
    }
};

TEST_F(LevelLockRules, AllLevelsOpenAndOnlyOverdoingLocks)
{
    EXPECT_EQ(buttons(), "EEEEE");
    overdo(2);
    EXPECT_EQ(buttons(), "ELEEE");
    overdo(5); // the last level is never locked
    EXPECT_EQ(buttons(), "ELEEE");
    clear(5); // the final level cleared lifts every lock
    EXPECT_TRUE(levelLocks(*state).finalLevelCleared);
    EXPECT_EQ(buttons(), "EEEEE");
}

TEST_F(LevelLockRules, ALimitOfZeroNeverLocks)
{
    state->Criteria.LimitCount[3] = 0;
    state->Tallies(3, kStudent).LimitRunCount = 50;
    EXPECT_EQ(buttons(), "EEEEE");
}

TEST_F(LevelLockRules, WithoutAllLevelsOpenALevelOpensTheNextWhenCleared)
{
    state->AllLevelsOpen = false;
    EXPECT_EQ(buttons(), "E----");
    clear(1);
    EXPECT_EQ(buttons(), "EE---");
    state->Criteria.ClearPoints[4] = 9999; // no clear condition: level 3 opens it
    clear(2);
    EXPECT_EQ(buttons(), "EEEE-");
    overdo(2); // locked, and it still opens level 3
    EXPECT_EQ(buttons(), "ELEE-");

    // Only a name that is exactly "先生" between half-width spaces.
    const std::pair<QString, const char*> names[] = {
        {u"先生"_s.leftJustified(20), "ELEEE"}, {u"  先生 "_s, "ELEEE"}, {u"山本先生"_s, "ELEE-"}, {u"　先生　"_s, "ELEE-"}};
    for (const auto& [name, shown] : names) {
        state->CurrentStudentName = name;
        EXPECT_EQ(buttons(), shown) << '"' << name.toStdString() << '"';
    }
}
} // namespace
