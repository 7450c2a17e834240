// The student menu screen: its columns, what an activation shows, the
// keys and clicks that start a run or go back, the views and the locks.
#include "student_menu/seisekitime1.h"

#include "foundation/LevelCatalogue.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "results/ResultsFile.h"
#include "student_menu/GraphSurfaceView.h"
#include "student_menu/LevelColumns.h"
#include "platform/TextFile.h"
#include "roster/Roster.h"

#include "results/ResultsTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
constexpr int kStudent = 21;
constexpr int kClassmate = 22;
constexpr int kOlder = 18;

class StudentMenu : public ::testing::Test {
protected:
    ResultsTest test;
    int drillStarts = 0;
    int nameLists = 0;

    void SetUp() override
    {
        SharedState& state = test.state;
        fillLevelCatalogue(state);
        state.AllLevelsOpen = true;
        state.SchoolName = u"みなも塾"_s;
        state.SchoolYear = 2026;
        state.SelectedClass = u"全学年"_s;
        state.CurrentStudentNo = kStudent;
        state.CurrentStudentName = u"清水　心春"_s.leftJustified(20);
        state.CurrentStudentGrade = u"小２"_s;
        state.LoginTime = 36000 - 5 * 60; // signed in five minutes before 10:00
        for (const auto& [student, name, grade] :
             {std::tuple{kStudent, u"清水　心春"_s, 2}, {kClassmate, u"山崎　陸"_s, 2}, {kOlder, u"井上大和"_s, 3}}) {
            state.RosterNumbers.push_back(student);
            state.StudentNames[student] = name.leftJustified(20);
            state.StudentBirthYears[student] = 2026 - grade - 6;
        }
        for (int level = 1; level <= 5; ++level) {
            CriteriaTable& criteria = state.Criteria;
            criteria.TargetTime[level] = 60;
            criteria.MinimumTime[level] = 90;
            criteria.ClearPoints[level] = 9999;
            criteria.PointMultiplier[level] = 1;
            criteria.JudgeDays[level] = 7;
            criteria.LimitDays[level] = 1;
        }
        Navigator& navigator = test.navigator;
        navigator.registerScreen(ScreenNames::seisekitime1,
                                 [this] { return std::make_unique<seisekitime1>(test.context); });
        navigator.registerScreen(ScreenNames::MainFrm, [this] { return std::make_unique<RecordingScreen>(&drillStarts); });
        navigator.registerScreen(ScreenNames::namesel, [this] { return std::make_unique<RecordingScreen>(&nameLists); });
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void history(const std::vector<ResultRecord>& records) { test.files.put(kTestResultsFile, recordBytes(records)); }
    ResultRecord run(int student, int level, int seconds, int daysAgo = 0) const
    {
        return runRecord(test.today().addDays(-daysAgo), student, level, seconds);
    }

    seisekitime1& open()
    {
        test.navigator.show(ScreenNames::seisekitime1);
        return test.navigator.screen<seisekitime1>(ScreenNames::seisekitime1);
    }

    static QStringList lines(const seisekitime1& menu, int level)
    {
        QStringList texts;
        for (int row = 0; row < menu.List5[level]->count(); ++row)
            texts << menu.List5[level]->item(row)->text();
        return texts;
    }

    ListingInputs inputs(const QString& classText = u"全学年"_s) const
    {
        return ListingInputs{test.state, classText, 5, test.today()};
    }
};

TEST_F(StudentMenu, OpensOnThePointsRankingWithTheStudentsFigures)
{
    history({run(kStudent, 1, 40, 3), run(kStudent, 1, 45), run(kStudent, 1, 50), run(kClassmate, 1, 30)});
    seisekitime1& menu = open();
    EXPECT_EQ(menu.windowTitle(), u"elvanto"_s);
    EXPECT_EQ(menu.Label11->text(), u"ミナモドリル"_s);
    EXPECT_EQ(menu.Label12->text(), u"小２ 清水　心春"_s);
    EXPECT_EQ(menu.Label13->text(), u"みなも塾:21"_s);
    EXPECT_EQ(menu.Label17->text(), u"起動後5分"_s);
    EXPECT_EQ(menu.Label18->text(), u"本日総回数＝2回"_s);
    EXPECT_TRUE(menu.Option2[1]->isChecked());
    EXPECT_TRUE(menu.Option1[1]->isChecked());
    EXPECT_EQ(menu.Option1[1]->text(), u"累計順"_s);
    EXPECT_EQ(menu.Option1[2]->text(), u"本日順"_s);
    EXPECT_EQ(menu.Label5->text(), u"獲得ポイント（今まで順位）"_s);
    EXPECT_EQ(lines(menu, 1), pointsRankingLines(inputs(), 1, 1));
    ASSERT_EQ(lines(menu, 1).size(), 3);
    EXPECT_TRUE(lines(menu, 1)[0].contains(u"●清水"_s)); // most points so far
    EXPECT_EQ(menu.Combo1->currentText(), u"全学年"_s);
    EXPECT_EQ(menu.Combo2->count(), 5);
    EXPECT_EQ(menu.Combo2->currentText(), u"　　１ヶ月間の全成績"_s);
    EXPECT_EQ(menu.Combo2->itemText(4), u"　　今までの全成績\""_s);
    EXPECT_TRUE(menu.Combo2->isHidden());

    const StudentTallies& tallies = std::as_const(test.state).Tallies(1, kStudent);
    EXPECT_EQ(menu.Label14[1]->text(), u"2回/%1点"_s.arg(tallies.TodayPoints));
    EXPECT_EQ(menu.Label15[1]->text(), u"3回/%1点"_s.arg(tallies.TotalPoints));
    EXPECT_EQ(menu.Label14[2]->text(), u"-----"_s);
    EXPECT_EQ(menu.Label15[2]->text(), u"------"_s);
    EXPECT_EQ(menu.Label7[1]->text(), u"目標=60秒 --------"_s);
    EXPECT_EQ(menu.Label8[1]->text(), u"最近7日=3回 / %1点"_s.arg(tallies.JudgePoints));
    EXPECT_EQ(menu.Command4[3]->text(), u"ｽﾀｰﾄ(&3)"_s);
    EXPECT_TRUE(menu.Picture2->isHidden());
    EXPECT_TRUE(menu.KeysEnabled);
    for (int level = 1; level <= 5; ++level)
        EXPECT_TRUE(menu.Command4[level]->isEnabled()) << level;
}

// The lists measure one row for the width of all: their widest, so that
// every row can be scrolled into sight, whichever row it is.
TEST_F(StudentMenu, ThePeriodListScrollsAsWideAsItsWidestRow)
{
    constexpr int kLongName = 23;
    test.state.RosterNumbers.push_back(kLongName);
    test.state.StudentNames[kLongName] = u"長谷川心春"_s.leftJustified(20);
    test.state.StudentBirthYears[kLongName] = 2026 - 2 - 6;
    std::vector<ResultRecord> records;
    for (int day = 0; day < 20; ++day)
        records.push_back(run(day == 10 ? kLongName : kOlder, 1, day == 10 ? 12345 : 40 + day, day));
    history(records);
    seisekitime1& menu = open();
    menu.Option1[3]->click(); // every run of the period, with its points first and its seconds last
    QListWidget* list = menu.List5[1];
    ASSERT_EQ(list->count(), 20);
    ASSERT_EQ(lines(menu, 1).filter(u"長谷川心春"_s).size(), 1) << lines(menu, 1).join(u"\n"_s).toStdString();
    list->resize(120, list->height()); // narrower than every row
    QCoreApplication::processEvents(); // the view lays its rows out
    const int widest = list->sizeHintForColumn(0); // every row measured
    ASSERT_GT(widest, list->viewport()->width());
    const int scrolls = list->horizontalScrollBar()->maximum() + list->viewport()->width();
    EXPECT_GE(scrolls, widest);
    EXPECT_LE(scrolls, widest + 2);
}

TEST_F(StudentMenu, TheNameLosesOnlyItsHalfWidthSpaces)
{
    test.state.CurrentStudentName = u"  　清水　心春　 "_s;
    EXPECT_EQ(open().Label12->text(), u"小２ 　清水　心春　"_s);
}

TEST_F(StudentMenu, FiveLevelsShowFourColumnsAndScroll)
{
    seisekitime1& menu = open();
    EXPECT_FALSE(menu.HScroll1->isHidden());
    EXPECT_EQ(menu.HScroll1->maximum(), 2);
    EXPECT_EQ(menu.List5[1]->x(), kFirstColumnLeft / kTwipsPerPixel);
    EXPECT_EQ(menu.List5[4]->x(), (kFirstColumnLeft + 3 * 3456) / kTwipsPerPixel);
    EXPECT_EQ(menu.List5[5]->x(), (kFirstColumnLeft + 4 * 3456) / kTwipsPerPixel);

    menu.HScroll1->setValue(2);
    EXPECT_EQ(test.state.ScrollStart, 2);
    EXPECT_GE(menu.List5[1]->x(), kScreenWidth); // parked out of view
    EXPECT_EQ(menu.Command4[2]->x(), kFirstColumnLeft / kTwipsPerPixel);
    EXPECT_EQ(menu.Label3[2]->x(), menu.Command4[2]->x() + 3456 / 5 / kTwipsPerPixel);

    // The scroll position outlives the screen.
    test.navigator.close(ScreenNames::seisekitime1);
    EXPECT_EQ(open().HScroll1->value(), 2);
    EXPECT_EQ(test.state.ScrollStart, 2);
}

TEST_F(StudentMenu, ThreeLevelsShareTheWidthWithoutAScrollBar)
{
    test.state.LevelCount = 3;
    seisekitime1& menu = open();
    EXPECT_TRUE(menu.HScroll1->isHidden());
    EXPECT_EQ(menu.List5.size(), 4u);
    EXPECT_EQ(menu.List5[2]->x() - menu.List5[1]->x(), 4864 / kTwipsPerPixel);
    EXPECT_EQ(menu.Label18->text(), u"本日総回数＝0回"_s);
}

TEST_F(StudentMenu, LevelKeysStartRunsAndZeroGoesBack)
{
    seisekitime1& menu = open();
    QTest::keyClick(menu.Combo1, Qt::Key_A); // no level 10
    QTest::keyClick(&menu, Qt::Key_6);
    EXPECT_EQ(drillStarts, 0);

    QTest::keyClick(menu.List5[1], Qt::Key_3);
    EXPECT_EQ(drillStarts, 1);
    EXPECT_EQ(test.state.CurrentLevel, 3);
    EXPECT_FALSE(menu.KeysEnabled);
    EXPECT_FALSE(menu.Picture2->isHidden());
    EXPECT_TRUE(menu.ProgressBar1->isHidden()); // it counted the levels of the first filling only
    QTest::keyClick(&menu, Qt::Key_0); // ignored while the run starts
    EXPECT_EQ(nameLists, 0);

    test.navigator.show(ScreenNames::seisekitime1); // back from the run
    EXPECT_TRUE(menu.KeysEnabled);
    menu.Command1->setEnabled(false);
    QTest::keyClick(&menu, Qt::Key_0);
    EXPECT_EQ(nameLists, 0);
    menu.Command1->setEnabled(true);
    QTest::keyClick(&menu, Qt::Key_0);
    EXPECT_EQ(nameLists, 1);
    EXPECT_FALSE(menu.Picture2->isHidden());
    EXPECT_TRUE(menu.ProgressBar1->isHidden());
}

TEST_F(StudentMenu, ALevelNameClickStartsTheRunAndUnloadsTheMenu)
{
    seisekitime1& menu = open();
    QTest::mouseClick(menu.Label3[2], Qt::LeftButton);
    EXPECT_EQ(drillStarts, 1);
    EXPECT_EQ(test.state.CurrentLevel, 2);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::seisekitime1));
}

