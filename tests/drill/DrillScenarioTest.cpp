// Whole runs on the drill screen, played the way a child plays them: the
// problem is read from the screen and the answer typed key by key.

#include "drill/AnswerInput.h"
#include "drill/MainFrm.h"
#include "drill/RunEnd.h"
#include "drill/Shapes.h"
#include "foundation/BASEFRM.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/RunStart.h"
#include "foundation/ScreenNames.h"
#include "results/ResultsTestSupport.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

#include <random>

namespace {
constexpr int kStudent = 3;
const QString kSounds = QStringLiteral("/data/音フォルダ/");

class DrillRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        SharedState& state = test.state;
        fillLevelCatalogue(state);
        state.ProgramTitle = QStringLiteral("ミナモドリル");
        state.SchoolName = QStringLiteral("みなも塾");
        state.CurrentStudentNo = kStudent;
        state.CurrentStudentName = QStringLiteral("  山田　花子 ");
        state.LoginTime = 10 * 3600 - 330;
        state.SoundFolder = kSounds;
        state.Sounds[1][CorrectSound2] = "seikai1";
        state.Sounds[kSoundCountRow][CorrectSound2] = "1";
        state.Sounds[1][WrongSound2] = "batu1";
        state.Sounds[kSoundCountRow][WrongSound2] = "1";
        for (int level = 1; level <= 5; ++level) {
            state.Criteria.TargetTime[level] = 40;
            state.Criteria.MinimumTime[level] = 60;
            state.Criteria.PointMultiplier[level] = 1;
        }
        std::mt19937 engine(7);
        std::uniform_real_distribution<double> uniform(0.0, 1.0);
        for (int i = 0; i < 5000; ++i)
            test.random.values.push_back(uniform(engine));

        test.navigator.registerScreen(ScreenNames::MainFrm, [this] {
            auto screen = std::make_unique<MainFrm>(test.context);
            drill = screen.get();
            return screen;
        });
        test.navigator.registerScreen(ScreenNames::BASEFRM, [this] { return std::make_unique<BASEFRM>(test.context); });
        test.navigator.registerScreen(ScreenNames::seisekitime1,
                                      [this] { return std::make_unique<RecordingScreen>(&menuActivations); });
        test.navigator.registerScreen(ScreenNames::FrmSyuuryou, [this] {
            return std::make_unique<RecordingScreen>(&completionActivations);
        });
    }

    // Closed screens are deleted once events run; here that is now.
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void start(int level)
    {
        test.state.CurrentLevel = level;
        StartRun(test.context);
        startedAt = test.clock.elapsedMilliseconds();
    }

    int shownAnswer() const
    {
        const int a = drill->Keisan2Lbl2[0]->text().toInt();
        const int b = drill->Keisan2Lbl2[1]->text().toInt();
        return drill->Keisan2Lbl3[0]->text() == QStringLiteral("＋") ? a + b : a - b;
    }
    // Each key's handler returns to the event loop before the next key.
    void type(const QString& keys)
    {
        for (const QChar key : keys) {
            QTest::keyClick(drill, key.toLatin1());
            test.returnToEventLoop();
        }
    }
    void answer(int value) { type(QString::number(value) + u' '); }
    void answerCorrectly(int times = 1)
    {
        for (int i = 0; i < times; ++i)
            answer(shownAnswer());
    }
    void answerWrongly() { answer(shownAnswer() + 1); }

    std::vector<ResultRecord> records() const { return decodedRecords(test.files.contents(kTestResultsFile)); }
    QStringList soundsPlayed(const QString& file) const { return test.sound.played.filter(kSounds + file); }
    // Moves virtual time to the given milliseconds since the run started.
    void advanceTo(qint64 milliseconds) { test.clock.advance(startedAt + milliseconds - test.clock.elapsedMilliseconds()); }
    qint64 sinceStart() const { return test.clock.elapsedMilliseconds() - startedAt; }

    ResultsTest test;
    MainFrm* drill = nullptr;
    qint64 startedAt = 0;
    int menuActivations = 0;
    int completionActivations = 0;
};

