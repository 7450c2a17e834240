#include "foundation/ScreenNames.h"
#include "foundation/Version.h"
#include "foundation/frmver.h"

#include "support/TestContext.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>

namespace {
class VersionDialog : public ::testing::Test {
protected:
    void SetUp() override
    {
        test.state.ProgramTitle = QStringLiteral("ミナモドリル");
        test.navigator.registerScreen(ScreenNames::namesel,
                                      [this] { return std::make_unique<RecordingScreen>(&nameSelections); });
        test.navigator.registerScreen(ScreenNames::frmver,
                                      [this] { return std::make_unique<frmver>(test.context); });
        test.navigator.show(ScreenNames::namesel);
    }
    frmver& dialog() { return test.navigator.screen<frmver>(ScreenNames::frmver); }

    TestContext test;
    int nameSelections = 0;
};

TEST_F(VersionDialog, ShowsTitleVersionAndMakerAfterLettingEventsRunTwice)
{
    const int eventRoundsBeforeShow = test.program.processEventsCalls;
    EXPECT_EQ(dialog().Label1->text(), "abc"); // the design text until it is shown
    test.navigator.show(ScreenNames::frmver);

    EXPECT_EQ(test.program.processEventsCalls - eventRoundsBeforeShow, 2);
    EXPECT_EQ(dialog().windowTitle(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(dialog().Label1->text(), QStringLiteral("ミナモドリル"));
    EXPECT_EQ(dialog().Label2->text(), "Version1.0.16");
    EXPECT_EQ(dialog().Label4->text(), "Tovaleno");
    EXPECT_EQ(dialog().Command1->text(), "O.K.");
    EXPECT_EQ(dialog().Command2->text(), "");
    EXPECT_TRUE(dialog().isModal());
    EXPECT_TRUE(dialog().windowFlags().testFlag(Qt::Dialog));
}

TEST_F(VersionDialog, BlankButtonDoesNothing)
{
    test.navigator.show(ScreenNames::frmver);
    dialog().Command2->click();
    EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::frmver);
    EXPECT_EQ(nameSelections, 1);
}

// Each way of closing the dialog brings the name selection back to the front.
TEST_F(VersionDialog, ClosingBringsBackTheScreenBelow)
{
    const struct {
        const char* way;
        std::function<void(frmver&)> close;
    } ways[] = {
        {"O.K. clicked", [](frmver& screen) { QTest::mouseClick(screen.Command1, Qt::LeftButton); }},
        {"Enter", [](frmver& screen) {
             ASSERT_EQ(screen.focusWidget(), screen.Command1);
             QTest::keyClick(screen.focusWidget(), Qt::Key_Return);
         }},
        {"window closed", [](frmver& screen) { screen.close(); }},
    };
    for (const auto& way : ways) {
        SCOPED_TRACE(way.way);
        const int activationsBefore = nameSelections;
        test.navigator.show(ScreenNames::frmver);
        EXPECT_EQ(nameSelections, activationsBefore);
        way.close(dialog());
        EXPECT_FALSE(test.navigator.isLoaded(ScreenNames::frmver));
        EXPECT_EQ(test.navigator.frontScreen(), ScreenNames::namesel);
        EXPECT_EQ(nameSelections, activationsBefore + 1);
    }
}

TEST(VersionLabel, PlainDecimalNumbersWithoutSpaces)
{
    EXPECT_EQ(versionLabel(kVersionMajor, kVersionMinor, kVersionRevision), "Version1.0.16");
    EXPECT_EQ(versionLabel(2, 10, 0), "Version2.10.0");
    EXPECT_EQ(versionLabel(12, 3, 105), "Version12.3.105");
}
} // namespace