TEST_F(StudentMenu, AnOverdoneLevelIsLockedWithItsNotice)
{
    test.state.Criteria.LimitCount[2] = 2;
    history({run(kStudent, 2, 50), run(kStudent, 2, 55)});
    seisekitime1& menu = open();
    EXPECT_FALSE(menu.Command4[2]->isEnabled());
    EXPECT_FALSE(menu.Text1[2]->isHidden());
    EXPECT_EQ(menu.Text1[2]->text(), u"やりすぎ禁止"_s);
    EXPECT_FALSE(test.state.FinalLevelCleared);
    QTest::keyClick(&menu, Qt::Key_2);
    QTest::mouseClick(menu.Label3[2], Qt::LeftButton);
    EXPECT_EQ(drillStarts, 0);
    EXPECT_TRUE(menu.Command4[3]->isEnabled());
}

TEST_F(StudentMenu, OnlyTeachersSeeTheDataButton)
{
    for (const auto& [name, teacher] :
         {std::pair{u"清水　心春"_s, false}, {u"★佐藤　恵"_s, true}, {u"山本先生"_s, true}}) {
        test.state.CurrentStudentName = name.leftJustified(20);
        seisekitime1& menu = open();
        EXPECT_EQ(menu.Command8->isVisible(), teacher) << name.toStdString();
        EXPECT_EQ(menu.Command8->text(), u"データ処理"_s);
        test.navigator.close(ScreenNames::seisekitime1);
    }
}

