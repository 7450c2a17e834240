#include "foundation/LevelCatalogue.h"
#include "foundation/ScreenNames.h"

#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {
TEST(LevelCatalogue, OffersFiveTimedLevelsNamedAsTheDrillsAre)
{
    SharedState state;
    fillLevelCatalogue(state);
    EXPECT_EQ(state.LevelCount, 5);
    EXPECT_EQ(state.FinalLevelNo, 5);
    const QStringList offered = {QStringLiteral("繰り上がりなし"), QStringLiteral("１０－＊"),
                                 QStringLiteral("繰り上がり１"), QStringLiteral("＊－５"),
                                 QStringLiteral("繰り上がり２")};
    for (int level = 1; level <= 5; ++level) {
        EXPECT_EQ(state.LevelNames[level], offered[level - 1]);
        EXPECT_TRUE(state.LevelTimed[level]);
        EXPECT_EQ(state.PracticeButtonShown[level], false);
        EXPECT_FALSE(isPracticeLevel(state, level));
    }
    EXPECT_EQ(state.LevelNames[11], QStringLiteral("レベル４－1")); // half-width 1, as always
    EXPECT_EQ(state.LevelNames[24], QStringLiteral("レベル８－２"));
    EXPECT_TRUE(isPracticeLevel(state, 7));
    EXPECT_FALSE(state.PracticeButtonShown[7].has_value());
    for (const int unnamed : {0, 25, 35}) {
        EXPECT_EQ(state.LevelNames[unnamed], "");
        EXPECT_FALSE(state.LevelTimed[unnamed]);
    }
}

TEST(LevelCatalogue, ConfirmingANameFillsItAgainAndOpensTheMenu)
{
    TestContext test;
    int menuActivations = 0;
    test.navigator.registerScreen(ScreenNames::seisekitime1,
                                  [&] { return std::make_unique<RecordingScreen>(&menuActivations); });
    test.state.LevelNames[25] = "stale";
    InitLevelCatalogue(test.context);
    EXPECT_EQ(test.state.LevelNames[25], "");
    EXPECT_EQ(test.state.LevelNames[1], QStringLiteral("繰り上がりなし"));
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::seisekitime1);
    EXPECT_EQ(menuActivations, 1);
}

TEST(ProgramProfile, TitleAndSwitches)
{
    SharedState state;
    InitProgramProfile(state);
    EXPECT_EQ(state.ProgramTitle, "ミナモドリル");
    EXPECT_FALSE(state.PrintButtonEnabled);
    EXPECT_TRUE(state.AllLevelsOpen);
}
} // namespace
