// ミナモドリル: arithmetic drill runs for the children of a cram school.

#include "completion/FrmSyuuryou.h"
#include "drill/MainFrm.h"
#include "foundation/BASEFRM.h"
#include "foundation/DisplayScale.h"
#include "foundation/Firstfrm.h"
#include "foundation/frmver.h"
#include "foundation/ProgramContext.h"
#include "foundation/ScreenNames.h"
#include "foundation/Version.h"
#include "criteria_editor/FrmTimeData.h"
#include "maintenance/FrmData.h"
#include "roster/namesel.h"
#include "student_menu/seisekitime1.h"

#include <QApplication>

namespace {
void registerScreens(AppContext& context)
{
    Navigator& navigator = context.navigator;
    navigator.registerScreen(ScreenNames::Firstfrm, [&] { return std::make_unique<Firstfrm>(context); });
    navigator.registerScreen(ScreenNames::BASEFRM, [&] { return std::make_unique<BASEFRM>(context); });
    navigator.registerScreen(ScreenNames::MainFrm, [&] { return std::make_unique<MainFrm>(context); });
    navigator.registerScreen(ScreenNames::FrmSyuuryou, [&] { return std::make_unique<FrmSyuuryou>(context); });
    navigator.registerScreen(ScreenNames::namesel, [&] { return std::make_unique<namesel>(context); });
    navigator.registerScreen(ScreenNames::frmver, [&] { return std::make_unique<frmver>(context); });
    navigator.registerScreen(ScreenNames::seisekitime1, [&] { return std::make_unique<seisekitime1>(context); });
    navigator.registerScreen(ScreenNames::FrmData, [&] { return std::make_unique<FrmData>(context); });
    navigator.registerScreen(ScreenNames::FrmTimeData, [&] { return std::make_unique<FrmTimeData>(context); });
}
} // namespace

int main(int argc, char* argv[])
{
    const bool scaled = ScaleToTheDisplay();
    QApplication application(argc, argv);
    if (scaled) // taken: the school's menu program, started on leaving, keeps its own size
        qunsetenv("QT_SCALE_FACTOR");
    application.setFont(QFont(QStringLiteral("IPAPGothic"), 12));
    application.setApplicationVersion(
        QStringLiteral("%1.%2.%3").arg(kVersionMajor).arg(kVersionMinor).arg(kVersionRevision));

    ProgramContext program;
    registerScreens(program.context());
    StartProgram(program.context());
    return application.exec();
}
