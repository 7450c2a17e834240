// The result graphs as lists of lines, dots and texts: the trail of new
// bests, the scale, the side panel, the dates and the pages.
#include "student_menu/GraphDrawing.h"

#include "support/QStringPrinter.h"

#include <gtest/gtest.h>

#include <memory>

using namespace Qt::StringLiterals;

namespace {
const QString F = u"　"_s; // a full-width space

// A surface whose graph units are round: W/2 = 10000 and a third of the
// height = 10000, so the first graph's top is at 1500.
constexpr double kWidth = 20000;
constexpr double kHeight = 30000;
constexpr double kUnit = 10000;
constexpr double kFirstTop = 1500;

class GraphDrawing : public ::testing::Test {
protected:
    std::unique_ptr<SharedState> state = std::make_unique<SharedState>();
    QString classText = u"全学年"_s;
    QDate today{2024, 5, 13};
    std::vector<LoadedResult> records;
    std::vector<int> levelLines = {1};

    void SetUp() override
    {
        state->SchoolYear = 2024;
        state->LevelCount = 5;
        state->ProgramTitle = u"ミナモドリル"_s;
        for (int level = 1; level <= 5; ++level)
            state->LevelNames[level] = u"たし算%1"_s.arg(level);
        student(21, u"山田　花子"_s, 3);
        student(22, u"佐藤"_s, 3);
        student(23, u"鈴木　一郎"_s, 5);
    }

    void student(int no, const QString& name, int grade)
    {
        state->RosterNumbers.push_back(no);
        state->StudentNames[no] = name.leftJustified(20);
        state->StudentBirthYears[no] = state->SchoolYear - grade - 6;
    }

    // Runs of one student on one level, a day apart, ending yesterday.
    void runs(int student, int level, std::initializer_list<int> seconds)
    {
        QDate date = today.addDays(-static_cast<int>(seconds.size()));
        for (const int s : seconds) {
            records.push_back({entryDateOf(date), 0.5, static_cast<std::int16_t>(student),
                               static_cast<std::int16_t>(level), s});
            date = date.addDays(1);
        }
    }

    std::vector<GraphPage> pages(int student = 21, bool paper = false)
    {
        const ListingInputs inputs{*state, classText, state->LevelCount, today};
        const GraphRequest request{inputs, records, student, 1, levelLines};
        return graphPages(request, paper ? paperSurface(kWidth, kHeight) : screenSurface(kWidth, kHeight, 6));
    }

