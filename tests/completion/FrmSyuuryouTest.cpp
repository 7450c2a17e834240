#include "completion/FrmSyuuryou.h"
#include "foundation/PictureView.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/ScreenNames.h"
#include "results/Evaluation.h"

#include "results/ResultsTestSupport.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
constexpr int kStudent = 12;
constexpr int kOtherStudent = 13;
constexpr int kFinalLevel = 5;
const QString kSoundFolder = QStringLiteral("/data/音フォルダ/");

// The completion screen after a run recorded as the drill screen records
// it: the menu's recount before the run, EvaluateRun, the please-wait
// screen in front, then this screen.
class Completion : public ::testing::Test {
protected:
    void SetUp() override
    {
        SharedState& state = test.state;
        fillLevelCatalogue(state);
        state.CurrentStudentNo = kStudent;
        state.CurrentStudentName = QStringLiteral("  みなも　はなこ ");
        state.SoundFolder = kSoundFolder;
        giveRecording(PersonalBestSound2, QStringLiteral("jiko1"));
        giveRecording(NoRecordSound1, QStringLiteral("fugoukaku1"));
        CriteriaTable& criteria = state.Criteria;
        for (int level = 1; level <= kFinalLevel; ++level) {
            criteria.TargetTime[level] = 60;
            criteria.MinimumTime[level] = 120;
            criteria.ClearPoints[level] = 20;
            criteria.ClearCount[level] = 3;
            criteria.PointMultiplier[level] = 1.5f;
            criteria.JudgeDays[level] = 7;
            criteria.LimitDays[level] = 1;
        }

        Navigator& navigator = test.navigator;
        navigator.registerScreen(ScreenNames::FrmSyuuryou,
                                 [this] { return std::make_unique<FrmSyuuryou>(test.context); });
        navigator.registerScreen(ScreenNames::BASEFRM,
                                 [this] { return std::make_unique<RecordingScreen>(&pleaseWaits); });
        navigator.registerScreen(ScreenNames::seisekitime1,
                                 [this] { return std::make_unique<RecordingScreen>(&menus); });
        navigator.registerScreen(ScreenNames::MainFrm, [this] {
            retryRequestedAtDrillStart = test.state.RetryRequested;
            return std::make_unique<RecordingScreen>(&drillStarts);
        });
    }

    // Screens closed by the navigator are deleted once events run; here
    // that is now, so that no timer of a closed screen fires later.
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void closeCompletion()
    {
        test.navigator.close(ScreenNames::FrmSyuuryou);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void giveRecording(int category, const QString& name)
    {
        test.state.Sounds[1][category] = name;
        test.state.Sounds[kSoundCountRow][category] = QStringLiteral("1");
    }

    void history(const std::vector<ResultRecord>& records) { test.files.put(kTestResultsFile, recordBytes(records)); }
    ResultRecord earlierRun(int level, int seconds, int daysAgo = 0, int student = kStudent) const
    {
        return runRecord(test.today().addDays(-daysAgo), student, level, seconds);
    }

    FrmSyuuryou& finishRun(int level, int seconds)
    {
        SharedState& state = test.state;
        state.CurrentLevel = level;
        RecountTallies(test.context);
        state.TimeOutFlag = seconds == kNoTime;
        state.RecordedTime = seconds;
        EvaluateRun(test.context, level);
        test.navigator.show(ScreenNames::BASEFRM);
        test.navigator.show(ScreenNames::FrmSyuuryou);
        return test.navigator.screen<FrmSyuuryou>(ScreenNames::FrmSyuuryou);
    }

    QStringList played() const
    {
        QStringList files;
        for (const QString& path : test.sound.played)
            files << path.mid(kSoundFolder.size());
        return files;
    }

    ResultsTest test; // today 2026-12-09, 10:00
    int pleaseWaits = 0;
    int menus = 0;
    int drillStarts = 0;
    bool retryRequestedAtDrillStart = false;
};

TEST_F(Completion, TimeOutShowsNoRecordAndNoPointsAndPlaysNothing)
{
    FrmSyuuryou& screen = finishRun(1, kNoTime);

    EXPECT_TRUE(screen.Label20->isVisibleTo(&screen));
    EXPECT_EQ(screen.Label20->text(), QStringLiteral("時間切れ"));
    EXPECT_EQ(screen.Label18->text(), QStringLiteral("記録なし"));
    EXPECT_EQ(screen.Label19->text(), QStringLiteral("獲得ポイント：0点×1.5→0点"));
    EXPECT_TRUE(played().isEmpty());
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("終了"));
    EXPECT_EQ(screen.size(), QSize(1024, 768));
    EXPECT_EQ(screen.Image1->geometry(), QRect(0, 0, 1024, 768));
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::FrmSyuuryou);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::BASEFRM)); // the please-wait screen is gone
}

