#pragma once
#include "foundation/AppContext.h"

#include <QString>
#include <QStringList>

// The school's program menu, which started this program and takes over
// again when the child leaves.
struct MenuCommand {
    QString program;
    QStringList arguments;
};

// The menu program as seen from the program's folder (no trailing "/"):
// normally "../起動/プログラムメニューc.exe 001"; on a development machine
// the menu of the development tree, without argument.
MenuCommand menuCommand(const QString& programFolderPath, bool developmentLayout);

// Starts the menu program and ends this program at once. When the menu
// cannot be started, says so with the system's reason and ends all the same.
void ReturnToMenu(AppContext& context);
