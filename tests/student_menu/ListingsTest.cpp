// The level lists of the student menu: rankings, today's, period and
// individual run lists, and the colour of a list.
#include "student_menu/Listings.h"

#include "roster/Roster.h"

#include <gtest/gtest.h>

#include <memory>
#include <set>

using namespace Qt::StringLiterals;

namespace {
const QString F = u"　"_s; // a full-width space

TEST(GradeMarkAndFilter, MarksEveryGradeAndFiltersByTheClassBox)
{
    const struct {
        int grade;
        const char16_t* mark;
    } marks[] = {{-1, u"　"}, {0, u"　"}, {1, u"①"}, {4, u"④"}, {6, u"⑥"},
                 {7, u"Ⅰ"},  {9, u"Ⅲ"},  {10, u"　"}};
    for (const auto& m : marks)
        EXPECT_EQ(GradeMark(m.grade), QString::fromUtf16(m.mark)) << m.grade;

    const std::set<int> all = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    const struct {
        QString classText;
        std::set<int> passing;
    } filters[] = {
        {u"全学年"_s, all},
        {u"家族"_s, all},
        {u"小学生全体"_s, {1, 2, 3, 4, 5, 6}},
        {u"中学生全体"_s, {7, 8, 9}},
        {u"小１"_s, {1}},
        {u"小６"_s, {6}},
        {u"中１"_s, {7}},
        {u"中３"_s, {9}},
        {u"小1"_s, {}}, // half-width digit: not an item of the box
        {u"クラスA"_s, {}},
        {QString(), {}},
    };
    for (const auto& f : filters)
        for (const int grade : all)
            EXPECT_EQ(GradeFilterPasses(f.classText, grade), f.passing.count(grade) == 1)
                << f.classText.toStdString() << " grade " << grade;
}

TEST(ListRunPoints, RunPointsWithoutMultiplierAndNoneForFailedRuns)
{
    const struct {
        int seconds, target, points;
    } cases[] = {
        {45, 60, 5}, {30, 60, 11}, {60, 60, 5}, {61, 60, 4}, {120, 60, 1}, {600, 60, 0},
        // A failed run earns nothing even where its time would.
        {99998, 200000, 0}, {99999, 200000, 0}, {99997, 200000, 54},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ListRunPoints(c.seconds, c.target), c.points) << c.seconds << " of " << c.target;
}

TEST(PeriodDays, TheWeekStartsOnMonday)
{
    const struct {
        int choice, dayOfWeek, days;
    } cases[] = {
        {1, 1, 1}, {1, 3, 3}, {1, 6, 6}, {1, 7, 7}, {2, 1, 8}, {2, 6, 13}, {2, 7, 14},
        {3, 1, 30}, {3, 7, 30}, {4, 4, 365}, {5, 2, 3650},
    };
    for (const auto& c : cases)
        EXPECT_EQ(PeriodDays(c.choice, c.dayOfWeek), c.days) << c.choice << " on " << c.dayOfWeek;
}

class Listings : public ::testing::Test {
protected:
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    QString classText = u"全学年"_s;
    QDate today{2024, 5, 13}; // a Monday

    void SetUp() override
    {
        state->SchoolYear = 2024;
        state->Criteria.TargetTime[1] = 60;
        state->Criteria.MinimumTime[1] = 120;
        state->Criteria.TargetTime[2] = 300;
        state->Criteria.MinimumTime[2] = 600;
        state->CurrentStudentNo = 13;
        // Roster order differs from number order, so that ties show which one is kept.
        student(13, u"加藤　凛"_s, 7);
        student(12, u"小林"_s, 2);
        student(11, u"井上　大和"_s, 2);
        student(14, u"長谷川あいうえお"_s, 3);
        student(16, u"前田"_s, 1);
        student(15, u"石川"_s, 0);
    }

    void student(int no, const QString& name, int grade)
    {
        state->RosterNumbers.push_back(no);
        state->StudentNames[no] = name.leftJustified(20);
        state->StudentBirthYears[no] = state->SchoolYear - grade - 6;
    }

