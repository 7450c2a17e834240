#include "foundation/BASEFRM.h"

#include "foundation/ScreenLayout.h"

#include <QLabel>

BASEFRM::BASEFRM(AppContext& context)
{
    setWindowTitle(QStringLiteral("Form1"));
    setFixedSize(kScreenWidth, kScreenHeight);
    Label19 = new QLabel(QStringLiteral("Just a moment, please."), this);
    Label19->setGeometry(0, 0, kScreenWidth, kScreenHeight);
    Label19->setAlignment(Qt::AlignCenter);
    QFont font = Label19->font();
    font.setPointSize(28);
    Label19->setFont(font);
    context.program.processPendingEvents();
}