    static std::vector<GraphDot> dots(const GraphPage& page)
    {
        std::vector<GraphDot> found;
        for (const GraphItem& item : page)
            if (const auto* dot = std::get_if<GraphDot>(&item))
                found.push_back(*dot);
        return found;
    }
    static std::vector<GraphText> texts(const GraphPage& page)
    {
        std::vector<GraphText> found;
        for (const GraphItem& item : page)
            if (const auto* text = std::get_if<GraphText>(&item))
                found.push_back(*text);
        return found;
    }
    static QStringList textsOf(const GraphPage& page)
    {
        QStringList found;
        for (const GraphText& text : texts(page))
            found << text.text;
        return found;
    }
    // The side panel's text starting with `head`; empty when there is none.
    static QString row(const GraphPage& page, const QString& head)
    {
        for (const QString& text : textsOf(page))
            if (text.startsWith(head))
                return text;
        return {};
    }
    static const GraphText* textAt(const GraphPage& page, const QString& content)
    {
        for (const GraphItem& item : page)
            if (const auto* text = std::get_if<GraphText>(&item); text && text->text == content)
                return text;
        return nullptr;
    }
};

TEST_F(GraphDrawing, NewBestsFormTheRedTrailOtherRunsAreBlueOnTheScaleOfTheLargestTime)
{
    runs(21, 1, {50, 45, 47, 40});
    runs(22, 1, {30}); // another student's run is not plotted
    const GraphPage page = pages().at(0);

    const std::vector<GraphDot> plotted = dots(page);
    ASSERT_EQ(plotted.size(), 4u);
    const struct {
        int seconds;
        unsigned colour;
    } expected[] = {{50, kGraphRed}, {45, kGraphRed}, {47, kGraphBlue}, {40, kGraphRed}};
    for (std::size_t k = 0; k < 4; ++k) {
        SCOPED_TRACE(expected[k].seconds);
        EXPECT_EQ(plotted[k].colour, expected[k].colour);
        EXPECT_EQ(plotted[k].width, 5);
        EXPECT_NEAR(plotted[k].at.x(), kUnit * (0.2 + 0.7 * (k + 1) / 4), 1e-6);
        EXPECT_NEAR(plotted[k].at.y(), kFirstTop + kUnit * (0.8 - 0.7 * expected[k].seconds / 60.0), 1e-6);
    }
    // The scale: 60 seconds at the top of the axis, 0 at its foot.
    const GraphText* top = textAt(page, u"60秒"_s);
    ASSERT_NE(top, nullptr);
    EXPECT_NEAR(top->at.y(), kFirstTop + 0.1 * kUnit, 1e-6);
    EXPECT_NE(textAt(page, u"0秒"_s), nullptr);

    // The trail joins 50, 45 and 40 with red lines.
    int trailLines = 0;
    for (const GraphItem& item : page)
        if (const auto* line = std::get_if<GraphLine>(&item); line && line->colour == kGraphRed) {
            ++trailLines;
            EXPECT_EQ(line->width, 3);
        }
    EXPECT_EQ(trailLines, 2);

    EXPECT_EQ(row(page, u"回数"_s), u"回数"_s + F.repeated(7) + u"  4回"_s);
    EXPECT_EQ(row(page, F + F + u"最高"_s), F + F + u"最高"_s + F.repeated(4) + u"   40秒 /   30秒"_s);
    // Own average 45.5 keeps its whole part; the school's 42.4 is rounded.
    EXPECT_EQ(row(page, F + F + u"平均"_s), F + F + u"平均"_s + F.repeated(4) + u"   45秒 /   42秒"_s);
}

TEST_F(GraphDrawing, TheScaleStopsAt1000AndRunsOf1800SecondsOrMoreAreLeftOut)
{
    const struct {
        std::initializer_list<int> seconds;
        QString scale;
        int plotted;
        QString count;
        QString average;
    } cases[] = {
        {{995, 300}, u"1000秒"_s, 2, u"  2回"_s, u"  647秒"_s},
        {{1200, 300}, u"1000秒"_s, 2, u"  2回"_s, u"  750秒"_s},
        {{1799, 1800, 2500, 99999, 50}, u"1000秒"_s, 2, u"  2回"_s, u"  924秒"_s},
        {{1800, 2500, 99999, 50}, u"60秒"_s, 1, u"  1回"_s, u"   50秒"_s},
        {{9}, u"10秒"_s, 1, u"  1回"_s, u"    9秒"_s},
        {{10}, u"20秒"_s, 1, u"  1回"_s, u"   10秒"_s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.scale.toStdString() + " " + std::to_string(*c.seconds.begin()));
        records.clear();
        runs(21, 1, c.seconds);
        const GraphPage page = pages().at(0);
        EXPECT_NE(textAt(page, c.scale), nullptr);
        EXPECT_EQ(static_cast<int>(dots(page).size()), c.plotted);
        EXPECT_TRUE(row(page, u"回数"_s).endsWith(c.count)) << row(page, u"回数"_s).toStdString();
        EXPECT_TRUE(row(page, F + F + u"平均"_s).contains(c.average + u" /"_s))
            << row(page, F + F + u"平均"_s).toStdString();
    }
    // A time above the scale lies above the plot area.
    records.clear();
    runs(21, 1, {1200, 300});
    EXPECT_LT(dots(pages().at(0)).at(0).at.y(), kFirstTop + 0.1 * kUnit);
}

TEST_F(GraphDrawing, WithoutCountedRunsThePlotIsEmptyAndHasNoAverageRow)
{
    runs(21, 1, {1800, 99999});
    runs(22, 1, {60});
    const GraphPage page = pages().at(0);
    EXPECT_TRUE(dots(page).empty());
    EXPECT_EQ(row(page, u"回数"_s), u"回数"_s + F.repeated(7) + u"   回"_s);
    EXPECT_TRUE(row(page, F + F + u"平均"_s).isEmpty());
    EXPECT_EQ(row(page, F + F + u"最高"_s), F + F + u"最高"_s + F.repeated(4) + u"       /   60秒"_s);
    // No trail: neither its labels nor the scale's.
    EXPECT_EQ(textAt(page, u"0秒"_s), nullptr);
    EXPECT_EQ(textAt(page, u"10秒"_s), nullptr);
    // The frame, the caption and the axes are there all the same.
    EXPECT_NE(textAt(page, u"ミナモドリル たし算1"_s), nullptr);
}

TEST_F(GraphDrawing, AStudentTheClassBoxHidesGetsNoDotsButTheSidePanel)
{
    runs(21, 1, {50, 40});
    classText = u"小５"_s; // 21 is in the third grade
    const GraphPage page = pages().at(0);
    EXPECT_TRUE(dots(page).empty());
    EXPECT_EQ(row(page, u"回数"_s), u"回数"_s + F.repeated(7) + u"  2回"_s);
    EXPECT_EQ(row(page, F + F + u"平均"_s), F + F + u"平均"_s + F.repeated(4) + u"   45秒 /   45秒"_s);
    // Nor is the student listed in the school's rankings of that class.
    EXPECT_EQ(row(page, F + F + u"順位"_s), F + F + u"順位"_s + F.repeated(4) + u"     位"_s);
}

TEST_F(GraphDrawing, TheSidePanelComparesTheStudentWithTheSchool)
{
    // 23's name holds 21's surname: the rank is still 21's own.
    state->StudentNames[23] = u"山田　花子ちゃん"_s.leftJustified(20);
    state->BestTime(1, 21) = 40;
    state->BestTime(1, 22) = 30;
    state->BestTime(1, 23) = 35;
    state->Tallies(1, 21).TotalPoints = 120;
    state->Tallies(1, 22).TotalPoints = 301;
    runs(21, 1, {50, 40});
    runs(22, 1, {30});
    runs(23, 1, {35});

    const GraphPage page = pages().at(0);
    const double rowHeight = 0.08 * kUnit;
    const struct {
        int row;
        QString text;
    } expected[] = {
        {1, u"回数"_s + F.repeated(7) + u"  2回"_s},
        {2, u"タイム  　　 　    本人 / 塾全体"_s},
        {3, F + F + u"順位"_s + F.repeated(4) + u"    3位"_s},
        {4, F + F + u"最高"_s + F.repeated(4) + u"   40秒 /   30秒"_s},
        {5, F + F + u"平均"_s + F.repeated(4) + u"   45秒 /   39秒"_s},
        {6, u"ポイント  　　　"_s},
        {7, F + F + u"順位"_s + F.repeated(4) + u"    2位"_s},
        {8, F + F + u"獲得ポイント"_s + u"  120点"_s},
        // (301 + 120) / 2 = 210.5, rounded up.
        {9, F.repeated(12) + u"/  211点"_s},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.row);
        const GraphText* text = textAt(page, e.text);
        ASSERT_NE(text, nullptr) << row(page, e.text.left(4)).toStdString();
        EXPECT_NEAR(text->at.x(), 1.05 * kUnit, 1e-6);
        EXPECT_NEAR(text->at.y(), kFirstTop + 0.05 * kUnit + e.row * rowHeight, 1e-6);
        EXPECT_DOUBLE_EQ(text->fontSize, 9);
    }
    const GraphText* note = textAt(page, F.repeated(12) + u" (塾平均)"_s);
    ASSERT_NE(note, nullptr);
    EXPECT_NEAR(note->at.y(), kFirstTop + 0.05 * kUnit + 9.5 * rowHeight, 1e-6);

