// One factor scales the 1024 × 768 screens to the display.
#include "foundation/DisplayScale.h"

#include <gtest/gtest.h>

namespace {
TEST(DisplayScale, TheLargestFactorThatFitsTheWholeDisplayNeverBelowOne)
{
    const struct {
        QSize display;
        double factor;
    } cases[] = {
        {{1024, 768}, 1.0},    {{1920, 1080}, 1.40625}, {{1366, 768}, 1.0},   {{2560, 1440}, 1.875},
        {{1280, 1024}, 1.25},  {{3840, 2160}, 2.8125},  {{800, 600}, 1.0},    {{1080, 1920}, 1.0546875},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(displayScaleFactor(c.display), c.factor) << c.display.width() << " x " << c.display.height();
}

// The school's own factor stands; without an X display nothing is set.
TEST(DisplayScale, AFactorSetInTheEnvironmentOrNoXDisplayLeavesQtAsItIs)
{
    qputenv("QT_SCALE_FACTOR", "1");
    EXPECT_FALSE(ScaleToTheDisplay());
    EXPECT_EQ(qgetenv("QT_SCALE_FACTOR"), "1");
    qunsetenv("QT_SCALE_FACTOR");
    ASSERT_EQ(qgetenv("QT_QPA_PLATFORM"), "offscreen");
    EXPECT_FALSE(ScaleToTheDisplay());
    EXPECT_FALSE(qEnvironmentVariableIsSet("QT_SCALE_FACTOR"));
}
} // namespace
