// A run played through the real screens: drill, please-wait, completion,
// and once more.
#include "completion/FrmSyuuryou.h"
#include "drill/MainFrm.h"
#include "foundation/BASEFRM.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/RunStart.h"
#include "foundation/ScreenNames.h"

#include "results/ResultsTestSupport.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
class RunToCompletion : public ::testing::Test {
protected:
    void SetUp() override
    {
        SharedState& state = test.state;
        fillLevelCatalogue(state);
        state.CurrentStudentNo = 7;
        state.CurrentLevel = 2;
        state.Criteria.TargetTime[2] = 60;
        state.Criteria.MinimumTime[2] = 30;
        state.Criteria.PointMultiplier[2] = 1;
        test.random.fallback = 0.5; // every problem is 10 − 7
        Navigator& navigator = test.navigator;
        navigator.registerScreen(ScreenNames::MainFrm, [this] {
            auto screen = std::make_unique<MainFrm>(test.context);
            drill = screen.get();
            return screen;
        });
        navigator.registerScreen(ScreenNames::BASEFRM, [this] { return std::make_unique<BASEFRM>(test.context); });
        navigator.registerScreen(ScreenNames::FrmSyuuryou, [this] {
            auto screen = std::make_unique<FrmSyuuryou>(test.context);
            completion = screen.get();
            return screen;
        });
    }
    void TearDown() override { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

    void playRun(int secondsPerAnswer)
    {
        for (int i = 0; i < 20; ++i) {
            test.clock.advance(secondsPerAnswer * 1000);
            QTest::keyClicks(drill, QStringLiteral("3 "));
        }
    }

    ResultsTest test;
    MainFrm* drill = nullptr;
    FrmSyuuryou* completion = nullptr;
};

TEST_F(RunToCompletion, TheCompletionScreenShowsTheRecordedRunAndOffersAnotherOne)
{
    StartRun(test.context);
    playRun(2);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::FrmSyuuryou);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::BASEFRM));
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::MainFrm));
    EXPECT_EQ(completion->Label18->text(), QStringLiteral("今の成績：40秒"));
    EXPECT_EQ(completion->Label13->text(), QStringLiteral(" (このレベル　1回目)"));
    EXPECT_EQ(completion->Label20->text(), QStringLiteral("！！！最高新記録！！！"));

    test.clock.advance(500);
    ASSERT_TRUE(completion->Command5->isVisibleTo(completion));
    QTest::mouseClick(completion->Command5, Qt::LeftButton);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::MainFrm);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::BASEFRM));
    EXPECT_EQ(drill->sLabel11->text(), "2"); // the second run of the day on this level
    EXPECT_EQ(drill->sLabel9->text(), "20");

    playRun(1);
    EXPECT_EQ(completion->Label18->text(), QStringLiteral("今の成績：20秒"));
    EXPECT_EQ(decodedRecords(test.files.contents(kTestResultsFile)).size(), 2u);
}
// The child sees "Just a moment" until the completion screen is filled,
// never the screen half filled.
TEST_F(RunToCompletion, ThePleaseWaitScreenStaysInSightUntilTheCompletionScreenIsFilled)
{
    int looks = 0;
    bool completionSeenHalfFilled = false;
    bool pleaseWaitAlwaysInSight = true;
    test.program.onProcessEvents = [&] {
        test.clock.advance(10);
        Navigator& navigator = test.navigator;
        if (navigator.frontScreen() != ScreenNames::FrmSyuuryou || !navigator.isLoaded(ScreenNames::BASEFRM))
            return;
        ++looks;
        completionSeenHalfFilled = completionSeenHalfFilled || completion->isVisible();
        pleaseWaitAlwaysInSight = pleaseWaitAlwaysInSight && navigator.load(ScreenNames::BASEFRM).isVisible();
    };
    StartRun(test.context);
    playRun(2);
    EXPECT_GT(looks, 0);
    EXPECT_FALSE(completionSeenHalfFilled);
    EXPECT_TRUE(pleaseWaitAlwaysInSight);
    EXPECT_TRUE(completion->isVisible());
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::BASEFRM));
}
} // namespace