TEST_F(Completion, LevelRecordThatIsAlsoAPersonalBestPlaysOnlyTheRecordSound)
{
    history({earlierRun(1, 50, 3, kOtherStudent), earlierRun(1, 70, 3)});
    FrmSyuuryou& screen = finishRun(1, 40);

    EXPECT_EQ(screen.Label20->text(), QStringLiteral("！！！最高新記録！！！"));
    EXPECT_TRUE(screen.Label20->isVisibleTo(&screen));
    EXPECT_EQ(played(), QStringList{QStringLiteral("最高1.wav")});
    EXPECT_EQ(screen.Label18->text(), QStringLiteral("今の成績：40秒"));
    EXPECT_EQ(screen.Label19->text(), QStringLiteral("獲得ポイント：6点×1.5→9点"));
    // Cleared, so that the next screens do not celebrate this run again.
    EXPECT_FALSE(test.state.NewBestFlag);
    EXPECT_FALSE(test.state.NewLevelRecordFlag);
}

TEST_F(Completion, PersonalBestAloneCongratulatesWithItsOwnSound)
{
    history({earlierRun(1, 30, 3, kOtherStudent), earlierRun(1, 70, 3)});
    FrmSyuuryou& screen = finishRun(1, 50);

    EXPECT_EQ(screen.Label20->text(), QStringLiteral("新記録おめでとう"));
    EXPECT_TRUE(screen.Label20->isVisibleTo(&screen));
    EXPECT_EQ(played(), QStringList{QStringLiteral("jiko1.wav")});
    EXPECT_FALSE(test.state.NewBestFlag);
}

TEST_F(Completion, RunWithoutRecordPlaysTheNoRecordSoundOnlyWithinTheMinimumTime)
{
    const std::pair<int, QStringList> cases[] = {
        {45, {QStringLiteral("fugoukaku1.wav")}},
        {120, {QStringLiteral("fugoukaku1.wav")}}, // at the minimum time
        {121, {}},
    };
    for (const auto& [seconds, sounds] : cases) {
        test.sound.played.clear();
        history({earlierRun(1, 40, 3)});
        FrmSyuuryou& screen = finishRun(1, seconds);
        EXPECT_EQ(played(), sounds) << seconds << " s";
        EXPECT_FALSE(screen.Label20->isVisibleTo(&screen)) << seconds << " s";
        closeCompletion();
    }
}

TEST_F(Completion, FinalLevelPassCelebratedWithItsSoundOnlyTheFirstTime)
{
    struct Case {
        int earlierRuns;
        bool soundPlayed;
    };
    for (const Case c : {Case{2, true}, Case{3, false}}) {
        test.sound.played.clear();
        history(std::vector<ResultRecord>(c.earlierRuns, earlierRun(kFinalLevel, 30, 1)));
        FrmSyuuryou& screen = finishRun(kFinalLevel, 30);

        EXPECT_TRUE(screen.Label2->isVisibleTo(&screen)) << c.earlierRuns;
        EXPECT_EQ(screen.Label2->text(), QStringLiteral("このレベルクリア"));
        EXPECT_TRUE(screen.Picture1->isVisibleTo(&screen)) << c.earlierRuns;
        EXPECT_EQ(screen.Label1->text(), QStringLiteral("目標レベルクリア。おめでとう！"));
        EXPECT_EQ(played().contains(QStringLiteral("合格.wav")), c.soundPlayed) << c.earlierRuns;

        test.clock.advance(500);
        EXPECT_FALSE(screen.Picture1->isVisibleTo(&screen)); // only until the buttons come
        closeCompletion();
    }
}

TEST_F(Completion, PassBelowTheFinalLevelShowsNoGoalPanelNorItsSound)
{
    history({earlierRun(2, 30, 1), earlierRun(2, 30, 1)});
    FrmSyuuryou& screen = finishRun(2, 30);

    EXPECT_TRUE(screen.Label2->isVisibleTo(&screen));
    EXPECT_FALSE(screen.Picture1->isVisibleTo(&screen));
    EXPECT_FALSE(played().contains(QStringLiteral("合格.wav")));
}

