// Test runner: every test runs with a QApplication on the offscreen platform.
#include <QApplication>

#include <gtest/gtest.h>

namespace {
QtMessageHandler standardHandler = nullptr;

// The offscreen platform cannot raise windows and says so at every screen
// change; everything else Qt reports is shown.
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        standardHandler(type, context, message);
}
} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    standardHandler = qInstallMessageHandler(quietRaise);
    QApplication application(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