// A teacher's menu with the password panel open, the two data screens
// counting how often they were shown.
class PasswordPanel : public StudentMenu {
protected:
    std::array<int, 2> dataScreens{};

    seisekitime1& openPanel(const QString& password)
    {
        test.navigator.registerScreen(ScreenNames::FrmData,
                                      [this] { return std::make_unique<RecordingScreen>(&dataScreens[0]); });
        test.navigator.registerScreen(ScreenNames::FrmTimeData,
                                      [this] { return std::make_unique<RecordingScreen>(&dataScreens[1]); });
        test.state.TeacherPassword = password;
        test.state.CurrentStudentName = u"山本先生"_s.leftJustified(20);
        seisekitime1& menu = open();
        menu.Command8->click();
        return menu;
    }
};

TEST_F(PasswordPanel, KeysAreThePasswordsAndStartNothing)
{
    seisekitime1& menu = openPanel(u"Minamo0"_s);
    EXPECT_TRUE(menu.Picture7->isVisible());
    EXPECT_EQ(menu.Label28->text(), u"データ変更パスワード"_s);
    EXPECT_EQ(menu.Text3->echoMode(), QLineEdit::Password);
    EXPECT_EQ(menu.Command10[0]->text(), u"データ変更"_s);
    EXPECT_EQ(menu.Command10[1]->text(), u"合格タイムデータ変更"_s);
    EXPECT_EQ(menu.Command12->text(), u"戻る"_s);

    QTest::keyClicks(menu.Text3, u"minamo0"_s);
    menu.Command4[1]->click();
    QTest::mouseClick(menu.Label3[2], Qt::LeftButton);
    EXPECT_EQ(drillStarts, 0);
    EXPECT_EQ(nameLists, 0);
    EXPECT_EQ(menu.Text3->text(), u"minamo0"_s);

    menu.Command12->click();
    EXPECT_TRUE(menu.Picture7->isHidden());
    QTest::keyClick(&menu, Qt::Key_1); // the menu's keys are back
    EXPECT_EQ(drillStarts, 1);
}