    ListingInputs inputs() const { return {*state, classText, 5, today}; }

    static LoadedResult run(const QDate& date, const QTime& time, int student, int level, int seconds)
    {
        return {entryDateOf(date), entryTimeOf(time), static_cast<std::int16_t>(student),
                static_cast<std::int16_t>(level), seconds};
    }

    // The line today's list gives one run of level 1.
    QString todayLine(int seconds)
    {
        const LevelLines lines = todayListLines(inputs(), {run(today, QTime(9, 0), 12, 1, seconds)});
        return lines.at(1).at(0);
    }
};

TEST_F(Listings, TimeRankingSharesRanksKeepsRosterOrderAndPutsFailedThenAbsentLast)
{
    state->BestTime(1, 11) = 50;
    state->BestTime(1, 12) = 40;
    state->BestTime(1, 13) = 50;
    state->BestTime(1, 14) = 60;
    state->BestTime(1, 15) = kOnlyFailedRuns; // 16 has no run
    state->BestTime(2, 12) = 10;              // another level does not count

    EXPECT_EQ(timeRankingLines(inputs(), 1), QStringList({
                                                 u"1②小林"_s + F + F + F + u"    40 "_s + F,
                                                 u"2●加藤　凛"_s + F + u"    50 ●"_s,
                                                 u"2②井上　大和    50 "_s + F,
                                                 u"4③長谷川あい    60 "_s + F,
                                                 u"5"_s + F + u"石川"_s + F + F + F + u"*失敗* "_s + F,
                                                 u"--①前田"_s + F + F + F + u"------ "_s + F,
                                             }));
}

TEST_F(Listings, FilteredRankingKeepsPositionsAmongTheWholeRoster)
{
    state->RosterNumbers.clear();
    const std::set<int> secondGraders = {1, 4, 9, 101};
    for (int position = 1; position <= 101; ++position) {
        const int no = 100 + position;
        student(no, u"生徒"_s, secondGraders.count(position) ? 2 : 3);
        state->BestTime(1, no) = 100 + position;
    }
    classText = u"小２"_s;
    const QStringList lines = timeRankingLines(inputs(), 1);
    ASSERT_EQ(lines.size(), 4);
    EXPECT_TRUE(lines[0].startsWith(u"1②生徒"_s)) << lines[0].toStdString();
    EXPECT_TRUE(lines[1].startsWith(u"4②生徒"_s)) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].startsWith(u"9②生徒"_s)) << lines[2].toStdString();
    EXPECT_TRUE(lines[3].startsWith(u"01②生徒"_s)) << lines[3].toStdString(); // the last two digits of 101

    classText = u"その他"_s;
    EXPECT_TRUE(timeRankingLines(inputs(), 1).isEmpty());
}

TEST_F(Listings, PointsRankingByTotalOrByTodayDroppingThoseWithoutPointsToday)
{
    const auto points = [&](int no, int total, int todayPoints) {
        state->Tallies(1, no).TotalPoints = total;
        state->Tallies(1, no).TodayPoints = todayPoints;
    };
    points(11, 120, 5);
    points(12, 300, 0);
    points(13, 120, 9);
    points(14, 1500, 3);
    points(16, 50, 4); // 15 has no points at all

    // Equal totals share the rank; today's points order them.
    EXPECT_EQ(pointsRankingLines(inputs(), 1, 1), QStringList({
                                                      u"1③長谷川あい  3/ 1500"_s,
                                                      u"2②小林"_s + F + F + F + u"  0/  300"_s,
                                                      u"3●加藤　凛"_s + F + u"  9/  120"_s,
                                                      u"3②井上　大和  5/  120"_s,
                                                      u"5①前田"_s + F + F + F + u"  4/   50"_s,
                                                      u"6"_s + F + u"石川"_s + F + F + F + u"  0/    0"_s,
                                                  }));
    // By today's points: a large total never lifts fewer points today
    // above more (1500 in total with 3 today stays below 4 today).
    EXPECT_EQ(pointsRankingLines(inputs(), 1, 2), QStringList({
                                                      u"1●加藤　凛"_s + F + u"  9/  120"_s,
                                                      u"2②井上　大和  5/  120"_s,
                                                      u"3①前田"_s + F + F + F + u"  4/   50"_s,
                                                      u"4③長谷川あい  3/ 1500"_s,
                                                  }));
    EXPECT_EQ(pointsRankingLines(inputs(), 1, 0), pointsRankingLines(inputs(), 1, 1));
}