    // On paper the rows are closer and the caption is larger.
    const GraphPage paper = pages(21, true).at(0);
    EXPECT_NEAR(textAt(paper, u"ポイント  　　　"_s)->at.y(), kFirstTop + 0.05 * kUnit + 6 * 0.06 * kUnit, 1e-6);
    EXPECT_DOUBLE_EQ(textAt(paper, u"ミナモドリル たし算1"_s)->fontSize, 18);
    EXPECT_DOUBLE_EQ(textAt(page, u"ミナモドリル たし算1"_s)->fontSize, 12);
    EXPECT_EQ(dots(paper).at(0).width, 30);
}

TEST_F(GraphDrawing, WithoutAnyRunTheRanksShowDashesAndNoPointsRow)
{
    const GraphPage page = pages().at(0);
    EXPECT_EQ(row(page, F + F + u"順位"_s), F + F + u"順位"_s + F.repeated(4) + u"  ---位"_s);
    EXPECT_EQ(row(page, F + F + u"最高"_s), F + F + u"最高"_s + F.repeated(4) + u"       /99999秒"_s);
    EXPECT_EQ(row(page, F + F + u"獲得ポイント"_s), F + F + u"獲得ポイント     点"_s);
    EXPECT_TRUE(row(page, F.repeated(12) + u'/').isEmpty());
}