TEST_F(PasswordPanel, EachButtonOpensItsScreenOnlyForTheExactPassword)
{
    const QString screens[] = {ScreenNames::FrmData, ScreenNames::FrmTimeData};
    for (int index = 0; index < 2; ++index) {
        SCOPED_TRACE(index);
        test.dialogs = {};
        seisekitime1& menu = openPanel(u"Minamo0"_s);
        menu.Text3->setText(u"minamo0"_s); // the case differs
        menu.Command10[index]->click();
        ASSERT_EQ(test.dialogs.messages.size(), 1);
        EXPECT_EQ(test.dialogs.messages[0].text, u"パスワードを入力して下さい"_s);
        EXPECT_TRUE(menu.Picture7->isVisible());
        EXPECT_EQ(dataScreens[index], 0);

        menu.Text3->setText(u"Minamo0"_s);
        menu.Command10[index]->click();
        EXPECT_EQ(dataScreens[index], 1);
        EXPECT_EQ(test.navigator.frontScreen(), screens[index]);
        EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::seisekitime1));
        test.navigator.closeAll();
    }
}

TEST_F(PasswordPanel, AnEmptyPasswordOpensWithAnEmptyEntry)
{
    seisekitime1& menu = openPanel(QString());
    menu.Command10[0]->click();
    EXPECT_TRUE(test.dialogs.messages.isEmpty());
    EXPECT_EQ(dataScreens[0], 1);
}

