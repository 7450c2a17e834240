// The roster file, the school-year and grade rules and the rows of the
// name list.
#include "roster/NameList.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString F = u"　"_s; // a full-width space

RosterEntry entry(int studentNo, int birthYear, const QString& name, int status = 0)
{
    return RosterEntry{studentNo, birthYear, 0, 0, name.leftJustified(20), status, QString(20, u' '),
                       QString(20, u' ')};
}

StudentFigures figures(int todayRuns, int todayPoints, int runs, int points)
{
    return StudentFigures{todayRuns, todayPoints, runs, points};
}

TEST(RosterFile, ReadsQuotedAndPlainFieldsAndSkipsLinesItCannotRead)
{
    const QString text =
        u"12,2014,0,0,\"井上　大和\",0,\"\",\"\"\r\n"
        u"  13 , 2015 ,1,2,  小林  ,2,メモ,\"a, b\"\r\n"
        u"\r\n"
        u"14,2014,0,0,\"あいうえおかきくけこさしすせそたちつてとなにぬ\",0,\"\",\"\"\r\n"
        u"15,2014,0,0,\"短い\",0,\"\"\r\n"            // too few fields
        u"16,2O14,0,0,\"名前\",0,\"\",\"\"\r\n"        // not a number
        u"5001,2014,0,0,\"名前\",0,\"\",\"\"\r\n"      // student number out of range
        u"17,999,0,0,\"名前\",0,\"\",\"\"\r\n"         // birth year without four digits
        u"18,10000,0,0,\"名前\",0,\"\",\"\"\r\n"
        u"0,2016,0,0,\"\",0,\"\",\"\""_s;               // no line end at the end
    const std::vector<RosterEntry> roster = parseRoster(text);
    ASSERT_EQ(roster.size(), 4u);
    EXPECT_EQ(roster[0].StudentNo, 12);
    EXPECT_EQ(roster[0].BirthYear, 2014);
    EXPECT_EQ(roster[0].Name, u"井上　大和"_s + QString(15, u' '));
    EXPECT_EQ(roster[1].StudentNo, 13);
    EXPECT_EQ(roster[1].Name, u"小林"_s.leftJustified(20));
    EXPECT_EQ(roster[1].Status, 2);
    EXPECT_EQ(roster[1].Note2, u"a, b"_s.leftJustified(20));
    EXPECT_EQ(roster[2].Name, u"あいうえおかきくけこさしすせそたちつてと"_s); // cut to 20
    EXPECT_EQ(roster[3].StudentNo, 0);
}

TEST(SchoolYearAndGrade, SchoolYearTurnsOnTheFirstDayOfTheStartMonth)
{
    EXPECT_EQ(SchoolYearOn(QDate(2022, 3, 31), 4), 2021);
    EXPECT_EQ(SchoolYearOn(QDate(2022, 4, 1), 4), 2022);
    EXPECT_EQ(SchoolYearOn(QDate(2022, 1, 10), 1), 2022);
    EXPECT_EQ(ShortGradeLabel(GradeNumber(2021, 2014)), u"小1"_s);
    EXPECT_EQ(ShortGradeLabel(GradeNumber(2022, 2014)), u"小2"_s);
}

TEST(SchoolYearAndGrade, LabelsAndNamesOverTheWholeRange)
{
    const struct {
        int grade;
        const char16_t* shortLabel;
        const char16_t* fullName; // nullptr: none
    } cases[] = {
        {-5, u"幼-", nullptr}, {-3, u"幼-", nullptr}, {-2, u"幼1", nullptr}, {-1, u"幼2", nullptr},
        {0, u"幼3", u"幼３"},  {1, u"小1", u"小１"},  {6, u"小6", u"小６"},  {7, u"中1", u"中１"},
        {9, u"中3", u"中３"},  {10, u"高1", u"高１"}, {11, u"高2", nullptr}, {12, u"高3", nullptr},
        {13, u"大+", nullptr}, {15, u"大+", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.grade);
        EXPECT_EQ(ShortGradeLabel(c.grade), QString::fromUtf16(c.shortLabel));
        const auto full = fullGradeName(c.grade);
        EXPECT_EQ(full, c.fullName ? std::optional(QString::fromUtf16(c.fullName)) : std::nullopt);
    }
}