TEST_F(Completion, NoGoalPanelWhenAnyLevelAsksFor9999Runs)
{
    test.state.Criteria.ClearCount[17] = 9999;
    history({earlierRun(kFinalLevel, 30, 1), earlierRun(kFinalLevel, 30, 1)});
    FrmSyuuryou& screen = finishRun(kFinalLevel, 30);

    EXPECT_TRUE(screen.Label2->isVisibleTo(&screen));
    EXPECT_FALSE(screen.Picture1->isVisibleTo(&screen));
    EXPECT_TRUE(played().contains(QStringLiteral("合格.wav")));
}

TEST_F(Completion, HeaderAndTodaysRunNumbers)
{
    struct Case {
        std::vector<ResultRecord> earlier;
        const char16_t* levelRuns;
        const char16_t* totalRuns;
        int todayTotal;
    };
    const Case cases[] = {
        {{}, u" (このレベル　1回目)", u"（1回目)", 1},
        // Yesterday's runs and today's time-out leave this the day's first on the level.
        {{earlierRun(1, 50, 1), earlierRun(1, 50, 1), earlierRun(1, kNoTime), earlierRun(2, 50),
          earlierRun(3, 50), earlierRun(1, 50, 0, kOtherStudent)},
         u" (このレベル　1回目)", u"（3回目)", 3},
        {{earlierRun(1, 50), earlierRun(1, 50), earlierRun(4, 50)}, u" (このレベル　3回目)", u"（4回目)", 4},
    };
    for (const Case& c : cases) {
        history(c.earlier);
        FrmSyuuryou& screen = finishRun(1, 60);
        EXPECT_EQ(screen.Label13->text(), QString::fromUtf16(c.levelRuns));
        EXPECT_EQ(screen.Label14->text(), QString::fromUtf16(c.totalRuns));
        EXPECT_EQ(test.state.TodayTotalRuns, c.todayTotal);
        EXPECT_EQ(screen.Label15->text(), QStringLiteral("ミナモドリル"));
        EXPECT_EQ(screen.Label16->text(), QStringLiteral("繰り上がりなし"));
        EXPECT_EQ(screen.Label17->text(), QStringLiteral("みなも　はなこ"));
        closeCompletion();
    }
}

TEST_F(Completion, ButtonsComeHalfASecondLaterWithTheFocusOnTheMenuButton)
{
    FrmSyuuryou& screen = finishRun(1, 60);
    EXPECT_FALSE(screen.Command4->isVisibleTo(&screen));
    EXPECT_FALSE(screen.Command5->isVisibleTo(&screen));

    test.clock.advance(400);
    EXPECT_FALSE(screen.Command4->isVisibleTo(&screen));
    test.clock.advance(100);
    EXPECT_TRUE(screen.Command4->isVisibleTo(&screen));
    EXPECT_EQ(screen.Command4->text(), QStringLiteral("メニューへ"));
    EXPECT_EQ(screen.focusWidget(), screen.Command4);
    EXPECT_TRUE(screen.Command5->isVisibleTo(&screen));
    EXPECT_EQ(screen.Command5->text(), QStringLiteral("もう一度"));
    EXPECT_FALSE(screen.Timer1->isEnabled());
    EXPECT_EQ(screen.Timer1->interval(), 500);
}