TEST_F(StudentMenu, TheViewsFillTheListsTheirWay)
{
    history({run(kOlder, 1, 70, 2), run(kStudent, 1, 45, 1), run(kClassmate, 1, 99999), run(kStudent, 1, 50)});
    seisekitime1& menu = open();

    menu.Option2[0]->click(); // time display: best times
    EXPECT_EQ(menu.Option1[1]->text(), u"BEST表示"_s);
    EXPECT_EQ(menu.Label5->text(), u"ベスト成績"_s);
    EXPECT_EQ(lines(menu, 1), timeRankingLines(inputs(), 1));
    EXPECT_EQ(menu.List5[1]->palette().color(QPalette::Base), menu.List5[2]->palette().color(QPalette::Base));

    menu.Option1[2]->click(); // today's runs, coloured by the last time
    EXPECT_EQ(menu.Label5->text(), u"本日の成績"_s);
    const auto today = todayListLines(inputs(), ReadNewestRecords(test.context, 1000));
    EXPECT_EQ(lines(menu, 1), today[1]);
    ASSERT_EQ(lines(menu, 1).size(), 2);
    EXPECT_EQ(menu.List5[1]->palette().color(QPalette::Base), colourFromBgr(0x00C000));

    menu.Option1[3]->click(); // the period list
    EXPECT_FALSE(menu.Combo2->isHidden());
    EXPECT_EQ(lines(menu, 1).size(), 4);
    menu.Combo2->setCurrentIndex(0);
    emit menu.Combo2->activated(0); // this week: Wednesday 9 December reaches back three days
    EXPECT_EQ(test.state.PeriodChoice, 1);
    EXPECT_EQ(test.state.PeriodDays, 3);
    EXPECT_EQ(lines(menu, 1), periodListLines(inputs(), ReadNewestRecords(test.context, 20000), 3, 1)[1]);

    menu.Option2[2]->click(); // the student's own runs
    EXPECT_EQ(menu.Label5->text(), u"個人別ﾀｲﾑ"_s);
    EXPECT_EQ(lines(menu, 1).size(), 2);
    EXPECT_TRUE(menu.Combo2->isHidden());
    EXPECT_TRUE(menu.Command1->isEnabled());
    EXPECT_TRUE(menu.Command4[1]->isEnabled());
}

