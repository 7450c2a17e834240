// The criteria editor: the grid and its keys, saving, leaving, and the
// distribution of the school's times beside it.
#include "criteria_editor/CriteriaGrid.h"
#include "criteria_editor/Distribution.h"
#include "criteria_editor/FrmTimeData.h"

#include "foundation/ScreenNames.h"
#include "platform/PosixFileSystem.h"
#include "platform/TextFile.h"
#include "results/ResultsFile.h"

#include "results/ResultsTestSupport.h"
#include "support/QStringPrinter.h"

#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString kCriteriaFile = kTestDataFolder + kCriteriaFileName;
const QString kTitleLine = u"目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,"_s;

QStringList criteriaLines()
{
    return {kTitleLine,
            u"60,120,100,5,1.50,10,500,7,3,,,"_s,
            u"40,80,50,3,1,0,0,14,1,,,"_s,
            u"45,90,80,4,1,0,0,7,1,abcdefghijkl,,"_s,
            u"50,100,80,4,1,0,0,7,1,,,"_s,
            u"55,110,80,4,2,0,0,7,1,,,"_s};
}

QByteArray recordsOf(const std::vector<ResultRecord>& records) { return recordBytes(records); }

ResultRecord run(int student, int level, int seconds) { return runRecord(QDate(2026, 12, 1), student, level, seconds); }

class CriteriaEditor : public ::testing::Test {
protected:
    ResultsTest test;
    int menuShows = 0;

