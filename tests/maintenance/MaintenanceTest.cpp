// The data maintenance screen: its rows, the edit panel, corrections and
// deletes, and the way in from the student menu's password panel.
#include "maintenance/FrmData.h"

#include "foundation/ScreenNames.h"
#include "platform/TextFile.h"
#include "results/ResultsFile.h"
#include "roster/NameList.h"

#include "results/ResultsTestSupport.h"
#include "support/QStringPrinter.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

using namespace Qt::StringLiterals;

namespace {
constexpr int kStudent = 21;
constexpr int kClassmate = 22;
const QString kDataRoot = u"/data/"_s;

QString rosterLine(int studentNo, int birthYear, const QString& name, int status = 0)
{
    return u"%1,%2,0,0,\"%3\",%4,\"\",\"\""_s.arg(studentNo).arg(birthYear).arg(name).arg(status);
}

// Each record's seconds tell it apart: record n has 10 × n seconds.
ResultRecord numbered(int number, int level = 1)
{
    ResultRecord record = runRecord(QDate(2026, 12, 1 + number), kStudent, level, 10 * number);
    record.EntryTime = (9 * 3600 + 5 * 60 + number) / 86400.0;
    record.ExtraA = recordText(u"12345"_s);
    return record;
}

std::vector<ResultRecord> fiveWithLevel0AtTwo()
{
    return {numbered(1), numbered(2, 0), numbered(3), numbered(4), numbered(5)};
}

class Maintenance : public ::testing::Test {
protected:
    ResultsTest test;
    int menuShows = 0;

    void SetUp() override
    {
        SharedState& state = test.state;
        state.DataRoot = kDataRoot;
        state.SchoolCode = u"12345"_s;
        state.SchoolName = u"みなも塾"_s;
        state.SchoolYearStartMonth = 4;
        // School year 2026: born in the school year 2018, a child is in grade 2.
        writeRoster({rosterLine(kStudent, 2018, u"清水　心春"_s), rosterLine(kClassmate, 2019, u"山崎　陸"_s),
                     rosterLine(40, 2017, u"長谷川こころ"_s, 1)});
        test.navigator.registerScreen(ScreenNames::FrmData, [this] { return std::make_unique<FrmData>(test.context); });
        test.navigator.registerScreen(ScreenNames::seisekitime1,
                                      [this] { return std::make_unique<RecordingScreen>(&menuShows); });
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void writeRoster(const QStringList& lines) { test.files.put(kDataRoot + kRosterFileName, encodeLines(lines)); }
    void store(const std::vector<ResultRecord>& records) { test.files.put(kTestResultsFile, recordBytes(records)); }
    std::vector<ResultRecord> stored() const { return decodedRecords(test.files.contents(kTestResultsFile)); }

    FrmData& open()
    {
        test.navigator.show(ScreenNames::FrmData);
        return test.navigator.screen<FrmData>(ScreenNames::FrmData);
    }

    static QStringList rows(const FrmData& screen)
    {
        QStringList texts;
        const QAbstractItemModel& model = *screen.List1->model();
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, 0).data().toString();
        return texts;
    }
    static int currentRow(const FrmData& screen) { return screen.List1->currentIndex().row(); }