TEST_F(StudentMenu, TheClassBoxFiltersEveryList)
{
    history({run(kOlder, 1, 70), run(kStudent, 1, 45)});
    seisekitime1& menu = open();
    menu.Combo1->setCurrentText(u"小３"_s);
    emit menu.Combo1->activated(menu.Combo1->currentIndex());
    EXPECT_EQ(lines(menu, 1), pointsRankingLines(inputs(u"小３"_s), 1, 1));
    ASSERT_EQ(lines(menu, 1).size(), 1);
    EXPECT_TRUE(lines(menu, 1)[0].contains(u"井上"_s));
}

TEST_F(StudentMenu, AClassTypedIntoTheClassBoxFiltersWithoutBecomingAnItem)
{
    history({run(kOlder, 1, 70), run(kStudent, 1, 45)});
    seisekitime1& menu = open();
    const int items = menu.Combo1->count();
    for (const QString& typed : {u"小２"_s, u"家族"_s, u"中４"_s}) { // 家族 shows everybody, 中４ nobody
        menu.Combo1->lineEdit()->setText(typed); // as typed
        QTest::keyClick(menu.Combo1->lineEdit(), Qt::Key_Return);
        EXPECT_EQ(menu.Combo1->currentText(), typed);
        EXPECT_EQ(lines(menu, 1), pointsRankingLines(inputs(typed), 1, 1)) << typed.toStdString();
        EXPECT_EQ(menu.Combo1->count(), items) << typed.toStdString();
    }
    EXPECT_TRUE(lines(menu, 1).isEmpty());
}

// ---------------------------------------------------------------- graphs

class GraphPanel : public StudentMenu {
protected:
    void SetUp() override
    {
        StudentMenu::SetUp();
        test.state.DataRoot = u"/data/"_s;
        QStringList roster;
        for (const auto& [student, name, grade, status] :
             {std::tuple{kOlder, u"井上大和"_s, 3, 0}, {kStudent, u"清水　心春"_s, 2, 0},
              {kClassmate, u"山崎　陸"_s, 2, 0}, {30, u"休会中"_s, 2, 1}})
            roster << u"%1,%2,0,0,\"%3\",%4,\"\",\"\""_s.arg(student).arg(2026 - grade - 6).arg(name).arg(status);
        test.files.put(u"/data/"_s + kRosterFileName, encodeLines(roster));
        history({run(kStudent, 1, 50, 3), run(kStudent, 1, 45, 2), run(kClassmate, 1, 40, 1), run(kStudent, 2, 70),
                 run(kStudent, 4, 80)});
    }

    seisekitime1& openGraphs()
    {
        seisekitime1& menu = open();
        menu.Option2[2]->click();
        menu.Command17->click();
        return menu;
    }

    // What the panel shows for a student and levels, computed from the same records.
    GraphPage expectedPage(const seisekitime1& menu, int student, std::vector<int> levels)
    {
        const ListingInputs listing = inputs();
        const std::vector<LoadedResult> records = ReadNewestRecords(test.context, kGraphRecordCount);
        const GraphRequest request{listing, records, student, menu.PointsOrder, std::move(levels)};
        const QSize size = menu.Picture12->size();
        return graphPages(request, screenSurface(size.width() * 15.0, size.height() * 15.0, 6)).back();
    }

    static std::vector<int> selectedLevels(const seisekitime1& menu)
    {
        std::vector<int> levels;
        for (int line = 0; line < menu.List3->count(); ++line)
            if (menu.List3->item(line)->isSelected())
                levels.push_back(line + 1);
        return levels;
    }

    static void select(QListWidget* list, std::initializer_list<int> rows)
    {
        list->clearSelection();
        for (const int row : rows)
            list->item(row)->setSelected(true);
    }

    void signInAs(const QString& name) { test.state.CurrentStudentName = name.leftJustified(20); }
};