    void SetUp() override
    {
        test.files.put(kCriteriaFile, encodeLines(criteriaLines()));
        test.files.put(kTestResultsFile, recordsOf({run(1, 2, 35), run(2, 2, 42), run(3, 2, 1500)}));
        test.navigator.registerScreen(ScreenNames::FrmTimeData,
                                      [this] { return std::make_unique<FrmTimeData>(test.context); });
        test.navigator.registerScreen(ScreenNames::seisekitime1,
                                      [this] { return std::make_unique<RecordingScreen>(&menuShows); });
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    FrmTimeData& open()
    {
        test.navigator.show(ScreenNames::FrmTimeData);
        return test.navigator.screen<FrmTimeData>(ScreenNames::FrmTimeData);
    }
    static QString cell(const FrmTimeData& screen, int row, int column)
    {
        const QTableWidgetItem* item = screen.MSFlexGrid1->item(row, column);
        return item ? item->text() : QString();
    }
    static bool marked(const FrmTimeData& screen, int row, int column)
    {
        return screen.MSFlexGrid1->item(row, column)->background().color() == QColor(255, 255, 0);
    }
    static void key(FrmTimeData& screen, Qt::Key key, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::keyClick(screen.Gridinputtext, key, modifiers);
    }
    static void clickCell(FrmTimeData& screen, int row, int column)
    {
        const QRect rect = screen.MSFlexGrid1->visualItemRect(screen.MSFlexGrid1->item(row, column));
        QTest::mouseClick(screen.MSFlexGrid1->viewport(), Qt::LeftButton, {}, rect.center());
    }
    static QStringList items(const QListWidget* list)
    {
        QStringList texts;
        for (int row = 0; row < list->count(); ++row)
            texts << list->item(row)->text();
        return texts;
    }
};

TEST_F(CriteriaEditor, OpensOnTheFilesTableWithTheEditBoxOverTheFirstCell)
{
    FrmTimeData& screen = open();
    EXPECT_EQ(screen.windowTitle(), u"Form1"_s);
    EXPECT_TRUE(screen.Picture1->isVisible());
    EXPECT_EQ(screen.CriteriaRowCount, 5);
    ASSERT_EQ(screen.MSFlexGrid1->rowCount(), 6);
    ASSERT_EQ(screen.MSFlexGrid1->columnCount(), 13);
    EXPECT_EQ(cell(screen, 0, 0), u"レベル"_s);
    EXPECT_EQ(cell(screen, 0, 1), u"目標Time"_s);
    EXPECT_EQ(cell(screen, 0, 9), u"禁期間"_s);
    EXPECT_EQ(cell(screen, 0, 10), QString());
    EXPECT_EQ(cell(screen, 3, 0), u"3"_s);
    EXPECT_EQ(cell(screen, 1, 5), u"1.5"_s); // "1.50" in the file
    EXPECT_EQ(cell(screen, 3, 10), u"abcdefghijkl"_s);
    const int width = screen.MSFlexGrid1->columnWidth(0);
    for (int column = 1; column < 13; ++column)
        EXPECT_EQ(screen.MSFlexGrid1->columnWidth(column), width);
    EXPECT_EQ(screen.MSFlexGrid1->height() - 2 * screen.MSFlexGrid1->frameWidth(), 33 * screen.MSFlexGrid1->rowHeight(1));

    EXPECT_EQ(screen.Row, 1);
    EXPECT_EQ(screen.Col, 1);
    EXPECT_EQ(screen.Gridinputtext->text(), u"60"_s);
    EXPECT_EQ(screen.focusWidget(), screen.Gridinputtext);
    const QRect cellRect = screen.MSFlexGrid1->visualItemRect(screen.MSFlexGrid1->item(1, 1));
    EXPECT_EQ(screen.Gridinputtext->geometry(),
              QRect(screen.MSFlexGrid1->pos() + screen.MSFlexGrid1->viewport()->pos() + cellRect.topLeft(),
                    cellRect.size()));
    EXPECT_EQ(screen.Label3->text(), u"合格基準タイム\n　大部分の人ががんばったら出せそうなタイムにしてください"_s);
    EXPECT_EQ(screen.Label6->text(), u"列の説明"_s);
    EXPECT_EQ(screen.Label1->text(), u"スペース：セルクリア　　Shift + ↓：セルコピー"_s);
    EXPECT_EQ(screen.List3->item(0)->text(), u"レベル1 今まで0回  （★=1）"_s);
    EXPECT_EQ(screen.List4->item(0)->text(), u"レベル1 （★=1）"_s);
}

TEST_F(CriteriaEditor, TypingAndSpaceMarkTheCellAndTypingGoesInAtPositionTen)
{
    FrmTimeData& screen = open();
    key(screen, Qt::Key_5);
    EXPECT_EQ(cell(screen, 1, 1), u"605"_s);
    EXPECT_TRUE(marked(screen, 1, 1));
    EXPECT_TRUE(screen.CriteriaChanged);
    key(screen, Qt::Key_Right);
    EXPECT_FALSE(marked(screen, 1, 2)); // moving is no edit
    key(screen, Qt::Key_Space);
    EXPECT_EQ(cell(screen, 1, 2), QString());
    EXPECT_TRUE(marked(screen, 1, 2));

    clickCell(screen, 3, 10);
    EXPECT_EQ(screen.Row, 3);
    EXPECT_EQ(screen.Col, 10);
    EXPECT_EQ(screen.Gridinputtext->cursorPosition(), 10);
    // Each key puts the caret back at position 10: a second character goes in before the first.
    QTest::keyClicks(screen.Gridinputtext, u"XY"_s);
    EXPECT_EQ(cell(screen, 3, 10), u"abcdefghijYXkl"_s);
}

TEST_F(CriteriaEditor, ArrowsMoveWithinTheLevelsAndTheTwelveColumns)
{
    const struct {
        int row, column;
        Qt::Key key;
        int expectedRow, expectedColumn;
    } cases[] = {
        {1, 1, Qt::Key_Up, 1, 1},   {1, 1, Qt::Key_Left, 1, 1},  {1, 12, Qt::Key_Right, 1, 12},
        {5, 3, Qt::Key_Down, 5, 3}, {2, 3, Qt::Key_Up, 1, 3},    {2, 3, Qt::Key_Down, 3, 3},
        {2, 3, Qt::Key_Left, 2, 2}, {2, 3, Qt::Key_Right, 2, 4},
    };
    FrmTimeData& screen = open();
    for (const auto& c : cases) {
        clickCell(screen, c.row, c.column);
        key(screen, c.key);
        EXPECT_EQ(std::pair(screen.Row, screen.Col), std::pair(c.expectedRow, c.expectedColumn))
            << "from (" << c.row << ", " << c.column << ") key " << c.key;
        EXPECT_EQ(screen.Gridinputtext->text(), cell(screen, screen.Row, screen.Col));
    }
    EXPECT_FALSE(screen.CriteriaChanged);
    key(screen, Qt::Key_Escape);
    EXPECT_EQ(screen.Gridinputtext->text(), cell(screen, screen.Row, screen.Col));
}

TEST_F(CriteriaEditor, ShiftDownCopiesWithoutMarksAndLeavingThenAsksNothing)
{
    FrmTimeData& screen = open();
    clickCell(screen, 3, 2);
    key(screen, Qt::Key_Down, Qt::ShiftModifier);
    key(screen, Qt::Key_Down, Qt::ShiftModifier);
    for (int row = 3; row <= 5; ++row) {
        EXPECT_EQ(cell(screen, row, 2), u"90"_s) << row;
        EXPECT_FALSE(marked(screen, row, 2)) << row;
    }
    EXPECT_EQ(cell(screen, 2, 2), u"80"_s);
    key(screen, Qt::Key_Down, Qt::ShiftModifier); // the selection reaches the last row already
    EXPECT_EQ(screen.RowSel, 5);
    EXPECT_FALSE(screen.CriteriaChanged);
    screen.Command4->click();
    EXPECT_TRUE(test.dialogs.questions.isEmpty());
    EXPECT_EQ(menuShows, 1);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::FrmTimeData));
    EXPECT_EQ(test.files.contents(kCriteriaFile), encodeLines(criteriaLines()));
}