bool correctionShown(const MainFrm& screen)
{
    return screen.Keisan2Lbl4[0]->isVisibleTo(screen.Keisan2BasePic) &&
           screen.Line1->isVisibleTo(screen.Keisan2BasePic) && screen.Label1->isVisibleTo(screen.Keisan2BasePic);
}

TEST_F(DrillRun, TwentyNetCorrectAnswersRecordOneRunAndOpenTheCompletionScreen)
{
    start(1);
    EXPECT_EQ(drill->sLabel9->text(), "20");
    for (int i = 0; i < 19; ++i) {
        test.clock.advance(2000);
        answerCorrectly();
    }
    EXPECT_EQ(drill->sLabel9->text(), "1");
    answerWrongly(); // 19 → 18
    EXPECT_EQ(drill->sLabel9->text(), "2");
    type("++");
    answerCorrectly();
    EXPECT_EQ(completionActivations, 0);
    test.clock.advance(1500);
    const QString lastAnswer = QString::number(shownAnswer());
    const qint64 endedAt = test.clock.elapsedMilliseconds();
    type(lastAnswer + u' ');

    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), lastAnswer); // no further problem was drawn
    EXPECT_TRUE(drill->sPicture2->isVisibleTo(drill));
    EXPECT_TRUE(drill->lblsss1->isVisibleTo(drill));
    EXPECT_FALSE(drill->lblsss2->isVisibleTo(drill));
    EXPECT_EQ(drill->sLabel9->text(), "0");
    EXPECT_EQ(completionActivations, 1);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::MainFrm));
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::FrmSyuuryou);
    EXPECT_GE(test.clock.elapsedMilliseconds() - endedAt, 1000); // a second under the please-wait screen

    ASSERT_EQ(records().size(), 1u);
    const ResultRecord run = records()[0];
    EXPECT_EQ(run.StudentNo, kStudent);
    EXPECT_EQ(run.Level, 1);
    EXPECT_EQ(run.Seconds, 39); // as the last tick before the last answer counted it
    EXPECT_EQ(test.state.RecordedTime, 39);
    EXPECT_TRUE(test.state.NewBestFlag);
    EXPECT_EQ(soundsPlayed("seikai1.wav").size(), 21);
    EXPECT_EQ(soundsPlayed("batu1.wav").size(), 1);
}

// The sounds take their time, as real ones do, and a child may press Space
// once more while the right-answer sound plays (a double tap).
class DrillWithSounds : public DrillRun {
protected:
    static constexpr int kSoundMs = 1200; // longer than a tick of the run clock

    void SetUp() override
    {
        DrillRun::SetUp();
        test.soundsTake(kSoundMs, [this](const QString& wavPath, int played) {
            if (secondSpace && played == 40 && wavPath.endsWith(QStringLiteral("seikai1.wav"))) {
                secondSpace = false;
                QTest::keyClick(drill, Qt::Key_Space);
            }
        });
    }

    bool secondSpace = false;
};

TEST_F(DrillWithSounds, ASecondSpaceDuringTheRightAnswerSoundIsAnEmptyAnswerToTheNextProblem)
{
    start(3);
    test.clock.advance(2000);
    secondSpace = true;
    answerCorrectly();

    EXPECT_EQ(test.state.Drill.CorrectCount, 0); // one right, then one wrong
    EXPECT_EQ(drill->sLabel9->text(), "20");
    EXPECT_TRUE(correctionShown(*drill));
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), ""); // the next problem, answered with nothing
    EXPECT_EQ(drill->Keisan2Lbl4[0]->text(), QString::number(shownAnswer()));
    EXPECT_EQ(soundsPlayed("seikai1.wav").size(), 1);
    EXPECT_EQ(soundsPlayed("batu1.wav").size(), 1);
    type("++");
    EXPECT_FALSE(correctionShown(*drill));
    answerCorrectly();
    EXPECT_EQ(drill->sLabel9->text(), "19");
}