TEST_F(Completion, TheButtonsWaitUntilTheSoundsHaveEnded)
{
    // The final level's first pass within the minimum time: two sounds in a row.
    history({earlierRun(kFinalLevel, 30, 1), earlierRun(kFinalLevel, 30, 1)});
    QStringList buttonsDuring, goalPanelGoneDuring;
    test.soundsTake(1500, [&](const QString& wavPath, int) {
        auto& shown = test.navigator.screen<FrmSyuuryou>(ScreenNames::FrmSyuuryou);
        const QString file = wavPath.mid(kSoundFolder.size());
        if (shown.Command4->isVisibleTo(&shown) && !buttonsDuring.contains(file))
            buttonsDuring << file;
        if (!shown.Picture1->isVisibleTo(&shown) && !goalPanelGoneDuring.contains(file))
            goalPanelGoneDuring << file;
    });
    FrmSyuuryou& screen = finishRun(kFinalLevel, 30);
    test.returnToEventLoop();

    EXPECT_EQ(played(), (QStringList{"fugoukaku1.wav", "合格.wav"}));
    EXPECT_TRUE(buttonsDuring.isEmpty()) << buttonsDuring.join(' ').toStdString();
    EXPECT_TRUE(goalPanelGoneDuring.isEmpty()) << goalPanelGoneDuring.join(' ').toStdString();
    EXPECT_TRUE(screen.Command4->isVisibleTo(&screen)); // once, right after them
    EXPECT_EQ(screen.focusWidget(), screen.Command4);
    EXPECT_FALSE(screen.Picture1->isVisibleTo(&screen));
    EXPECT_FALSE(screen.Timer1->isEnabled());
}

// LimitCount 3 within one day: this run is the third of level 2 today.
class Overdoing : public Completion {
protected:
    FrmSyuuryou& overdo(int level)
    {
        test.state.Criteria.LimitCount[level] = 3;
        history({earlierRun(level, 30), earlierRun(level, 30)});
        FrmSyuuryou& screen = finishRun(level, 30);
        test.clock.advance(500);
        return screen;
    }
};

TEST_F(Overdoing, PassedLevelAdvisesTheNextLevelInsteadOfAnotherRun)
{
    FrmSyuuryou& screen = overdo(2);
    EXPECT_TRUE(screen.Label2->isVisibleTo(&screen));
    EXPECT_EQ(screen.Label2->text(), QStringLiteral("次のレベルへ進みましょう"));
    EXPECT_FALSE(screen.Command5->isVisibleTo(&screen));
    EXPECT_TRUE(screen.Command4->isVisibleTo(&screen));
}

TEST_F(Overdoing, OnceTheFinalLevelIsClearedAnotherRunIsOfferedAgain)
{
    test.state.FinalLevelCleared = true;
    FrmSyuuryou& screen = overdo(2);
    EXPECT_EQ(screen.Label2->text(), QStringLiteral("このレベルクリア"));
    EXPECT_TRUE(screen.Command5->isVisibleTo(&screen));
}

TEST_F(Overdoing, FinalLevelOffersAnotherRunWithoutTheClearNote)
{
    FrmSyuuryou& screen = overdo(kFinalLevel);
    EXPECT_FALSE(screen.Label2->isVisibleTo(&screen));
    EXPECT_EQ(screen.Label2->text(), QString());
    EXPECT_TRUE(screen.Command5->isVisibleTo(&screen));
}

TEST_F(Overdoing, NotYetPassedLevelIsOfferedAgainHoweverOftenItWasDone)
{
    test.state.Criteria.ClearPoints[2] = 1000;
    FrmSyuuryou& screen = overdo(2);
    EXPECT_FALSE(screen.Label2->isVisibleTo(&screen));
    EXPECT_TRUE(screen.Command5->isVisibleTo(&screen));
}

TEST_F(Completion, EnterOnTheMenuButtonGoesBackToTheMenu)
{
    test.state.RetryRequested = true;
    FrmSyuuryou& screen = finishRun(1, 60);
    test.clock.advance(500);

    QTest::keyClick(screen.Command4, Qt::Key_Return);

    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::seisekitime1);
    EXPECT_EQ(menus, 1);
    EXPECT_FALSE(test.state.RetryRequested);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::FrmSyuuryou));
    EXPECT_EQ(drillStarts, 0);
}

TEST_F(Completion, AnotherRunStartsTheSameLevelBehindThePleaseWaitScreen)
{
    FrmSyuuryou& screen = finishRun(3, 60);
    test.clock.advance(500);
    test.state.RunEndedGuard = true;

    screen.Command5->click();

    EXPECT_EQ(pleaseWaits, 2); // once while recording, once for the new run
    EXPECT_TRUE(test.navigator.isLoaded(ScreenNames::BASEFRM));
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::MainFrm);
    EXPECT_EQ(drillStarts, 1);
    EXPECT_TRUE(retryRequestedAtDrillStart);
    EXPECT_FALSE(test.state.RunEndedGuard); // a fresh run
    EXPECT_EQ(test.state.CurrentLevel, 3);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::FrmSyuuryou));
    EXPECT_EQ(menus, 0);
}
} // namespace