TEST(NameListRow, LaysOutLabelNameFillerAndFigures)
{
    const struct {
        int grade;
        const char16_t* name;
        StudentFigures figures;
        int option;
        QString row;
    } cases[] = {
        // Points: 12 today, 345 so far.
        {3, u"井上", figures(0, 12, 0, 345), 1, u"小3 井上"_s + F + F + F + F + u"  12/    345"_s},
        // Runs: none today, 7 so far.
        {3, u"井上", figures(0, 0, 7, 0), 0, u"小3 井上"_s + F + F + F + F + u"     /    7回"_s},
        // A kindergarten row is wider except under the points option.
        {0, u"石川", figures(0, 0, 7, 0), 0, u"幼3 石川"_s + QString(6, F[0]) + u"     /    7回"_s},
        {0, u"石川", figures(0, 0, 0, 0), 1, u"幼3 石川"_s + QString(4, F[0]) + u"  "_s + F + u"/       "_s},
        // Today's points and runs; points and runs so far; zeros as blanks.
        {5, u"加藤　凛", figures(3, 0, 0, 0), 2, u"小5 加藤　凛"_s + F + F + u"  "_s + F + u"/  3回"_s},
        {5, u"加藤　凛", figures(0, 0, 0, 0), 3, u"小5 加藤　凛"_s + F + F + u"       /     "_s + F},
        // Figures wider than their columns lose their leading digits.
        {3, u"井上", figures(1234, 12345, 1234567, 12345678), 0,
         u"小3 井上"_s + F + F + F + F + u"234回/34567回"_s},
        {3, u"井上", figures(1234, 12345, 1234567, 12345678), 1,
         u"小3 井上"_s + F + F + F + F + u"2345/2345678"_s},
        // A name too long for its column: no filler, nothing cut.
        {3, u"長谷川あいうえお", figures(0, 5, 0, 5), 1, u"小3 長谷川あいうえお   5/      5"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.row.toStdString());
        EXPECT_EQ(nameListRow(c.grade, QString::fromUtf16(c.name).leftJustified(20), c.figures, c.option), c.row);
    }
}

TEST(NameListRow, FiguresSumTheTalliesOfAllLevels)
{
    auto state = std::make_unique<SharedState>();
    state->Tallies(1, 7) = {.RunCount = 4, .TotalPoints = 40, .TodayRunCount = 1, .TodayPoints = 10};
    state->Tallies(35, 7) = {.RunCount = 2, .TotalPoints = 5, .TodayRunCount = 2, .TodayPoints = 5};
    state->Tallies(1, 8) = {.RunCount = 9, .TotalPoints = 90};
    const StudentFigures sums = studentFigures(*state, 7);
    EXPECT_EQ(sums.TodayRuns, 3);
    EXPECT_EQ(sums.TodayPoints, 15);
    EXPECT_EQ(sums.Runs, 6);
    EXPECT_EQ(sums.Points, 45);
}

class NameListBuild : public ::testing::Test {
protected:
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    void SetUp() override { state->SchoolYear = 2022; }
    QStringList rows(const std::vector<RosterEntry>& roster, const QString& classText = u"全学年"_s,
                     int option = 1, bool listStatus2 = false)
    {
        return buildNameList(*state, roster, option, classText, listStatus2).rows;
    }
};

TEST_F(NameListBuild, ListsStatusZeroAndStatusTwoUnderTheSwitchButEntersEveryLine)
{
    const std::vector<RosterEntry> roster = {entry(1, 2013, u"一郎"_s, 0), entry(2, 2013, u"二郎"_s, 1),
                                             entry(3, 2013, u"三郎"_s, 2), entry(4, 2013, u"四郎"_s, 3),
                                             entry(5, 2013, u"五郎"_s, -1)};
    EXPECT_EQ(rows(roster).size(), 2);
    EXPECT_EQ(state->RosterNumbers, std::vector<int>({1}));
    EXPECT_EQ(state->StudentNames[2], u"二郎"_s.leftJustified(20));
    EXPECT_EQ(state->StudentGrades[5], u"小３"_s);
    EXPECT_EQ(state->StudentBirthYears[4], 2013);

    const QStringList withSwitch = rows(roster, u"全学年"_s, 1, true);
    EXPECT_EQ(withSwitch.size(), 3);
    EXPECT_EQ(state->RosterNumbers, std::vector<int>({1, 3}));
}

TEST_F(NameListBuild, GradesWithoutAFullNameKeepTheEarlierOne)
{
    state->StudentGrades[1] = u"前"_s;
    state->StudentGrades[2] = u"前"_s;
    rows({entry(1, 2022 - 11 - 6, u"高二"_s), entry(2, 2022 + 5 - 6, u"幼い"_s)});
    EXPECT_EQ(state->StudentGrades[1], u"前"_s);
    EXPECT_EQ(state->StudentGrades[2], u"前"_s);
}