TEST_F(DrillWithSounds, ARunWithDoubleTapsNeedsTwentyMoreRightThanWrongAnswersAndRecordsTheLastTick)
{
    start(3);
    int right = 0, wrong = 0, lastTick = -1;
    while (completionActivations == 0 && right < 60) {
        test.clock.advance(800);
        secondSpace = right % 2 == 0; // every other answer
        const int before = test.state.Drill.CorrectCount;
        if (before == 19)
            lastTick = test.state.ElapsedSeconds;
        answerCorrectly();
        ++right;
        if (completionActivations == 0 && correctionShown(*drill)) {
            ++wrong;
            EXPECT_EQ(test.state.Drill.CorrectCount, before);
            type("++");
        }
    }
    EXPECT_EQ(completionActivations, 1);
    EXPECT_EQ(right, 39); // the 20th comes with a double tap, which finds the run over
    EXPECT_EQ(wrong, 19);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_GT(lastTick, 0);
    EXPECT_EQ(records()[0].Seconds, lastTick); // no tick ran during the last sound
}

TEST_F(DrillRun, AKeyThatComesWhileTheLastAnswerIsRecordedIsIgnored)
{
    start(1);
    answerCorrectly(19);
    bool keyCame = false, stillJudging = false;
    test.program.onProcessEvents = [&] {
        test.letEventsRun(10);
        if (test.state.Drill.RunFinished && !keyCame) {
            keyCame = true;
            QTest::keyClick(drill, Qt::Key_Space);
            stillJudging = test.state.Drill.JudgingBusy;
        }
    };
    answerCorrectly();
    EXPECT_TRUE(keyCame);
    EXPECT_TRUE(stillJudging);
    EXPECT_EQ(records().size(), 1u);
}

// Counts the keys and clicks that reach a widget.
class InputCounter final : public QObject {
public:
    int count = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::MouseButtonPress)
            ++count;
        return false;
    }
};

TEST_F(DrillRun, WhileAnotherComputerHoldsTheFileTheRunWaitsAndKeysAndClicksComeAfterIt)
{
    start(1);
    answerCorrectly(19);
    test.clock.advance(2500);
    InputCounter reachedTheDrill;
    drill->installEventFilter(&reachedTheDrill);
    test.files.lockHeldByOtherTries = 3;
    int beforeTheWait = -1, atTheEndOfTheWait = -1;
    test.program.onWait = [&](int milliseconds) {
        if (beforeTheWait < 0) {
            beforeTheWait = reachedTheDrill.count;
            QTest::keyClick(drill, Qt::Key_5);
            QTest::mouseClick(drill, Qt::LeftButton);
        }
        test.letEventsRun(milliseconds);
        if (test.files.lockHeldByOtherTries == 0 && atTheEndOfTheWait < 0)
            atTheEndOfTheWait = reachedTheDrill.count;
    };
    const qint64 answeredAt = test.clock.elapsedMilliseconds();
    answerCorrectly();
    EXPECT_EQ(atTheEndOfTheWait, beforeTheWait);
    EXPECT_EQ(reachedTheDrill.count, beforeTheWait + 2); // after the wait
    EXPECT_GE(test.clock.elapsedMilliseconds() - answeredAt, 3000);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].Seconds, 2); // the time of the last answer, not of the wait
    EXPECT_EQ(completionActivations, 1);
}

TEST_F(DrillRun, WrongAnswerShowsTheCorrectionUntilPlusIsPressedTwiceInARow)
{
    start(1);
    for (int i = 0; i < 3; ++i) { // three wrong answers at the start: nothing to take back
        answerWrongly();
        type("++");
    }
    EXPECT_EQ(drill->sLabel9->text(), "20");

    const int correct = shownAnswer();
    answer(correct + 1);
    EXPECT_TRUE(correctionShown(*drill));
    EXPECT_EQ(drill->Keisan2Lbl4[0]->text(), QString::number(correct));
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), QString::number(correct + 1)); // stays visible under the cross
    EXPECT_TRUE(drill->Keisan2Lbl5[0]->isVisibleTo(drill));

    // Nothing but "+" counts: no typing, clearing or submitting meanwhile.
    type("7");
    QTest::keyClick(drill, Qt::Key_Delete);
    QTest::keyClick(drill, Qt::Key_Up);
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), QString::number(correct + 1));
    type("+5+");
    EXPECT_TRUE(correctionShown(*drill));
    type("+ ");  // "+" then Space starts the count again
    EXPECT_TRUE(correctionShown(*drill));
    EXPECT_EQ(test.state.Drill.PlusState, 1);
    type("+");
    EXPECT_TRUE(correctionShown(*drill));
    type("+");
    EXPECT_FALSE(correctionShown(*drill));
    EXPECT_FALSE(drill->Keisan2Lbl5[0]->isVisibleTo(drill));
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), ""); // the next problem waits
    EXPECT_EQ(test.state.Drill.PlusState, 0);
    answerCorrectly();
    EXPECT_EQ(drill->sLabel9->text(), "19");
}

