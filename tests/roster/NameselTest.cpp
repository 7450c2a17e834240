// The name selection screen: the list it draws, choosing a name with the
// mouse and the keys, signing in, the class box, the version dialog and
// leaving to the program menu.
#include "roster/namesel.h"

#include "foundation/ScreenNames.h"
#include "foundation/frmver.h"
#include "platform/TextFile.h"
#include "results/ResultsFile.h"
#include "roster/NameList.h"
#include "../results/ResultsTestSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {
const QString kDataRoot = u"/data/"_s;
const QString F = u"　"_s;

// School year 2026 (the test clock's date is 9 December 2026).
QString rosterLine(int studentNo, int grade, const QString& name, int status = 0)
{
    return u"%1,%2,0,0,\"%3\",%4,\"\",\"\""_s.arg(studentNo).arg(2026 - grade - 6).arg(name).arg(status);
}

class NameselTest : public ::testing::Test {
protected:
    ResultsTest test;
    int menuActivations = 0;

    void SetUp() override
    {
        SharedState& state = test.state;
        state.DataRoot = kDataRoot;
        state.SchoolYearStartMonth = 4;
        state.CommonSetting3 = u"0"_s;
        state.SeasonColour = QColor(192, 255, 192);
        state.SoundFolder = u"/sounds/"_s;
        state.Sounds[1][WrongSound2] = u"ブー"_s;
        state.Sounds[kSoundCountRow][WrongSound2] = u"1"_s;
        state.Criteria.TargetTime[1] = 60;
        state.Criteria.PointMultiplier[1] = 1;
        writeRoster({rosterLine(18, 3, u"井上"_s), rosterLine(21, 2, u"清水"_s), rosterLine(22, 2, u"山崎"_s),
                     rosterLine(30, 0, u"石川"_s), rosterLine(36, 9, u"長谷川"_s, 1)});
        Navigator& navigator = test.navigator;
        navigator.registerScreen(ScreenNames::namesel, [this] { return std::make_unique<namesel>(test.context); });
        navigator.registerScreen(ScreenNames::frmver, [this] { return std::make_unique<frmver>(test.context); });
        navigator.registerScreen(ScreenNames::seisekitime1,
                                 [this] { return std::make_unique<RecordingScreen>(&menuActivations); });
    }

    void writeRoster(const QStringList& lines) { test.files.put(kDataRoot + kRosterFileName, encodeLines(lines)); }

    namesel& open()
    {
        test.navigator.show(ScreenNames::namesel);
        return test.navigator.screen<namesel>(ScreenNames::namesel);
    }

    static int rowOf(const namesel& screen, const QString& start)
    {
        for (int row = 1; row < screen.List1->count(); ++row)
            if (screen.List1->item(row)->text().startsWith(start))
                return row;
        return -1;
    }

    static QStringList rows(const namesel& screen)
    {
        QStringList texts;
        for (int row = 0; row < screen.List1->count(); ++row)
            texts << screen.List1->item(row)->text();
        return texts;
    }

    void select(namesel& screen, const QString& start)
    {
        const int row = rowOf(screen, start);
        ASSERT_GT(row, 0) << start.toStdString();
        screen.List1->setCurrentRow(row);
    }
};

