#include "foundation/ReturnToMenu.h"

MenuCommand menuCommand(const QString& programFolderPath, bool developmentLayout)
{
    if (developmentLayout)
        return {programFolderPath + QStringLiteral("/../../起動/起動/プログラムメニュー.exe"), {}};
    return {programFolderPath + QStringLiteral("/../起動/プログラムメニューc.exe"), {QStringLiteral("001")}};
}

void ReturnToMenu(AppContext& context)
{
    const MenuCommand menu =
        menuCommand(context.program.programFolderPath(), context.state.DevelopmentLayout);
    const QString errorText = context.program.startDetached(menu.program, menu.arguments);
    if (errorText.isEmpty()) {
        context.navigator.closeAll();
        context.program.endProgram(0);
    }
    context.dialogs.showMessage(QStringLiteral("プログラムメニューを起動できません。\r\n%1\r\n%2")
                                    .arg(menu.program, errorText),
                                context.state.ProgramTitle);
    context.navigator.closeAll();
    context.program.endProgram(1);
}