TEST_F(DrillRun, EnterAndEscTypeNothingYetRestartThePlusCountAndMeetTheLimit)
{
    start(1);
    const std::pair<Qt::Key, Qt::KeyboardModifiers> controls[] = {
        {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}, {Qt::Key_Escape, Qt::NoModifier}};
    int warnings = 0;
    for (const auto& [key, modifiers] : controls) {
        type("1");
        QTest::keyClick(drill, key, modifiers);
        EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "1") << "key " << std::hex << key;
        QTest::keyClick(drill, Qt::Key_Down);

        answerWrongly();
        type("+");
        QTest::keyClick(drill, key, modifiers); // the two "+" must come in a row
        type("+");
        EXPECT_TRUE(correctionShown(*drill)) << "key " << std::hex << key;
        type("+");
        EXPECT_FALSE(correctionShown(*drill)) << "key " << std::hex << key;

        type(QString(kInputLimit, u'0'));
        QTest::keyClick(drill, key, modifiers);
        EXPECT_EQ(soundsPlayed("警告1.wav").size(), ++warnings) << "key " << std::hex << key;
        EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), QString(kInputLimit, u'0'));
        QTest::keyClick(drill, Qt::Key_Down);
    }
}

TEST_F(DrillRun, TypingEditsTheAnswerBoxAndRefusesATwentyFourthCharacter)
{
    start(1);
    type("12");
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "12");
    QTest::keyClick(drill, Qt::Key_Backspace);
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "1");
    QTest::keyClick(drill, Qt::Key_Right); // one box: stays, keeps its text
    type("a+=");                            // not answer characters
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "1");
    QTest::keyClick(drill, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "");
    QTest::keyClick(drill, Qt::Key_4, Qt::KeypadModifier);
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "4");
    QTest::keyClick(drill, Qt::Key_Down);
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "");

    type("0000000000000000000000*"); // 23 characters
    EXPECT_TRUE(soundsPlayed("警告1.wav").isEmpty());
    type("5+");
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text().size(), 23);
    EXPECT_EQ(soundsPlayed("警告1.wav").size(), 2);
    QTest::keyClick(drill, Qt::Key_Backspace);
    type("1");
    EXPECT_EQ(drill->Keisan2Lbl1[0]->text(), "0000000000000000000000" "1");
}

TEST_F(DrillRun, AnswersAreJudgedByTheirLeadingNumber)
{
    start(1);
    const std::pair<QString, bool> typed[] = {{"0%1", true}, {"%1.", true}, {"%1-", true},
                                              {"-%1", false}, {"", false}, {"*%1", false}};
    for (const auto& [pattern, correct] : typed) {
        const QString text = pattern.contains("%1") ? pattern.arg(shownAnswer()) : pattern;
        const int before = test.state.Drill.CorrectCount;
        type(text + u' ');
        EXPECT_EQ(test.state.Drill.CorrectCount, correct ? before + 1 : std::max(before - 1, 0)) << text.toStdString();
        if (!correct)
            type("++");
    }
}

struct TimeOutCase {
    const char* name;
    bool inCorrection;
};

class DrillTimeOut : public DrillRun, public ::testing::WithParamInterface<TimeOutCase> {};