TEST_F(GraphPanel, TheOwnTimesViewOpensTheGraphsOfTheFirstThreeLevels)
{
    seisekitime1& menu = open();
    EXPECT_TRUE(menu.Command17->isHidden());
    menu.Option2[2]->click();
    EXPECT_FALSE(menu.Command17->isHidden());
    EXPECT_EQ(menu.List3->count(), 5);
    EXPECT_EQ(menu.List3->item(4)->text(), u"5"_s);
    // The roster read again: listed entries only.
    ASSERT_EQ(menu.List2->count(), 3);
    EXPECT_EQ(menu.List2->item(2)->text(), u"小２ /  "_s + u"山崎　陸"_s.leftJustified(20) + u"/22"_s);

    menu.Command17->click();
    EXPECT_TRUE(menu.Picture11->isVisible());
    EXPECT_EQ(menu.Picture11->pos(), QPoint(8, 116));
    EXPECT_EQ(selectedLevels(menu), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(menu.List2->isHidden());
    EXPECT_FALSE(menu.Command25->isHidden());
    EXPECT_EQ(menu.GraphStudent, kStudent);
    EXPECT_EQ(menu.Picture12->page(), expectedPage(menu, kStudent, {1, 2, 3}));

    // A fourth level clears the surface: only its graph stays.
    menu.List3->item(3)->setSelected(true);
    EXPECT_EQ(menu.Picture12->page(), expectedPage(menu, kStudent, {1, 2, 3, 4}));
    EXPECT_EQ(menu.Picture12->page(), expectedPage(menu, kStudent, {4}));

    // Another student through the roster list.
    menu.Command25->click();
    EXPECT_FALSE(menu.List2->isHidden());
    EXPECT_TRUE(menu.Command25->isHidden());
    select(menu.List3, {0});
    select(menu.List2, {2});
    EXPECT_EQ(menu.GraphStudent, kClassmate);
    EXPECT_EQ(menu.Picture12->page(), expectedPage(menu, kClassmate, {1}));

    // Back: the panel goes, and the level list no longer draws.
    menu.Command18->click();
    EXPECT_FALSE(menu.Picture11->isVisible());
    const GraphPage before = menu.Picture12->page();
    select(menu.List3, {1});
    EXPECT_EQ(menu.Picture12->page(), before);
    EXPECT_FALSE(menu.Picture11->isVisible());

    // Opening again starts from the current student, the levels kept and 1..3 added.
    menu.Command17->click();
    EXPECT_EQ(menu.GraphStudent, kStudent);
    EXPECT_EQ(selectedLevels(menu), (std::vector<int>{1, 2, 3}));
    EXPECT_TRUE(menu.List2->selectedItems().isEmpty());

    menu.Option2[1]->click();
    EXPECT_TRUE(menu.Command17->isHidden());
    EXPECT_FALSE(menu.Picture11->isVisible());
}

TEST_F(GraphPanel, OnlyTeachersSeeThePrintButton)
{
    for (const auto& [name, teacher] :
         {std::pair{u"清水　心春"_s, false}, {u"★佐藤　恵"_s, true}, {u"山本先生"_s, true}, {u"先生"_s, true}}) {
        signInAs(name);
        seisekitime1& menu = openGraphs();
        EXPECT_EQ(menu.Command24[1]->isVisible(), teacher) << name.toStdString();
        test.navigator.close(ScreenNames::seisekitime1);
    }
}

TEST_F(GraphPanel, PrintingTwoStudentsOfFourLevelsGivesTwoDocumentsOfTwoPages)
{
    signInAs(u"★佐藤　恵"_s);
    seisekitime1& menu = openGraphs();
    menu.Command25->click();
    select(menu.List3, {0, 1, 2, 3});
    select(menu.List2, {1, 2});
    menu.Command24[1]->click();

    ASSERT_EQ(test.printing.jobs.size(), 2);
    EXPECT_TRUE(test.printing.jobs[0].title.contains(u"清水　心春"_s));
    EXPECT_TRUE(test.printing.jobs[1].title.contains(u"山崎　陸"_s));
    for (const FakePrinting::Printed& job : test.printing.jobs)
        EXPECT_EQ(job.pages.size(), 2);
    EXPECT_TRUE(test.dialogs.messages.isEmpty());
    EXPECT_TRUE(menu.Picture11->isVisible());
}

TEST_F(GraphPanel, WithoutAPrinterThePagesGoToPdfFilesInTheDataFolder)
{
    signInAs(u"山本先生"_s);
    test.printing.defaultPrinter.clear();
    seisekitime1& menu = openGraphs();
    menu.Command25->click();
    select(menu.List3, {0, 1, 2, 3});
    select(menu.List2, {0, 2});
    menu.Command24[1]->click();

    ASSERT_EQ(test.printing.pdfs.size(), 2);
    const QString folder = test.printing.pdfs[0].pdfPath.section(u'/', 0, -2) + u'/';
    EXPECT_TRUE(folder.startsWith(kTestDataFolder + u"グラフ印刷/"_s)) << folder.toStdString();
    EXPECT_EQ(test.printing.pdfs[0].pdfPath, folder + u"18_井上大和.pdf"_s);
    EXPECT_EQ(test.printing.pdfs[1].pdfPath, folder + u"22_山崎　陸.pdf"_s);
    for (const FakePrinting::Printed& pdf : test.printing.pdfs)
        EXPECT_EQ(pdf.pages.size(), 2);
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(folder));
}