TEST_F(CriteriaEditor, ReloadDropsTheMarksButLeavingStillAsks)
{
    FrmTimeData& screen = open();
    key(screen, Qt::Key_7);
    screen.Command2->click();
    EXPECT_EQ(cell(screen, 1, 1), u"60"_s);
    EXPECT_FALSE(marked(screen, 1, 1));
    EXPECT_EQ(screen.Gridinputtext->text(), u"60"_s);
    test.dialogs.answers = {false};
    screen.Command4->click();
    ASSERT_EQ(test.dialogs.questions.size(), 1);
    EXPECT_EQ(test.dialogs.questions[0].text, u"データが変更されています。記録しますか？"_s);
    EXPECT_EQ(test.dialogs.questions[0].title, u"注意"_s);
    EXPECT_EQ(test.dialogs.questions[0].buttons, u"YesNo"_s);
    EXPECT_EQ(menuShows, 1);
    EXPECT_EQ(test.files.contents(kCriteriaFile), encodeLines(criteriaLines()));
}

TEST_F(CriteriaEditor, SavingWritesEveryRowWithElevenCommasAndTheNextRunUsesIt)
{
    FrmTimeData& screen = open();
    key(screen, Qt::Key_Space);
    QTest::keyClicks(screen.Gridinputtext, u"33"_s);
    screen.Command3->click();
    EXPECT_FALSE(screen.CriteriaChanged);
    EXPECT_TRUE(marked(screen, 1, 1)); // the marks stay after saving
    const QByteArray bytes = test.files.contents(kCriteriaFile);
    QStringList expected = criteriaLines();
    expected[1] = u"33,120,100,5,1.5,10,500,7,3,,,"_s;
    EXPECT_EQ(bytes, encodeLines(expected));
    for (const QString& line : decodeCp932(bytes).split(u"\r\n"_s, Qt::SkipEmptyParts))
        EXPECT_EQ(line.count(u','), 11) << line.toStdString();
    EXPECT_EQ(test.state.Criteria.TargetTime[1], 33);
    EXPECT_EQ(test.state.Criteria.PointMultiplier[1], 1.5f);
    screen.Command4->click();
    EXPECT_TRUE(test.dialogs.questions.isEmpty());
}

// The grid shows 35 levels of twelve values; a save keeps what it does not show.
TEST_F(CriteriaEditor, SavingKeepsTheValuesAndLinesBeyondTheGrid)
{
    QStringList lines{kTitleLine + u",備考"_s};
    for (int level = 1; level <= 35; ++level)
        lines << u"%1,120,100,5,1,0,0,7,1,,,"_s.arg(40 + level);
    lines[2] += u",13番目,\"14,番目\""_s;
    lines << u"99,99,99,99,99,99,99,99,99,,,"_s << u"37行目"_s;
    test.files.put(kCriteriaFile, encodeLines(lines));
    FrmTimeData& screen = open();
    ASSERT_EQ(screen.CriteriaRowCount, 35);
    key(screen, Qt::Key_Space);
    QTest::keyClicks(screen.Gridinputtext, u"33"_s);
    screen.Command3->click();
    QStringList expected = lines;
    expected[1] = u"33,120,100,5,1,0,0,7,1,,,"_s;
    EXPECT_EQ(decodeCp932(test.files.contents(kCriteriaFile)).split(u"\r\n"_s, Qt::SkipEmptyParts), expected);
}