TEST_P(DrillTimeOut, TheFirstTickAtFiveTimesTheMinimumTimeRecordsATimeOut)
{
    start(2);
    answerCorrectly(3);
    advanceTo(290'000);
    if (GetParam().inCorrection)
        answerWrongly();
    advanceTo(299'500);
    EXPECT_TRUE(records().empty());
    EXPECT_FALSE(drill->sPicture2->isVisibleTo(drill));

    QPointer<MainFrm> screen = drill;
    advanceTo(300'000);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].Seconds, kNoTime);
    EXPECT_TRUE(test.state.TimeOutFlag);
    ASSERT_TRUE(screen);
    EXPECT_TRUE(screen->lblsss2->isVisibleTo(screen));
    EXPECT_FALSE(screen->lblsss1->isVisibleTo(screen));
    EXPECT_EQ(screen->sShape2->width(), screen->sShape5->width());
    EXPECT_EQ(completionActivations, 1);

    // Keys after the end change nothing.
    screen->KeyDown(SpaceKey, false);
    screen->KeyPress(u'+');
    test.clock.advance(5000);
    EXPECT_EQ(records().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(AnyState, DrillTimeOut,
                         ::testing::Values(TimeOutCase{"WhileAProblemWaits", false},
                                           TimeOutCase{"DuringACorrection", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(DrillRun, ATimeOutFallingDuringAJudgementIsTakenAtTheNextTick)
{
    start(1);
    advanceTo(299'995);
    answerWrongly(); // lets events run for 10 ms while judging: the 300 s tick falls inside
    EXPECT_TRUE(records().empty());
    EXPECT_TRUE(correctionShown(*drill));
    advanceTo(301'000);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].Seconds, kNoTime);
}

// The last answer and the time-out tick meet: whichever comes first ends
// the run, and it is recorded once.
TEST_F(DrillRun, TheLastAnswerAndTheTimeOutTickMeetAndTheRunIsRecordedOnce)
{
    const std::pair<int, int> cases[] = {{1, 300}, {2, kNoTime}}; // answer in the tick's events, or in the end's
    for (const auto& [eventRound, recorded] : cases) {
        test.files.put(kTestResultsFile, {});
        start(1);
        answerCorrectly(19);
        const QString last = QString::number(shownAnswer()) + u' ';
        int roundsAtTimeLimit = 0;
        test.program.onProcessEvents = [&] {
            test.clock.advance(10);
            if (sinceStart() > 300'000 && ++roundsAtTimeLimit == eventRound)
                type(last);
        };
        advanceTo(305'000);
        test.program.onProcessEvents = [this] { test.clock.advance(10); };
        ASSERT_EQ(records().size(), 1u) << "answer in round " << eventRound;
        EXPECT_EQ(records()[0].Seconds, recorded);
        FinishRun(test.context); // a late call of the same run records nothing more
        EXPECT_EQ(records().size(), 1u);
    }
}

TEST_F(DrillRun, PracticeRunsGoBackToTheMenuUnrecorded)
{
    test.state.LevelNames[1] = QStringLiteral("レベル１練習");
    start(1);
    EXPECT_EQ(drill->sLabel12->text(), "－");
    EXPECT_EQ(drill->sLabel11->text(), "－");
    answerCorrectly(20);
    EXPECT_TRUE(test.files.contents(kTestResultsFile).isEmpty());
    EXPECT_EQ(menuActivations, 1);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::seisekitime1);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::MainFrm));
    EXPECT_EQ(completionActivations, 0);
}

TEST_F(DrillRun, TheFourthFailedAnswerSoundEndsTheProgram)
{
    start(1);
    test.sound.failAll = true;
    answerCorrectly(3);
    EXPECT_TRUE(test.dialogs.messages.isEmpty());
    drill->KeyPress(static_cast<char16_t>(u'0' + shownAnswer() % 10));
    EXPECT_THROW(drill->KeyDown(SpaceKey, false), ProgramEnded);
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_EQ(test.dialogs.messages[0].title, "音声エラー");
    EXPECT_TRUE(test.dialogs.messages[0].text.startsWith("音声がでません。先生を呼びなさい。\r\n"));
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::MainFrm));
}

TEST_F(DrillRun, HeaderShowsTheStudentTheDayAndTheTimeBar)
{
    test.state.Tallies(1, kStudent).TodayRunCount = 2;
    test.state.Tallies(4, kStudent).TodayRunCount = 1;
    test.state.Tallies(16, kStudent).TodayRunCount = 5; // above level 15: not in today's count here
    test.state.ProgramTitle = QStringLiteral("１２３４５６７８９");
    start(1);
    EXPECT_EQ(drill->windowTitle(), "楠野塾");
    EXPECT_DOUBLE_EQ(drill->sLabel2->font().pointSizeF(), 16.8);
    EXPECT_EQ(drill->sLabel7->text(), QStringLiteral("山田　花子"));
    EXPECT_EQ(drill->sLabel8->text(), QStringLiteral("繰り上がりなし"));
    EXPECT_EQ(drill->sLabel14->text(), QStringLiteral("みなも塾"));
    EXPECT_EQ(drill->sLabel12->text(), "4");
    EXPECT_EQ(drill->sLabel11->text(), "3");
    EXPECT_EQ(drill->sLabel13->text(), "5");
    EXPECT_EQ(drill->sLabel10->text(), "0");
    EXPECT_EQ(test.state.Drill.TimeLimit, 300);
    const int bar = drill->sShape5->width();
    EXPECT_EQ(drill->sShape3->width(), bar * 40 / 300);
    EXPECT_EQ(drill->sShape4->width(), bar * 60 / 300);
    EXPECT_EQ(drill->sShape2->width(), 0);
    test.clock.advance(30'000);
    EXPECT_EQ(drill->sLabel13->text(), "6"); // refreshed every ten seconds
    EXPECT_EQ(drill->sLabel10->text(), "30");
    EXPECT_EQ(drill->sShape2->width(), bar * 30 / 300);

    test.navigator.close(ScreenNames::MainFrm);
    test.state.ProgramTitle += u'０';
    StartRun(test.context);
    EXPECT_DOUBLE_EQ(drill->sLabel2->font().pointSizeF(), 14);
}

TEST_F(DrillRun, RowsOfTheHeaderEmptyAsTheRunNearsItsTimes)
{
    test.state.LevelRecord[1] = 35;
    test.state.BestTime(1, kStudent) = kNoTime;
    start(1);
    const auto shown = [this](int first) {
        int count = 0;
        for (int i = first; i < first + 10; ++i)
            count += drill->sPicture3[i]->isVisibleTo(drill);
        return count;
    };
    const struct {
        int second, best, yourBest, pass;
    } moments[] = {{25, 10, 10, 10}, {26, 9, 10, 10}, {31, 4, 10, 9}, {35, 0, 10, 5},
                   {40, 0, 10, 0},   {52, 0, 10, 0},  {80, 0, 10, 0}};
    for (const auto& moment : moments) {
        advanceTo(moment.second * 1000);
        EXPECT_EQ(shown(10), moment.best) << moment.second << " s";
        EXPECT_EQ(shown(20), moment.yourBest) << moment.second << " s";
        EXPECT_EQ(shown(30), moment.pass) << moment.second << " s";
    }
    EXPECT_TRUE(records().empty());
}

TEST_F(DrillRun, WithoutAMinimumTimeTheRunHasNoLimit)
{
    test.state.Criteria.MinimumTime[1] = 0;
    start(1);
    EXPECT_EQ(drill->sShape3->width(), 0);
    EXPECT_EQ(drill->sShape4->width(), 0);
    test.clock.advance(2000 * 1000);
    EXPECT_EQ(drill->sLabel10->text(), "2000");
    EXPECT_EQ(drill->sShape2->width(), 0);
    EXPECT_TRUE(records().empty());
    answerCorrectly(20);
    ASSERT_EQ(records().size(), 1u);
    EXPECT_EQ(records()[0].Seconds, 2000);
}

TEST_F(DrillRun, ActivatingTheScreenAgainRestartsTheClockAndKeepsTheCount)
{
    start(1);
    answerCorrectly(5);
    test.clock.advance(50'000);
    test.navigator.show(ScreenNames::seisekitime1);
    test.navigator.show(ScreenNames::MainFrm);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::seisekitime1));
    EXPECT_EQ(drill->sLabel10->text(), "0");
    EXPECT_EQ(drill->sLabel9->text(), "15");
    test.clock.advance(3000);
    EXPECT_EQ(test.state.ElapsedSeconds, 3);
}

// ---- Picture aids ----

class PictureAids : public DrillRun {
protected:
    // Draws a + b on levels 3 and 5 (uniform in lo..hi: r × (hi − lo + 1) + lo).
    void draw(int level, int a, int b)
    {
        const int lo = level == 3 ? 2 : 5, span = level == 3 ? 8 : 4;
        test.random.values.push_front((b - lo + 0.5) / span);
        test.random.values.push_front((a - lo + 0.5) / span);
        start(level);
        ASSERT_EQ(drill->Keisan2Lbl2[0]->text().toInt(), a);
        ASSERT_EQ(drill->Keisan2Lbl2[1]->text().toInt(), b);
    }
    bool visible(QWidget* widget) const { return widget->isVisibleTo(drill); }
};

TEST_F(PictureAids, TenFramesAppearAtThreeAndSixSeconds)
{
    draw(3, 8, 5);
    test.clock.advance(2990);
    EXPECT_FALSE(visible(drill->Picture1[0]) || visible(drill->Picture1[1]) || visible(drill->Label5[0]));

    test.clock.advance(10);
    EXPECT_TRUE(visible(drill->Picture1[0]));
    EXPECT_TRUE(visible(drill->Label5[0]));
    EXPECT_EQ(drill->Label5[0]->text(), QStringLiteral("あと 2 で　１０"));
    EXPECT_FALSE(visible(drill->Picture1[1]) || visible(drill->Label6) || visible(drill->Label7));
    for (int i = 1; i <= 10; ++i)
        EXPECT_EQ(drill->Shape1[i]->fillColour(), i <= 8 ? QColor(Qt::blue) : QColor(Qt::red)) << i;

    test.clock.advance(3000);
    EXPECT_TRUE(visible(drill->Picture1[1]));
    EXPECT_TRUE(visible(drill->Label8[0]));
    EXPECT_FALSE(visible(drill->Label8[1]));
    EXPECT_EQ(drill->Label6->text(), QStringLiteral("←"));
    EXPECT_EQ(drill->Label7->text(), QStringLiteral(" 2 いどう"));
    EXPECT_TRUE(visible(drill->Label6) && visible(drill->Label7));
    for (int i = 9; i <= 10; ++i)
        EXPECT_EQ(drill->Shape1[i]->fillColour(), QColor(Qt::green)) << i;
    for (int i = 11; i <= 20; ++i) {
        EXPECT_EQ(visible(drill->Shape1[i]), i <= 15) << i;
        EXPECT_EQ(visible(drill->Line3[i]), i == 14 || i == 15) << i;
    }
}

TEST_F(PictureAids, TheSecondNumberIsCompletedWhenItIsNearerToTen)
{
    draw(3, 3, 9);
    test.clock.advance(3000);
    EXPECT_TRUE(visible(drill->Picture1[1]));
    EXPECT_FALSE(visible(drill->Picture1[0]));
    EXPECT_EQ(drill->Label5[1]->text(), QStringLiteral("あと 1 で　１０"));
    test.clock.advance(3000);
    EXPECT_TRUE(visible(drill->Picture1[0]));
    EXPECT_TRUE(visible(drill->Line3[3]));
    EXPECT_EQ(drill->Shape1[20]->fillColour(), QColor(Qt::green));
    EXPECT_EQ(drill->Label6->text(), QStringLiteral("→"));
}

TEST_F(PictureAids, AnAnswerStopsTheAidWhereItStands)
{
    const std::pair<int, bool> answeredAt[] = {{2000, false}, {4000, true}}; // ms, first stage shown
    for (const auto& [milliseconds, firstStage] : answeredAt) {
        draw(3, 7, 7);
        test.clock.advance(milliseconds);
        answerWrongly(); // the correction keeps the problem, and its aid, on the screen
        test.clock.advance(10'000);
        EXPECT_EQ(visible(drill->Picture1[0]), firstStage) << milliseconds;
        EXPECT_FALSE(visible(drill->Picture1[1])) << milliseconds;
        EXPECT_FALSE(visible(drill->Label6)) << milliseconds;
        type("++");
        EXPECT_FALSE(visible(drill->Picture1[0])); // the next problem starts without it
        test.navigator.close(ScreenNames::MainFrm);
    }
}

TEST_F(PictureAids, FiveAndFiveRowsAppearAtThreeSecondsAndTheirFrameAtSix)
{
    draw(5, 7, 6);
    EXPECT_FALSE(visible(drill->Picture2));
    test.clock.advance(3000);
    EXPECT_TRUE(visible(drill->Picture2));
    EXPECT_EQ(drill->Label9[0]->text(), "7=");
    EXPECT_EQ(drill->Label9[1]->text(), "6=");
    for (int i = 1; i <= 20; ++i)
        EXPECT_EQ(visible(drill->Shape2[i]), i <= 7 || (i >= 11 && i <= 16)) << i;
    EXPECT_FALSE(visible(drill->Shape3) || visible(drill->Label9[2]));
    test.clock.advance(3000);
    EXPECT_TRUE(visible(drill->Shape3) && visible(drill->Label9[2]));
}

// What the child sees: the aids drawn on the screen image at 0, 3 and 6 s.
// Set DRILL_SCREENSHOT_DIR to keep the images.
class DrawnAids : public PictureAids {
protected:
    QImage grabAt(qint64 milliseconds, const QString& name)
    {
        advanceTo(milliseconds);
        const QImage image = drill->grab().toImage();
        if (const QString folder = qEnvironmentVariable("DRILL_SCREENSHOT_DIR"); !folder.isEmpty())
            image.save(folder + u'/' + name + QStringLiteral(".png"));
        return image;
    }
    // How many pixels of the widget's area in the screen image have the colour.
    int pixelsOf(const QImage& image, QWidget* widget, const QColor& colour) const
    {
        const QRect area(widget->mapTo(drill, QPoint(0, 0)), widget->size());
        int count = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                count += image.pixelColor(x, y) == colour;
        return count;
    }
};

TEST_F(DrawnAids, TenFramesAreDrawnInTwoStages)
{
    draw(3, 8, 5);
    const QImage atStart = grabAt(0, "level3-0s");
    const QImage atThree = grabAt(3000, "level3-3s");
    const QImage atSix = grabAt(6000, "level3-6s");
    EXPECT_EQ(atStart.size(), QSize(1024, 768));
    QWidget* first = drill->Picture1[0];
    QWidget* second = drill->Picture1[1];
    EXPECT_EQ(pixelsOf(atStart, first, Qt::blue), 0);
    EXPECT_GT(pixelsOf(atThree, first, Qt::blue), 8 * 500); // eight blue counters
    EXPECT_GT(pixelsOf(atThree, first, Qt::red), 2 * 500);  // two empty places
    EXPECT_EQ(pixelsOf(atThree, second, Qt::green), 0);
    EXPECT_EQ(pixelsOf(atSix, first, Qt::red), 0);          // the ten is filled
    EXPECT_GT(pixelsOf(atSix, second, Qt::green), 3 * 500);
    EXPECT_GT(pixelsOf(atSix, second, Qt::red), 2 * 40);    // two strokes
}

TEST_F(DrawnAids, FiveAndFiveRowsAreDrawnInTwoStages)
{
    draw(5, 7, 6);
    const QImage atStart = grabAt(0, "level5-0s");
    const QImage atThree = grabAt(3000, "level5-3s");
    const QImage atSix = grabAt(6000, "level5-6s");
    QWidget* rows = drill->Picture2;
    EXPECT_EQ(pixelsOf(atStart, rows, Qt::red), 0);
    EXPECT_GT(pixelsOf(atThree, rows, Qt::red), 13 * 500);
    EXPECT_EQ(pixelsOf(atThree, rows, Qt::blue), 0);
    EXPECT_GT(pixelsOf(atSix, rows, Qt::blue), 4 * 150); // the frame around the first fives
}

TEST_F(DrawnAids, TheCorrectionIsDrawnUnderARedCross)
{
    start(1);
    answerWrongly();
    const QImage correction = grabAt(1000, "correction");
    EXPECT_GT(pixelsOf(correction, drill->Line1, Qt::red), 2 * 200);
    EXPECT_GT(pixelsOf(correction, drill->Keisan2Lbl4[0], QColor(255, 128, 128)), 100 * 50); // the pink box
    const QImage timedOut = grabAt(300'000, "time-out");
    EXPECT_GT(pixelsOf(timedOut, drill->lblsss2, Qt::red), 500); // "時間切れ"
}
} // namespace