TEST_F(NameselTest, OpensWithPointsOfTodayAndSoFarForEveryListedStudent)
{
    // Student 18 ran level 1 today in 30 s and 40 s, and once yesterday.
    test.files.put(kTestResultsFile, recordBytes({runRecord(test.today().addDays(-1), 18, 1, 60),
                                                  runRecord(test.today(), 18, 1, 30),
                                                  runRecord(test.today(), 18, 1, 40)}));
    namesel& screen = open();
    EXPECT_EQ(screen.windowTitle(), u"elvanto"_s);
    EXPECT_EQ(screen.Label4->text(), u"ミナモドリル"_s);
    EXPECT_EQ(screen.DisplayOption, 1);
    EXPECT_TRUE(screen.Option1[1]->isChecked());
    EXPECT_EQ(screen.Combo1->count(), 12);
    EXPECT_EQ(screen.Combo1->itemText(11), u"小１"_s);
    EXPECT_EQ(screen.Combo1->currentText(), u"全学年"_s);
    EXPECT_EQ(test.state.SelectedClass, u"全学年"_s);
    EXPECT_EQ(screen.Label1->text(), u"名前を選びなさい"_s);
    EXPECT_EQ(screen.List1->currentRow(), 0);
    EXPECT_TRUE(screen.Picture5->isHidden());
    EXPECT_TRUE(screen.Picture8->isHidden());

    const StudentFigures inoue = studentFigures(test.state, 18);
    ASSERT_GT(inoue.TodayPoints, 0);
    ASSERT_GT(inoue.Points, inoue.TodayPoints);
    const QString figures = u"%1/%2"_s.arg(inoue.TodayPoints, 4).arg(inoue.Points, 7);
    EXPECT_EQ(rows(screen), QStringList({kNameListHeader,
                                         u"幼3 石川"_s + F + F + F + F + u"  "_s + F + u"/       "_s,
                                         u"小2 清水"_s + F + F + F + F + u"  "_s + F + u"/       "_s,
                                         u"小2 山崎"_s + F + F + F + F + u"  "_s + F + u"/       "_s,
                                         u"小3 井上"_s + F + F + F + F + figures}));
    EXPECT_EQ(test.state.RosterNumbers, std::vector<int>({18, 21, 22, 30}));
    EXPECT_EQ(test.state.StudentGrades[36], u"中３"_s); // not listed, still entered
}

TEST_F(NameselTest, ChoosingARowShowsTheNameAndADoubleClickSignsIn)
{
    namesel& screen = open();
    select(screen, u"小3 井上"_s);
    EXPECT_EQ(screen.Label1->text(), u"小3 井上"_s + F + F + F + F);
    EXPECT_EQ(screen.Label2->text(), u"18"_s);
    screen.List1->setCurrentRow(0);
    EXPECT_EQ(screen.Label1->text(), u"名前を選びなさい"_s);

    test.clock.advance(1500); // 10:00:01.5 rounds to the even 36002
    const int row = rowOf(screen, u"小3 井上"_s);
    screen.List1->setCurrentRow(row);
    emit screen.List1->itemDoubleClicked(screen.List1->item(row));
    EXPECT_EQ(screen.Label1->text(), u"小3 井上"_s + F + F + F + F + u"  "_s + F);
    EXPECT_EQ(menuActivations, 1);
    EXPECT_EQ(test.state.CurrentStudentNo, 18);
    EXPECT_EQ(test.state.CurrentStudentName, u"井上"_s.leftJustified(20));
    EXPECT_EQ(test.state.CurrentStudentGrade, u"小３"_s);
    EXPECT_EQ(test.state.LoginTime, 36002);
    EXPECT_TRUE(screen.Command14->isHidden());
    EXPECT_FALSE(screen.Picture5->isHidden());
    EXPECT_EQ(test.state.LevelCount, 5); // the level catalogue is filled
}

TEST_F(NameselTest, KeysOneAndZeroBeforeAndAfterSigningIn)
{
    namesel& screen = open();
    // "1" on the header row: the wrong-answer cue, nothing else.
    QTest::keyClick(screen.Option1[2], Qt::Key_1);
    EXPECT_EQ(test.sound.played, QStringList{u"/sounds/ブー.wav"_s});
    EXPECT_EQ(menuActivations, 0);
    EXPECT_FALSE(screen.Option1[2]->isChecked());

    select(screen, u"小2 清水"_s);
    QTest::keyClick(screen.Combo1, Qt::Key_1); // from whichever control has the focus
    EXPECT_EQ(menuActivations, 1);
    EXPECT_EQ(test.state.CurrentStudentNo, 21);

    // Once signed in, "1" does nothing more.
    select(screen, u"小2 山崎"_s);
    QTest::keyClick(screen.List1, Qt::Key_1);
    QTest::keyClick(screen.List1, Qt::Key_Return);
    EXPECT_EQ(test.state.CurrentStudentNo, 21);
    EXPECT_EQ(test.sound.played.size(), 1);

    // "0" still leaves for the program menu.
    EXPECT_THROW(
        try { QTest::keyClick(screen.List1, Qt::Key_0); } catch (const ProgramEnded& end) {
            EXPECT_EQ(end.exitStatus, 0);
            throw;
        },
        ProgramEnded);
    ASSERT_EQ(test.program.started.size(), 1);
    EXPECT_EQ(test.program.started[0].program, test.program.programFolder + u"/../起動/プログラムメニューc.exe"_s);
    EXPECT_EQ(test.program.started[0].arguments, QStringList{u"001"_s});
}