TEST_F(NameListBuild, YoungestFirstThenByTheRestOfTheRowDescending)
{
    const QStringList list = rows({entry(1, 2013, u"あ"_s), entry(2, 2016, u"幼"_s), entry(3, 2015, u"一"_s),
                                   entry(4, 2013, u"い"_s), entry(5, 2007, u"中"_s)});
    ASSERT_EQ(list.size(), 6);
    EXPECT_EQ(list[0], kNameListHeader);
    EXPECT_TRUE(list[1].startsWith(u"幼3 幼"_s));
    EXPECT_TRUE(list[2].startsWith(u"小1 一"_s));
    EXPECT_TRUE(list[3].startsWith(u"小3 い"_s));
    EXPECT_TRUE(list[4].startsWith(u"小3 あ"_s));
    EXPECT_TRUE(list[5].startsWith(u"中3 中"_s));
}

TEST_F(NameListBuild, TailsCarryTheStudentNumberOfTheirRow)
{
    const NameList list = buildNameList(*state, {entry(42, 2013, u"同じ"_s), entry(42, 2012, u"同じ"_s)}, 1,
                                        u"全学年"_s, false);
    ASSERT_EQ(list.rows.size(), 3); // both lines of the same number are listed
    EXPECT_EQ(list.tails[0], QString());
    for (int row = 1; row < list.rows.size(); ++row) {
        EXPECT_EQ(list.tails[row], list.rows[row] + u"*42"_s);
        EXPECT_EQ(studentNoOfTail(list.tails[row]), 42);
    }
    EXPECT_EQ(state->StudentBirthYears[42], 2012); // the later line's values
    EXPECT_EQ(studentNoOfTail(QString()), -1);
}

TEST_F(NameListBuild, TheClassBoxNarrowsTheList)
{
    const std::vector<RosterEntry> primary = {entry(1, 2022 - 1 - 6, u"一"_s), entry(2, 2022 - 2 - 6, u"二"_s),
                                              entry(3, 2022 - 2 - 6, u"三"_s), entry(4, 2022 - 6 - 6, u"六"_s)};
    EXPECT_EQ(rows(primary, u"中学生全体"_s), QStringList{kNameListHeader});
    EXPECT_EQ(rows(primary, u"小学生全体"_s).size(), 5);
    const QStringList second = rows(primary, u"小２"_s);
    ASSERT_EQ(second.size(), 3);
    EXPECT_TRUE(second[1].startsWith(u"小2 "_s));
    EXPECT_TRUE(second[2].startsWith(u"小2 "_s));
    EXPECT_EQ(rows(primary, u"小６"_s).size(), 2);
    EXPECT_EQ(rows({entry(7, 2022 - 8 - 6, u"中二"_s)}, u"中２"_s).size(), 2);
    EXPECT_EQ(rows(primary, u"その他"_s), QStringList{kNameListHeader});
}

TEST_F(NameListBuild, AnUnknownDisplayOptionListsNoStudentButCountsTheRoster)
{
    EXPECT_EQ(rows({entry(1, 2013, u"一"_s)}, u"全学年"_s, 4), QStringList{kNameListHeader});
    EXPECT_EQ(state->RosterNumbers.size(), 1u);
}

TEST_F(NameListBuild, NoMoreThan5000LinesAreListed)
{
    std::vector<RosterEntry> roster;
    for (int i = 0; i < 5003; ++i)
        roster.push_back(entry(i % 5001, 2013, u"名"_s));
    EXPECT_EQ(rows(roster).size(), 5001);
    EXPECT_EQ(state->RosterNumbers.size(), 5000u);
}

TEST(NameListLabels, SelectionShowsTenCharactersAndADoubleClickAllBeforeTheSlash)
{
    const QString narrowFigure = u"小3 井上"_s + F + F + F + F + u"  12/    345"_s;
    const QString wideFigure = u"小3 井上"_s + F + F + F + F + u"1234/    345"_s;
    EXPECT_EQ(selectedRowLabel(narrowFigure), u"小3 井上"_s + F + F + F + F);
    EXPECT_EQ(selectedRowLabel(wideFigure), u"小3 井上"_s + F + F + F + F + u"1"_s);
    EXPECT_EQ(doubleClickedRowLabel(narrowFigure), u"小3 井上"_s + F + F + F + F + u"  12"_s);
    EXPECT_EQ(doubleClickedRowLabel(wideFigure), u"小3 井上"_s + F + F + F + F + u"1234"_s);
}
} // namespace
