#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {
class Navigation : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (const QString name : {"A", "B", "C"})
            navigator.registerScreen(name, [this, name] {
                ++loads[name];
                return std::make_unique<RecordingScreen>(&activations[name]);
            });
    }
    Navigator navigator;
    QHash<QString, int> loads, activations;
};

TEST_F(Navigation, ShowActivatesOnlyWhenAnotherScreenWasInFront)
{
    navigator.show("A");
    navigator.show("A");
    EXPECT_EQ(activations["A"], 1);
    navigator.show("B");
    navigator.show("A");
    EXPECT_EQ(activations["A"], 2);
    EXPECT_EQ(loads["A"], 1);
    EXPECT_TRUE(navigator.screen<RecordingScreen>("A").isVisible());
}

TEST_F(Navigation, ClosingTheFrontScreenActivatesTheOneShownBeforeIt)
{
    navigator.show("A");
    navigator.show("B");
    navigator.show("C");
    navigator.close("C");
    EXPECT_EQ(navigator.frontScreen(), "B");
    EXPECT_EQ(activations["B"], 2);
    navigator.close("A"); // not in front: nobody is activated
    EXPECT_EQ(activations["B"], 2);
    EXPECT_FALSE(navigator.isLoaded("A"));
}

TEST_F(Navigation, ClosedScreenIsLoadedAfreshNextTime)
{
    navigator.show("A");
    navigator.close("A");
    EXPECT_EQ(navigator.frontScreen(), "");
    navigator.show("A");
    EXPECT_EQ(loads["A"], 2);
}

TEST_F(Navigation, CloseAllActivatesNothing)
{
    navigator.show("A");
    navigator.show("B");
    navigator.closeAll();
    EXPECT_FALSE(navigator.isLoaded("A"));
    EXPECT_FALSE(navigator.isLoaded("B"));
    EXPECT_EQ(activations["A"], 1);
}

TEST_F(Navigation, ActivationMayShowAnotherScreen)
{
    navigator.registerScreen("Hop", [this] {
        struct Hop final : Screen {
            Navigator& navigator;
            explicit Hop(Navigator& n) : navigator(n) {}
            void activate() override { navigator.show("B"); }
        };
        return std::make_unique<Hop>(navigator);
    });
    navigator.show("Hop");
    EXPECT_EQ(navigator.frontScreen(), "B");
    EXPECT_EQ(activations["B"], 1);
}
// The please-wait screen in front of the screen being prepared.
class Cover final : public Screen {
public:
    bool isCover() const override { return true; }
};

// Notes what the child sees while it is being activated, then closes the cover.
class Preparing final : public Screen {
public:
    explicit Preparing(Navigator& navigator) : navigator_(navigator) {}
    void activate() override
    {
        visibleWhilePrepared = isVisible();
        coverVisibleWhilePrepared = navigator_.isLoaded("Cover") && navigator_.load("Cover").isVisible();
        navigator_.close("Cover");
    }
    bool visibleWhilePrepared = false;
    bool coverVisibleWhilePrepared = false;

private:
    Navigator& navigator_;
};

TEST_F(Navigation, AScreenShownFromBehindTheCoverAppearsOnlyOnceItsActivationHasRun)
{
    navigator.registerScreen("Cover", [] { return std::make_unique<Cover>(); });
    navigator.registerScreen("Preparing", [this] { return std::make_unique<Preparing>(navigator); });
    const struct {
        const char* inFront;
        bool visibleWhilePrepared;
    } cases[] = {{"A", true}, {"Cover", false}};
    for (const auto& c : cases) {
        navigator.show("Cover");
        navigator.show(c.inFront);
        navigator.show("Preparing");
        const auto& preparing = navigator.screen<Preparing>("Preparing");
        EXPECT_EQ(preparing.visibleWhilePrepared, c.visibleWhilePrepared) << "from behind " << c.inFront;
        EXPECT_TRUE(preparing.coverVisibleWhilePrepared) << "from behind " << c.inFront;
        EXPECT_TRUE(preparing.isVisible()) << "from behind " << c.inFront;
        EXPECT_EQ(navigator.frontScreen(), "Preparing");
        navigator.closeAll();
    }
}
} // namespace