TEST_F(GraphPanel, ThePleaseWaitBarFollowsTheRecordsWhileTheGraphsAreDrawn)
{
    seisekitime1& menu = openGraphs();
    QList<std::pair<int, bool>> shown; // the bar's value, and whether its panel was in sight
    QObject::connect(menu.ProgressBar2, &QProgressBar::valueChanged,
                     [&](int value) { shown.append({value, menu.Picture6->isVisible()}); });
    menu.Command24[0]->click();
    const int records = static_cast<int>(ReadNewestRecords(test.context, kGraphRecordCount).size());
    ASSERT_GT(records, 0);
    EXPECT_TRUE(shown.contains(std::pair{records, true}));
    EXPECT_EQ(menu.ProgressBar2->maximum(), (records + 1) * 11 / 10);
    EXPECT_FALSE(menu.Picture6->isVisible());
    EXPECT_TRUE(menu.Picture11->isVisible());
}

TEST_F(GraphPanel, PrintingWithoutALevelPrintsNothingAndAsksForOne)
{
    signInAs(u"★佐藤　恵"_s);
    seisekitime1& menu = openGraphs();
    for (const QString& printer : {u"教室プリンター"_s, QString()}) {
        test.printing.defaultPrinter = printer;
        test.dialogs.messages.clear();
        menu.List3->clearSelection();
        menu.Command24[1]->click();
        EXPECT_TRUE(test.printing.jobs.isEmpty());
        EXPECT_TRUE(test.printing.pdfs.isEmpty());
        ASSERT_EQ(test.dialogs.messages.size(), 1);
        EXPECT_EQ(test.dialogs.messages[0].text, u"印刷するレベルを選んで下さい。"_s);
    }
}

TEST_F(GraphPanel, APrinterThatRefusesTheJobIsNamedAndNothingElseHappens)
{
    signInAs(u"★田中先生"_s);
    test.printing.refusal = u"プリンター「教室」は停止しています"_s;
    seisekitime1& menu = openGraphs();
    const GraphPage shown = menu.Picture12->page();
    menu.Command24[1]->click();
    EXPECT_TRUE(test.printing.jobs.isEmpty());
    EXPECT_TRUE(test.printing.pdfs.isEmpty());
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(test.printing.refusal));
    EXPECT_EQ(menu.Picture12->page(), shown);
    EXPECT_TRUE(menu.Picture11->isVisible());
}
} // namespace
