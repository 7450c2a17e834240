// ミナモドリル: arithmetic drill runs for the children of a cram school.

#include "foundation/AppContext.h"
#include "foundation/BASEFRM.h"
#include "foundation/Firstfrm.h"
#include "foundation/InterimScreen.h"
#include "foundation/ScreenNames.h"
#include "platform/PosixFileSystem.h"
#include "platform/QtPlatform.h"

#include <QApplication>

namespace {
void registerScreens(AppContext& context)
{
    Navigator& navigator = context.navigator;
    navigator.registerScreen(ScreenNames::Firstfrm, [&] { return std::make_unique<Firstfrm>(context); });
    navigator.registerScreen(ScreenNames::BASEFRM, [&] { return std::make_unique<BASEFRM>(context); });
    // The name selection is not built yet: start-up hands over to a notice.
    navigator.registerScreen(ScreenNames::namesel, [&] { return std::make_unique<InterimScreen>(context); });
}
} // namespace

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    application.setFont(QFont(QStringLiteral("IPAPGothic"), 12));

    SystemClock clock;
    QtTimerFactory timers;
    StdRandomSource random;
    PosixFileSystem files;
    QtDialogs dialogs;
    QtProgramControl program;
    Navigator navigator;
    auto state = std::make_unique<SharedState>();
    AppContext context{*state, clock, timers, random, files, dialogs, program, navigator};

    registerScreens(context);
    StartProgram(context);
    return application.exec();
}