TEST_F(GraphDrawing, TrailDatesAreWholeWhenTheYearChangesAndLabelEveryThirdRow)
{
    // Eight new bests, one a day from 2023/12/30 on; then a slower run.
    const QDate first(2023, 12, 30);
    int seconds = 80;
    for (int day = 0; day < 8; ++day, seconds -= 5)
        records.push_back({entryDateOf(first.addDays(day)), 0.5, 21, 1, seconds});
    records.push_back({entryDateOf(QDate(2024, 2, 1)), 0.5, 21, 1, 70});
    records.push_back({entryDateOf(QDate(2024, 5, 12)), 0.5, 22, 1, 70}); // the file's last record
    const GraphPage page = pages().at(0);

    // Rows 1..8: 80 .. 45 seconds, dated 12/30 .. 01/06. Rows 1, 3, 6 and
    // the last are labelled; a date is whole where the year changed since
    // the row before.
    const QStringList labels = textsOf(page);
    for (const QString& label : {u"80秒"_s, u"2023/12/30"_s, u"70秒"_s, u"2024/01/01"_s, u"55秒"_s,
                                 u"01/04"_s, u"45秒"_s, u"01/06"_s})
        EXPECT_TRUE(labels.contains(label)) << label.toStdString();
    for (const QString& unlabelled : {u"75秒"_s, u"65秒"_s, u"60秒"_s, u"50秒"_s, u"12/31"_s, u"01/05"_s})
        EXPECT_FALSE(labels.contains(unlabelled)) << unlabelled.toStdString();

    // Under the last dot: the date of the student's last run, not of the file's last record.
    const GraphDot last = dots(page).back();
    const GraphText* date = textAt(page, u"2024/02/01"_s);
    ASSERT_NE(date, nullptr);
    EXPECT_NEAR(date->at.x(), last.at.x() - 0.025 * kUnit, 1e-6);
    EXPECT_NEAR(date->at.y(), kFirstTop + 0.815 * kUnit, 1e-6);
    EXPECT_FALSE(labels.contains(u"2024/05/12"_s));

    // The last row's time and date under its dot; the first row's time on the axis.
    const GraphText* lastTime = textAt(page, u"45秒"_s);
    const double lastY = kUnit * (0.8 - 0.7 * 45 / 90.0);
    EXPECT_NEAR(lastTime->at.y(), kFirstTop + lastY + 0.04 * kUnit, 1e-6);
    EXPECT_NEAR(textAt(page, u"01/06"_s)->at.y(), kFirstTop + lastY + 0.07 * kUnit, 1e-6);
    EXPECT_NEAR(textAt(page, u"80秒"_s)->at.x(), 0.12 * kUnit, 1e-6);
}

TEST_F(GraphDrawing, ThreeGraphsAPageAndTheFourthOnANewPage)
{
    levelLines = {1, 2, 3, 4};
    for (int level = 1; level <= 4; ++level)
        runs(21, level, {40 + level});
    const std::vector<GraphPage> drawn = pages();
    ASSERT_EQ(drawn.size(), 2u);

    const double tops[] = {0.05 * kHeight, 0.35 * kHeight, 0.65 * kHeight};
    for (int level = 1; level <= 3; ++level) {
        const GraphText* caption = textAt(drawn[0], u"ミナモドリル たし算%1"_s.arg(level));
        ASSERT_NE(caption, nullptr) << level;
        EXPECT_NEAR(caption->at.y(), tops[level - 1] + 0.01 * kUnit, 1e-6);
    }
    EXPECT_EQ(textAt(drawn[0], u"ミナモドリル たし算4"_s), nullptr);
    EXPECT_EQ(dots(drawn[1]).size(), 1u);
    EXPECT_NEAR(textAt(drawn[1], u"ミナモドリル たし算4"_s)->at.y(), tops[0] + 0.01 * kUnit, 1e-6);

    // The name heads each page, in three times the font size; the third
    // graph's dates end above the foot of the page.
    for (const GraphPage& page : drawn) {
        const GraphText* name = textAt(page, state->StudentNames[21]);
        ASSERT_NE(name, nullptr);
        EXPECT_DOUBLE_EQ(name->fontSize, 18);
    }
    for (const GraphText& text : texts(drawn[0]))
        EXPECT_LT(text.at.y(), kHeight - 0.03 * kHeight) << text.text.toStdString();

    // Only the levels of the list count; a line past the last level ends the run.
    levelLines = {5, 6, 2};
    EXPECT_EQ(pages().size(), 1u);
}

TEST(GraphStudentLines, ListedStudentsWithGradeNameAndNumber)
{
    auto state = std::make_unique<SharedState>();
    state->SchoolYear = 2024;
    state->StudentGrades[9] = u"高１"_s;
    const std::vector<RosterEntry> roster = {
        {5, 2024 - 9, 0, 0, u"山田　花子"_s.leftJustified(20), 0, {}, {}},
        {6, 2024 - 9, 0, 0, u"休会中"_s.leftJustified(20), 1, {}, {}},
        {9, 2024 - 30, 0, 0, u"★田中先生"_s.leftJustified(20), 0, {}, {}}, // no grade name: the table's
    };
    const QStringList lines = graphStudentLines(*state, roster);
    ASSERT_EQ(lines.size(), 2);
    EXPECT_EQ(lines[0], u"小３ /  "_s + u"山田　花子"_s.leftJustified(20) + u"/5"_s);
    EXPECT_EQ(lines[1], u"高１ /  "_s + u"★田中先生"_s.leftJustified(20) + u"/9"_s);
    EXPECT_EQ(graphStudentOfLine(lines[1]), 9);
    EXPECT_EQ(graphStudentOfLine(u"小３ /  名前/abc"_s), std::nullopt);
}
} // namespace