// The save lets the please-wait panel be painted; a key and a click that
// come meanwhile act once the file is written.
TEST_F(CriteriaEditor, AKeyAndAClickDuringTheSaveComeAfterIt)
{
    FrmTimeData& screen = open();
    key(screen, Qt::Key_Space);
    QTest::keyClicks(screen.Gridinputtext, u"33"_s);
    bool came = false;
    test.program.onProcessEvents = [&] {
        if (!came && screen.Picture6->isVisible()) {
            came = true;
            key(screen, Qt::Key_9);
            QTest::mouseClick(screen.Command4, Qt::LeftButton);
        }
        test.letEventsRun(10);
    };
    screen.Command3->click();
    ASSERT_TRUE(came);
    QStringList expected = criteriaLines();
    expected[1] = u"33,120,100,5,1.5,10,500,7,3,,,"_s;
    EXPECT_EQ(test.files.contents(kCriteriaFile), encodeLines(expected));
    EXPECT_EQ(menuShows, 0);

    test.dialogs.answers = {false};
    test.returnToEventLoop();
    EXPECT_EQ(test.dialogs.questions.size(), 1); // the 9 came after the save: leaving asks
    EXPECT_EQ(menuShows, 1);
    EXPECT_EQ(test.files.contents(kCriteriaFile), encodeLines(expected));
}

TEST_F(CriteriaEditor, CommasAndQuotesAreRefused)
{
    FrmTimeData& screen = open();
    for (const QString& typed : {u","_s, u"\""_s}) {
        QTest::keyClicks(screen.Gridinputtext, typed);
        EXPECT_EQ(cell(screen, 1, 1), u"60"_s);
        EXPECT_EQ(screen.Gridinputtext->text(), u"60"_s);
    }
    EXPECT_FALSE(screen.CriteriaChanged);
    EXPECT_FALSE(marked(screen, 1, 1));
    EXPECT_EQ(test.dialogs.messages.size(), 2);
}

TEST_F(CriteriaEditor, AnUnreadableTableIsToldAndNeverOverwritten)
{
    test.files.failures.insert(kCriteriaFile, {FileError::Kind::Other, u"Input/output error"_s, 5});
    FrmTimeData& screen = open();
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(u"Input/output error"_s));
    test.files.failures.clear();
    key(screen, Qt::Key_4);
    screen.Command3->click();
    EXPECT_EQ(test.dialogs.messages.size(), 2);
    EXPECT_EQ(test.files.contents(kCriteriaFile), encodeLines(criteriaLines()));
}

// The real disk: the temporary file cannot be made (a folder stands in its
// way), as when the disk is full or the program dies before the rename.
TEST(CriteriaEditorOnDisk, ASaveThatCannotWriteLeavesTheOldTableAndTheEdits)
{
    DiskResultsTest test;
    PosixFileSystem& disk = test.disk;
    AppContext& context = test.onDisk;
    const QString path = test.folder.filePath(kCriteriaFileName);
    ASSERT_FALSE(disk.replaceFile(path, encodeLines(criteriaLines())));
    ASSERT_TRUE(QDir(test.folder.path()).mkdir(kCriteriaFileName + u".tmp"_s));
    int menuShows = 0;
    test.navigator.registerScreen(ScreenNames::FrmTimeData, [&] { return std::make_unique<FrmTimeData>(context); });
    test.navigator.registerScreen(ScreenNames::seisekitime1, [&] { return std::make_unique<RecordingScreen>(&menuShows); });
    test.navigator.show(ScreenNames::FrmTimeData);
    auto& screen = test.navigator.screen<FrmTimeData>(ScreenNames::FrmTimeData);

    QTest::keyClick(screen.Gridinputtext, Qt::Key_9);
    test.dialogs.answers = {true};
    screen.Command4->click(); // "save?" yes, and the save fails
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(path));
    EXPECT_EQ(menuShows, 0);
    EXPECT_TRUE(screen.CriteriaChanged);
    EXPECT_EQ(screen.MSFlexGrid1->item(1, 1)->text(), u"609"_s);
    QByteArray bytes;
    ASSERT_FALSE(disk.readFile(path, bytes));
    EXPECT_EQ(bytes, encodeLines(criteriaLines()));
    test.navigator.closeAll();
}