TEST_F(Listings, TodayListShowsTodaysRunsOfListedLevels)
{
    const QDate yesterday = today.addDays(-1);
    const std::vector<LoadedResult> records = {
        run(today, QTime(9, 5, 30), 12, 1, 45),
        run(today, QTime(10, 0), 12, 1, 99999),
        run(yesterday, QTime(9, 0), 12, 1, 50),
        run(today, QTime(11, 0), 13, 6, 50), // no column for level 6
        run(today, QTime(11, 0), 13, 0, 50),
        run(today, QTime(23, 59, 59), 0, 2, 1234), // no student: no name
        run(today, QTime(12, 0), 13, 1, 120),
    };
    const LevelLines lines = todayListLines(inputs(), records);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[1], QStringList({
                            u"  45秒 09:05②小林"_s + F + F + F + u"②5"_s,
                            F + F + u"× 10:00②小林"_s + F + F + F + u"②"_s,
                            u" 120秒 12:00●加藤　凛"_s + F + u"●1"_s,
                        }));
    EXPECT_EQ(lines[2], QStringList({u"1234秒 23:59"_s + F + F + F + F + F + F + u"1"_s}));
    for (const std::size_t level : {0u, 3u, 4u, 5u})
        EXPECT_TRUE(lines[level].isEmpty()) << level;

    classText = u"小２"_s;
    const LevelLines secondGrade = todayListLines(inputs(), records);
    EXPECT_EQ(secondGrade[1].size(), 2);
    EXPECT_TRUE(secondGrade[2].isEmpty());
}

TEST_F(Listings, PeriodListOfThisWeekFromMondayAndFromSunday)
{
    const QDate monday = today;
    const QDate sunday = monday.addDays(6);
    ASSERT_EQ(sunday.dayOfWeek(), 7);
    const std::vector<LoadedResult> records = {
        run(monday.addDays(-1), QTime(9, 0), 12, 1, 45), // the Sunday before
        run(monday, QTime(9, 0), 12, 1, 45),
        run(monday, QTime(9, 0), 12, 1, 99999),
        run(monday, QTime(9, 0), 12, 6, 45), // no column for level 6
        run(sunday, QTime(9, 0), 13, 2, 1234),
    };

    const LevelLines onMonday = periodListLines(inputs(), records, PeriodDays(1, monday.dayOfWeek()), 1);
    EXPECT_EQ(onMonday[1], QStringList({
                               u"  45秒 05/13②小林"_s + F + F + F + u"②5"_s,
                               F + F + u"× 05/13②小林"_s + F + F + F + u"②"_s,
                           }));

    today = sunday;
    const LevelLines onSunday = periodListLines(inputs(), records, PeriodDays(1, sunday.dayOfWeek()), 2);
    EXPECT_EQ(onSunday[1], QStringList({
                               u"    5 05/13②小林"_s + F + F + F + u"②45秒"_s,
                               F + F + u"× 05/13②小林"_s + F + F + F + u"②"_s,
                           }));
    EXPECT_EQ(onSunday[2], QStringList({u"    1 05/19●加藤　凛"_s + F + u"●1234秒"_s}));
}

