#include "foundation/BASEFRM.h"
#include "foundation/Firstfrm.h"
#include "foundation/PictureView.h"
#include "foundation/RunStart.h"
#include "foundation/ScreenNames.h"

#include "support/SettingsFixture.h"
#include "support/TestContext.h"

#include <QLabel>

#include <gtest/gtest.h>

namespace {
class StartUp : public ::testing::Test {
protected:
    void SetUp() override
    {
        test.program.programFolder = SchoolTreePaths::programFolder;
        writeValidSchoolTree(test.files);
        test.navigator.registerScreen(ScreenNames::Firstfrm,
                                      [this] { return std::make_unique<Firstfrm>(test.context); });
        test.navigator.registerScreen(ScreenNames::namesel,
                                      [this] { return std::make_unique<RecordingScreen>(&nameSelections); });
    }
    Firstfrm& firstfrm() { return test.navigator.screen<Firstfrm>(ScreenNames::Firstfrm); }

    TestContext test; // starts 2026-12-09 10:00
    int nameSelections = 0;
};

TEST_F(StartUp, ShowsDateAndSeasonSeedsRandomThenHandsOverOnFirstTick)
{
    StartProgram(test.context);
    EXPECT_EQ(firstfrm().Label5->text(), QStringLiteral("令和8年 12月 09日（水）"));
    EXPECT_EQ(firstfrm().Label1->text(), "Just a moment, please.");
    EXPECT_EQ(firstfrm().Image1->picture().deviceIndependentSize(), QSizeF(640, 480));
    EXPECT_EQ(test.state.SeasonColour, QColor(192, 255, 192));
    EXPECT_DOUBLE_EQ(test.random.seededWith, 10 * 3600 + 0.01); // after one round of events
    EXPECT_FALSE(test.state.DevelopmentLayout);
    EXPECT_EQ(test.state.SchoolName, ""); // nothing loaded before the tick
    EXPECT_EQ(nameSelections, 0);

    test.clock.advance(100);
    EXPECT_EQ(test.state.SchoolName, "みなも塾");
    EXPECT_EQ(nameSelections, 1);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::namesel);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::Firstfrm));
    test.clock.advance(1000); // the timer went with its screen
    EXPECT_EQ(nameSelections, 1);
}

TEST_F(StartUp, MissingSettingsFileStopsBeforeTheNameSelection)
{
    test.files.failures.insert(SchoolTreePaths::soundTable,
                               {FileError::Kind::NotFound, "No such file or directory"});
    StartProgram(test.context);
    EXPECT_THROW(
        {
            try {
                test.clock.advance(100);
            } catch (const ProgramEnded& ended) {
                EXPECT_EQ(ended.exitStatus, 1);
                throw;
            }
        },
        ProgramEnded);
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_TRUE(test.dialogs.messages[0].text.contains(SchoolTreePaths::soundTable));
    EXPECT_EQ(nameSelections, 0);
    EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::Firstfrm)); // every screen closed
}

TEST_F(StartUp, DevelopmentFolderIsRecognised)
{
    test.program.programFolder = "/home/PX0031/ミナモドリル";
    StartProgram(test.context);
    EXPECT_TRUE(test.state.DevelopmentLayout);
}

TEST(RunStart, ClearsTheRunStateLetsEventsRunThenShowsTheDrill)
{
    TestContext test;
    int eventRoundsAtShow = -1;
    test.navigator.registerScreen(ScreenNames::MainFrm, [&] {
        eventRoundsAtShow = test.program.processEventsCalls;
        return std::make_unique<RecordingScreen>();
    });
    SharedState& state = test.state;
    state.RunEndedGuard = state.TimeOutFlag = true;
    state.Drill.RunFinished = state.Drill.JudgingBusy = true;
    state.Drill.CorrectCount = 20;
    state.Drill.PlusState = 2;
    state.Drill.JudgeResult = 2; // the drill screen's own set-up clears this one

    StartRun(test.context);

    EXPECT_FALSE(state.RunEndedGuard || state.TimeOutFlag || state.Drill.RunFinished ||
                 state.Drill.JudgingBusy);
    EXPECT_EQ(state.Drill.CorrectCount, 0);
    EXPECT_EQ(state.Drill.PlusState, 0);
    EXPECT_EQ(state.Drill.JudgeResult, 2);
    EXPECT_EQ(eventRoundsAtShow, 1);
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::MainFrm);
}

TEST(PleaseWait, CaptionAndLabelAndLetsEventsRunWhenLoaded)
{
    TestContext test;
    BASEFRM screen(test.context);
    EXPECT_EQ(screen.windowTitle(), "Form1");
    EXPECT_EQ(screen.Label19->text(), "Just a moment, please.");
    EXPECT_EQ(test.program.processEventsCalls, 1);
}
} // namespace