TEST_F(NameselTest, EnterAndSpaceInTheListSignIn)
{
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        namesel& screen = open();
        select(screen, u"小3 井上"_s);
        QTest::keyClick(screen.List1, key);
        EXPECT_EQ(test.state.CurrentStudentNo, 18);
        test.navigator.closeAll();
        test.state.CurrentStudentNo = 0;
    }
    EXPECT_EQ(menuActivations, 2);
}

TEST_F(NameselTest, TheClassBoxNarrowsTheListAndTheVersionDialogResetsTheSharedClass)
{
    namesel& screen = open();
    screen.Combo1->setCurrentText(u"小２"_s);
    emit screen.Combo1->activated(screen.Combo1->currentIndex());
    EXPECT_EQ(test.state.SelectedClass, u"小２"_s);
    const QStringList second = rows(screen);
    ASSERT_EQ(second.size(), 3);
    EXPECT_TRUE(second[1].startsWith(u"小2 清水"_s));
    EXPECT_TRUE(second[2].startsWith(u"小2 山崎"_s));

    QTest::mouseClick(screen.Label4, Qt::LeftButton);
    ASSERT_EQ(test.navigator.frontScreen(), ScreenNames::frmver);
    auto& dialog = test.navigator.screen<frmver>(ScreenNames::frmver);
    EXPECT_EQ(dialog.x(), screen.x() + (screen.width() - dialog.width()) / 2);
    EXPECT_EQ(dialog.y(), screen.y() + (screen.height() - dialog.height()) / 2);
    dialog.Command1->click();
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::namesel);
    EXPECT_EQ(test.state.SelectedClass, u"全学年"_s);
    EXPECT_EQ(screen.Combo1->currentText(), u"小２"_s);
    EXPECT_EQ(screen.Combo1->count(), 12);
    EXPECT_EQ(rows(screen).size(), 3);
}

TEST_F(NameselTest, EachOptionRedrawsTheList)
{
    test.files.put(kTestResultsFile, recordBytes({runRecord(test.today(), 18, 1, 30)}));
    namesel& screen = open();
    const StudentFigures inoue = studentFigures(test.state, 18);
    const QString start = u"小3 井上"_s + F + F + F + F;
    const QString expected[] = {
        start + u"  1回/    1回"_s,
        start + u"%1/%2"_s.arg(inoue.TodayPoints, 4).arg(inoue.Points, 7),
        start + u"%1/  1回"_s.arg(inoue.TodayPoints, 4),
        start + u"%1/    1回"_s.arg(inoue.Points, 7),
    };
    for (int option : {3, 2, 0, 1}) {
        screen.Option1[option]->click();
        EXPECT_EQ(screen.DisplayOption, option);
        EXPECT_EQ(screen.List1->item(rowOf(screen, start))->text(), expected[option]);
    }
}

TEST_F(NameselTest, TheDevelopmentLayoutShowsItsNotice)
{
    test.state.DevelopmentLayout = true;
    EXPECT_FALSE(open().Picture8->isHidden());
}

TEST_F(NameselTest, AMissingRosterListsNobodySaysWhyAndLetsTheChildLeave)
{
    test.files.failures.insert(kDataRoot + kRosterFileName,
                               FileError{FileError::Kind::NotFound, u"No such file or directory"_s, 2});
    namesel& screen = open();
    EXPECT_EQ(rows(screen), QStringList{kNameListHeader});
    ASSERT_FALSE(test.dialogs.messages.isEmpty());
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(kDataRoot + kRosterFileName));
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(u"No such file or directory"_s));
    EXPECT_THROW(QTest::keyClick(screen.List1, Qt::Key_0), ProgramEnded);
}
} // namespace