// Every line carries its own record's student and date, however the runs of
// students and days interleave, and a hidden student or a record without a
// date leaves the lines around it as they are.
TEST_F(Listings, PeriodListLinesFollowEachRecordThroughInterleavedStudentsAndDays)
{
    student(17, u"  松本"_s, 4); // leading half-width spaces are no part of the name
    classText = u"小学生全体"_s; // hides 13 (lower secondary) and 15 (no grade)
    const QDate saturday = today.addDays(-2), lastWeek = today.addDays(-9);
    LoadedResult noDate = run(saturday, QTime(9, 0), 12, 1, 45);
    noDate.EntryDate = 1e9;
    const std::vector<LoadedResult> records = {
        run(saturday, QTime(9, 0), 12, 1, 45),  run(saturday, QTime(9, 0), 13, 1, 45),
        run(saturday, QTime(9, 0), 14, 1, 61),  run(lastWeek, QTime(9, 0), 12, 1, 120),
        noDate,                                 run(saturday, QTime(9, 0), 17, 1, 30),
        run(saturday, QTime(9, 0), 15, 1, 45),  run(saturday, QTime(9, 0), 12, 2, 99999),
        run(today, QTime(9, 0), 11, 1, 600),    run(saturday, QTime(9, 0), 14, 1, 60),
    };
    const LevelLines lines = periodListLines(inputs(), records, 30, 1);
    EXPECT_EQ(lines[1], QStringList({
                            u"  45秒 05/11②小林"_s + F + F + F + u"②5"_s,
                            u"  61秒 05/11③長谷川あい③4"_s,
                            u" 120秒 05/04②小林"_s + F + F + F + u"②1"_s,
                            u"  30秒 05/11④松本"_s + F + F + F + u"④11"_s,
                            u" 600秒 05/13②井上　大和②0"_s,
                            u"  60秒 05/11③長谷川あい③5"_s,
                        }));
    EXPECT_EQ(lines[2], QStringList({F + F + u"× 05/11②小林"_s + F + F + F + u"②"_s}));
}

TEST_F(Listings, IndividualListHoldsOnlyTheCurrentStudentsRunsOfTenYears)
{
    const std::vector<LoadedResult> records = {
        run(today, QTime(9, 5, 30), 13, 1, 45),
        run(today, QTime(10, 0), 13, 2, 99999),
        run(today, QTime(10, 0), 12, 1, 45),                  // another student
        run(today.addDays(-3650), QTime(8, 0), 13, 1, 70),     // too old
        run(today.addDays(-3649), QTime(8, 0, 1), 13, 1, 1234),
        run(today, QTime(10, 0), 13, 6, 45),                  // no column for level 6
    };
    const LevelLines lines = individualListLines(inputs(), records);
    EXPECT_EQ(lines[1], QStringList({u"2024/05/13 9:05:30  45秒"_s,
                                     today.addDays(-3649).toString(u"yyyy/MM/dd"_s) + u" 8:00:011234秒"_s}));
    EXPECT_EQ(lines[2], QStringList({u"2024/05/13 10:00:00"_s + F + F + u"×"_s}));

    classText = u"小２"_s; // the current student is in the first year of lower secondary
    for (const QStringList& level : individualListLines(inputs(), records))
        EXPECT_TRUE(level.isEmpty());
}

TEST_F(Listings, ListColourFollowsTheLastTimedLine)
{
    const QString fast = todayLine(45), slow = todayLine(100), slower = todayLine(200),
                  timedOut = todayLine(99999), long1234 = todayLine(1234);
    const unsigned green = 0x00C000, lightGreen = 0xC0FFC0, grey = 0xC0C0C0;
    const struct {
        QStringList lines;
        std::optional<unsigned> colour;
    } cases[] = {
        {{fast}, green},
        {{fast, slow}, lightGreen},
        {{fast, slower}, grey},
        {{slower, fast}, green},
        {{fast, timedOut}, green},
        {{timedOut}, std::nullopt},
        {{}, std::nullopt},
        {{todayLine(60)}, green},
        {{todayLine(120)}, lightGreen},
    };
    for (const auto& c : cases)
        EXPECT_EQ(listColour(c.lines, 60, 120), c.colour) << c.lines.join(u'|').toStdString();

    // The colour reads the seconds field without its first character:
    // 1234 seconds colour as 234.
    EXPECT_EQ(listColour({long1234}, 300, 600), green);
    EXPECT_EQ(listColour({long1234}, 233, 600), lightGreen);
}
} // namespace