TEST(Distribution, ClassesOfAllRunsAndOfBestRuns)
{
    QStringList emptyLines{u"レベル2 今まで0回  （★=1）"_s};
    for (int c = 0; c <= 100; ++c)
        emptyLines << QString::number(10 * c).rightJustified(4) + u'～';
    EXPECT_EQ(allRunLines(countDistribution({}), 2), emptyLines);

    const DistributionTables three = countDistribution(recordsOf({run(1, 2, 35), run(2, 2, 42), run(3, 2, 1500)}));
    const QStringList lines = allRunLines(three, 2);
    EXPECT_EQ(lines[0], u"レベル2 今まで3回  （★=1）"_s);
    EXPECT_EQ(lines[1 + 3], u"  30～★"_s);
    EXPECT_EQ(lines[1 + 4], u"  40～★"_s);
    EXPECT_EQ(lines[1 + 100], u"1000～★"_s);
    EXPECT_EQ(lines.filter(u"★"_s).size(), 4); // the header and three classes

    // One student's 35 and 42 count once, in the class of the 35; a best of
    // 400 seconds counts in class 30; level 0 is skipped.
    const DistributionTables best =
        countDistribution(recordsOf({run(1, 2, 35), run(1, 2, 42), run(2, 2, 400), run(3, 0, 12), run(4, 2, 999)}));
    EXPECT_EQ(best.BestRunClasses[3][2], 1);
    EXPECT_EQ(best.BestRunClasses[4][2], 0);
    EXPECT_EQ(best.BestRunClasses[30][2], 2);
    EXPECT_EQ(best.LevelRunTotal[0], 0);
    EXPECT_EQ(bestRunLines(best, 2)[0], u"レベル2 （★=1）"_s);
    EXPECT_EQ(bestRunLines(best, 2)[1 + 30], u" 300～★★"_s);

    // The unit is a tenth of the fullest class: 25 runs in one class are 13 stars of 2.
    std::vector<ResultRecord> many(25, run(1, 3, 55));
    const QStringList manyLines = allRunLines(countDistribution(recordsOf(many)), 3);
    EXPECT_EQ(manyLines[0], u"レベル3 今まで25回  （★=2）"_s);
    EXPECT_EQ(manyLines[1 + 5], u"  50～"_s + QString(13, u'★'));

    // A level above 50 has no class table: counted, but shown without stars.
    const DistributionTables high = countDistribution(recordsOf({run(1, 60, 35)}));
    EXPECT_EQ(allRunLines(high, 60)[0], u"レベル60 今まで1回  （★=1）"_s);
    EXPECT_EQ(allRunLines(high, 60).filter(u"★"_s).size(), 1);
    EXPECT_EQ(bestRunLines(high, 60).size(), 102);
}

TEST_F(CriteriaEditor, TheListsShowTheCurrentRowsLevelAndFollowTheResultsFile)
{
    FrmTimeData& screen = open();
    key(screen, Qt::Key_Down);
    EXPECT_EQ(items(screen.List3), allRunLines(countDistribution(test.files.contents(kTestResultsFile)), 2));
    EXPECT_EQ(items(screen.List4)[0], u"レベル2 （★=1）"_s);

    // Keys while the file stands still read nothing again.
    const int reads = test.files.reads;
    key(screen, Qt::Key_Left);
    key(screen, Qt::Key_Right);
    EXPECT_EQ(test.files.reads, reads);

    // Another computer appends a run, then corrects one in place.
    appendRecord(test.context, run(9, 2, 47));
    key(screen, Qt::Key_Right);
    EXPECT_EQ(items(screen.List3)[0], u"レベル2 今まで4回  （★=1）"_s);
    EXPECT_EQ(items(screen.List3)[1 + 4], u"  40～★★"_s);
    RecordBytes shown;
    encodeRecord(run(9, 2, 47), shown.data());
    ASSERT_EQ(correctResultRecord(test.context, 4, shown, run(9, 2, 1200)).outcome, RecordRewrite::Outcome::Written);
    clickCell(screen, 2, 1);
    EXPECT_EQ(items(screen.List3)[1 + 4], u"  40～★"_s);
    EXPECT_EQ(items(screen.List3)[1 + 100], u"1000～★★"_s);

    // After a modification too recent for its time to tell, the file is read again at every key.
    test.files.stampsSettled = false;
    appendRecord(test.context, run(9, 2, 48));
    key(screen, Qt::Key_Right);
    const int unsettledReads = test.files.reads;
    key(screen, Qt::Key_Right);
    EXPECT_GT(test.files.reads, unsettledReads);
}

TEST(DistributionOnDisk, ARunAppendedOrCorrectedJustNowShowsAtTheNextKey)
{
    DiskResultsTest test;
    AppContext& context = test.onDisk;
    DistributionCache cache;
    EXPECT_EQ(cache.refresh(context).LevelRunTotal[2], 0);
    appendRecord(context, run(1, 2, 35));
    EXPECT_EQ(cache.refresh(context).LevelRunTotal[2], 1);
    RecordBytes shown;
    encodeRecord(run(1, 2, 35), shown.data());
    ASSERT_EQ(correctResultRecord(context, 1, shown, run(1, 2, 75)).outcome, RecordRewrite::Outcome::Written);
    EXPECT_EQ(cache.refresh(context).AllRunClasses[7][2], 1); // same size, within the same moment
}
} // namespace