    static void doubleClickRow(FrmData& screen, int row)
    {
        const QModelIndex index = screen.List1->model()->index(row, 0);
        screen.List1->scrollTo(index);
        const QPoint at = screen.List1->visualRect(index).center();
        QTest::mouseClick(screen.List1->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(screen.List1->viewport(), Qt::LeftButton, {}, at);
    }
};

// What the screen is asked to do in a case, and what the file, the rows
// and the selection are afterwards.
struct EditCase {
    const char* name;
    std::vector<ResultRecord> records;
    int doubleClickedRow;
    std::function<void(FrmData&)> act;
    std::vector<ResultRecord> expectedFile;
    QStringList expectedNumbers; // the number column of every row
    int expectedSelectedRow;
};

TEST_F(Maintenance, EditsAndDeletesLeaveTheFileRowsAndSelectionAsTheTeacherExpects)
{
    const auto corrected = [](ResultRecord record, int seconds, int student) {
        record.Seconds = seconds;
        record.StudentNo = static_cast<std::int16_t>(student);
        return record;
    };
    const auto deleting = [](FrmData& screen) { screen.Command3->click(); };
    const auto secondsTyped = [](const QString& text) {
        return [text](FrmData& screen) {
            screen.Text1[1]->setText(text);
            screen.Command2->click();
        };
    };
    const std::vector<ResultRecord> five = fiveWithLevel0AtTwo();
    const EditCase cases[] = {
        {"a level-0 record has no row; the row of record 3 edits record 3", five, 1,
         [](FrmData& screen) { EXPECT_EQ(screen.Label1->text(), u"3"_s); }, five,
         {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 1},
        {"deleting record 3 of 5 selects the old record 4, now record 3", five, 1, deleting,
         {five[0], five[1], five[3], five[4]}, {u"   1"_s, u"   3"_s, u"   4"_s}, 1},
        {"deleting the last record selects the new last row", five, 3, deleting,
         {five[0], five[1], five[2], five[3]}, {u"   1"_s, u"   3"_s, u"   4"_s}, 2},
        {"twelve and a half seconds are stored as 12", five, 2, secondsTyped(u"12.5"_s),
         {five[0], five[1], five[2], corrected(five[3], 12, kStudent), five[4]},
         {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 2},
        {"thirteen and a half seconds are stored as 14", five, 2, secondsTyped(u"13.5"_s),
         {five[0], five[1], five[2], corrected(five[3], 14, kStudent), five[4]},
         {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 2},
        {"a text that is no number stores 0 seconds", five, 0, secondsTyped(u"abc"_s),
         {corrected(five[0], 0, kStudent), five[1], five[2], five[3], five[4]},
         {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 0},
        {"another student of the roster is written; date, time and level stay", five, 3,
         [](FrmData& screen) {
             screen.Combo1->setCurrentIndex(1);
             screen.Combo1->activated(1);
             EXPECT_EQ(screen.Label2[4]->text(), u"小１"_s);
             screen.Command2->click();
         },
         {five[0], five[1], five[2], five[3], corrected(five[4], 50, kClassmate)},
         {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 3},
        {"cancelling the question deletes nothing", five, 1,
         [this, deleting](FrmData& screen) {
             test.dialogs.answers = {false};
             deleting(screen);
             EXPECT_TRUE(screen.Picture3->isVisible());
         },
         five, {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 1},
        {"キャンセル closes the panel without writing", five, 1,
         [](FrmData& screen) {
             screen.Text1[1]->setText(u"7"_s);
             screen.Command6->click();
         },
         five, {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 1},
        {"a student typed without \"/\" is refused and nothing is written", five, 1,
         [](FrmData& screen) {
             screen.Combo1->setCurrentText(u"22"_s);
             screen.Command2->click();
             EXPECT_TRUE(screen.Picture3->isVisible());
         },
         five, {u"   1"_s, u"   3"_s, u"   4"_s, u"   5"_s}, 1},
    };
    for (const EditCase& c : cases) {
        SCOPED_TRACE(c.name);
        store(c.records);
        test.dialogs = {};
        test.navigator.closeAll();
        FrmData& screen = open();
        doubleClickRow(screen, c.doubleClickedRow);
        ASSERT_TRUE(screen.Picture3->isVisible());
        c.act(screen);
        EXPECT_EQ(stored(), c.expectedFile);
        QStringList numbers;
        for (const QString& row : rows(screen))
            numbers << row.left(4);
        EXPECT_EQ(numbers, c.expectedNumbers);
        EXPECT_EQ(currentRow(screen), c.expectedSelectedRow);
    }
}

TEST_F(Maintenance, RowsShowEveryFieldInItsColumn)
{
    ResultRecord other = numbered(2);
    other.ExtraA = recordText(u"99999"_s);
    ResultRecord timeOut = numbered(3);
    timeOut.Seconds = kNoTime;
    timeOut.StudentNo = 4321; // no line of the roster
    store({numbered(1), other, timeOut});
    FrmData& screen = open();
    EXPECT_EQ(screen.windowTitle(), u"v"_s);
    EXPECT_EQ(screen.Label5->text(), u"ダブルクリックすると変更、消去できます"_s);
    EXPECT_EQ(rows(screen), (QStringList{
                                u"   1 2026/12/02　  9:05:01ﾚﾍﾞﾙ1　   10秒 　  21 清水　心春　 小２++みなも塾"_s,
                                u"   2 2026/12/03　  9:05:02ﾚﾍﾞﾙ1　   20秒 　  21 清水　心春　 小２++他塾"_s,
                                u"   3 2026/12/04　  9:05:03ﾚﾍﾞﾙ1　99999秒 　4321 　　　　　 ++みなも塾"_s,
                            }));
    // Without a school code no record is the school's own.
    test.state.SchoolCode.clear();
    test.navigator.closeAll();
    EXPECT_TRUE(rows(open())[0].endsWith(u"小２++他塾"_s));
}

TEST_F(Maintenance, TheStudentBoxListsEveryRosterLineAndNamesAreCutToSix)
{
    store({runRecord(test.today(), 40, 2, 33)});
    FrmData& screen = open();
    ASSERT_EQ(screen.Combo1->count(), 3); // the line of status 1 too
    EXPECT_EQ(screen.Combo1->itemText(0), u"21 /  清水　心春"_s);
    EXPECT_EQ(screen.Combo1->itemText(2), u"40 /  長谷川こころ"_s);
    EXPECT_TRUE(rows(screen)[0].contains(u"  40 長谷川こころ 小３++"_s));
}

TEST_F(Maintenance, InFebruaryTheGradesAreThoseOfTheNameList)
{
    test.clock.advance(qint64(70) * 24 * 3600 * 1000); // 2027-02-17: still the school year 2026
    store({runRecord(test.today(), kStudent, 1, 30), runRecord(test.today(), kClassmate, 1, 31)});
    std::vector<RosterEntry> roster;
    ASSERT_FALSE(readRosterFile(test.files, kDataRoot, roster));
    test.state.SchoolYear = SchoolYearOn(test.today(), test.state.SchoolYearStartMonth);
    buildNameList(test.state, roster, 0, u"全学年"_s, false);

    const QStringList shown = rows(open());
    EXPECT_TRUE(shown[0].endsWith(test.state.StudentGrades[kStudent] + u"++他塾"_s)) << shown[0].toStdString();
    EXPECT_TRUE(shown[1].endsWith(test.state.StudentGrades[kClassmate] + u"++他塾"_s)) << shown[1].toStdString();
    EXPECT_EQ(test.state.StudentGrades[kStudent], u"小２"_s);
}

TEST_F(Maintenance, TheEditPanelShowsTheDoubleClickedRecord)
{
    store(fiveWithLevel0AtTwo());
    FrmData& screen = open();
    EXPECT_FALSE(screen.Picture3->isVisible());
    EXPECT_FALSE(screen.Command2->isEnabled());
    EXPECT_FALSE(screen.Command3->isEnabled());
    doubleClickRow(screen, 2);
    EXPECT_EQ(screen.Label1->text(), u"4"_s);
    EXPECT_EQ(screen.Label2[0]->text(), u"秒"_s);
    EXPECT_EQ(screen.Label2[1]->text(), u"1ﾚﾍﾞﾙ"_s);
    EXPECT_EQ(screen.Label2[2]->text(), u"2026/12/05"_s);
    EXPECT_EQ(screen.Label2[4]->text(), u"小２"_s);
    EXPECT_EQ(screen.Combo1->currentText(), u"21 /  清水　心春"_s);
    EXPECT_EQ(screen.Text1[1]->text(), u"40"_s);
    EXPECT_EQ(screen.VScroll1->value(), 40);
    EXPECT_EQ(screen.VScroll1->maximum(), 6000);
    EXPECT_EQ(screen.VScroll1->pageStep(), 10);
    EXPECT_TRUE(screen.Command2->isEnabled() && screen.Command3->isEnabled());
    screen.VScroll1->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(screen.Text1[1]->text(), u"50"_s);
    // A single click on a row closes the panel.
    const QModelIndex first = screen.List1->model()->index(0, 0);
    QTest::mouseClick(screen.List1->viewport(), Qt::LeftButton, {}, screen.List1->visualRect(first).center());
    EXPECT_FALSE(screen.Picture3->isVisible());
}

TEST_F(Maintenance, ATimeOutKeepsItsSecondsUntilTheBarIsMoved)
{
    ResultRecord timeOut = numbered(1);
    timeOut.Seconds = kNoTime;
    store({timeOut});
    FrmData& screen = open();
    doubleClickRow(screen, 0);
    EXPECT_EQ(screen.Text1[1]->text(), u"99999"_s);
    EXPECT_EQ(screen.VScroll1->value(), 6000);
    screen.Command2->click(); // the true value is written back
    EXPECT_EQ(stored()[0].Seconds, kNoTime);
    doubleClickRow(screen, 0);
    screen.VScroll1->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(screen.Text1[1]->text(), u"5999"_s);
}

TEST_F(Maintenance, SecondsOutsideTheRecordsRangeAreRefused)
{
    store({numbered(1)});
    FrmData& screen = open();
    for (const QString& text : {u"-3"_s, u"100000"_s, u"1e9"_s}) {
        doubleClickRow(screen, 0);
        screen.Text1[1]->setText(text);
        screen.Command2->click();
        EXPECT_EQ(stored()[0].Seconds, text == u"1e9"_s ? 1 : 10) << text.toStdString(); // "1e9" reads as 1
    }
    EXPECT_EQ(test.dialogs.messages.size(), 2);
}

// Another computer deleted a run between the list and the teacher's click:
// record 3 is now another run.
TEST_F(Maintenance, ARecordChangedMeanwhileIsNotOverwritten)
{
    const std::vector<ResultRecord> five = fiveWithLevel0AtTwo();
    for (const bool deleting : {false, true}) {
        SCOPED_TRACE(deleting ? "delete" : "correction");
        store(five);
        test.dialogs = {};
        test.navigator.closeAll();
        FrmData& screen = open();
        doubleClickRow(screen, 1);
        const std::vector<ResultRecord> meanwhile = {five[0], five[1], five[3], five[4]};
        store(meanwhile);
        if (deleting) {
            screen.Command3->click();
        } else {
            screen.Text1[1]->setText(u"5"_s);
            screen.Command2->click();
        }
        EXPECT_EQ(stored(), meanwhile);
        ASSERT_EQ(test.dialogs.messages.size(), 1);
        EXPECT_TRUE(test.dialogs.messages[0].text.contains(u"他のコンピュータで変更されました"_s));
        EXPECT_EQ(rows(screen).size(), 3); // rebuilt from the file
        EXPECT_FALSE(screen.Picture3->isVisible());
    }
    // Changed before the double-click: the panel does not open on another run.
    store(five);
    test.dialogs = {};
    test.navigator.closeAll();
    FrmData& screen = open();
    store({five[0], five[1], five[3], five[4]});
    doubleClickRow(screen, 1);
    EXPECT_FALSE(screen.Picture3->isVisible());
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_EQ(rows(screen).size(), 3);
}

TEST_F(Maintenance, AFailedDeleteSaysWhyAndLeavesTheFile)
{
    store(fiveWithLevel0AtTwo());
    test.files.failures.insert(kTestDataFolder + kResultsTemporaryFileName,
                               {FileError::Kind::Other, u"No space left on device"_s, 28});
    FrmData& screen = open();
    doubleClickRow(screen, 1);
    screen.Command3->click();
    ASSERT_EQ(test.dialogs.questions.size(), 1);
    EXPECT_EQ(test.dialogs.questions[0].text, u"本当に消去しますか"_s);
    EXPECT_EQ(test.dialogs.questions[0].title, u"注意"_s);
    EXPECT_EQ(test.dialogs.questions[0].buttons, u"OkCancel"_s);
    EXPECT_EQ(stored(), fiveWithLevel0AtTwo());
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(u"No space left on device"_s));
    EXPECT_TRUE(screen.Picture3->isVisible());
}

TEST_F(Maintenance, AWriteWaitsWhileAnotherComputerHoldsTheFile)
{
    store(fiveWithLevel0AtTwo());
    FrmData& screen = open();
    doubleClickRow(screen, 0);
    screen.Text1[1]->setText(u"8"_s);
    test.files.lockHeldByOtherTries = 3;
    const qint64 before = test.clock.elapsedMilliseconds();
    screen.Command2->click();
    EXPECT_EQ(test.clock.elapsedMilliseconds() - before, 3000);
    EXPECT_EQ(stored()[0].Seconds, 8);
}

TEST_F(Maintenance, FilesOf10000RecordsOrMoreListInRecordOrderWithWiderNumbers)
{
    std::vector<ResultRecord> records(10001, numbered(1));
    records[9999].Seconds = 7;
    store(records);
    FrmData& screen = open();
    const QStringList shown = rows(screen);
    ASSERT_EQ(shown.size(), 10001);
    EXPECT_TRUE(shown[0].startsWith(u"    1 2026"_s));
    EXPECT_TRUE(shown[9999].startsWith(u"10000 2026"_s));
    EXPECT_TRUE(shown[9999].contains(u"ﾚﾍﾞﾙ1　    7秒"_s));
    doubleClickRow(screen, 9999);
    EXPECT_EQ(screen.Label1->text(), u"10000"_s);
}

TEST_F(Maintenance, BackShowsTheMenuAndClosesTheScreen)
{
    store({numbered(1)});
    FrmData& screen = open();
    screen.Command4->click();
    EXPECT_EQ(menuShows, 1);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::seisekitime1);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::FrmData));
}
} // namespace
