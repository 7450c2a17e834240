#include "foundation/frmver.h"

#include "foundation/Buttons.h"
#include "foundation/ScreenNames.h"
#include "foundation/Version.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPointer>

namespace {
constexpr int kDialogWidth = 420;
constexpr int kDialogHeight = 250;

QLabel* centredLabel(QWidget* parent, const QString& text, int top, int height, int pointSize, bool bold)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(20, top, kDialogWidth - 40, height);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    font.setBold(bold);
    label->setFont(font);
    return label;
}
} // namespace

frmver::frmver(AppContext& context) : context_(context)
{
    setWindowFlags(Qt::Dialog);
    setWindowModality(Qt::ApplicationModal);
    setWindowTitle(QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"));
    setFixedSize(kDialogWidth, kDialogHeight);

    Label1 = centredLabel(this, QStringLiteral("abc"), 24, 56, 22, true);
    Label2 = centredLabel(this, QString(), 90, 30, 13, false);
    Label4 = centredLabel(this, QString(), 124, 30, 13, false);

    Command1 = makeButton(QStringLiteral("O.K."), this);
    Command1->setGeometry((kDialogWidth - 120) / 2, 180, 120, 40);
    connect(Command1, &QPushButton::clicked, this,
            [this] { context_.navigator.close(ScreenNames::frmver); });

    // A blank button that does nothing when clicked; out of the way of Tab.
    Command2 = makeButton(QString(), this);
    Command2->setGeometry(kDialogWidth - 44, 188, 24, 24);
    Command2->setFocusPolicy(Qt::NoFocus);
}

void frmver::activate()
{
    // O.K. may be clicked while events run; the dialog is then on its way out.
    QPointer<frmver> alive(this);
    context_.program.processPendingEvents();
    if (!alive)
        return;
    context_.program.processPendingEvents();
    if (!alive)
        return;
    Label1->setText(context_.state.ProgramTitle);
    Label2->setText(versionLabel(kVersionMajor, kVersionMinor, kVersionRevision));
    Label4->setText(QStringLiteral("Tovaleno"));
    Command1->setFocus(); // Enter closes the dialog
}

void frmver::closeEvent(QCloseEvent* event)
{
    // The window's own close button closes the dialog as O.K. does, so that
    // the screen below becomes the front screen again.
    if (!context_.navigator.isLoaded(ScreenNames::frmver)) {
        event->accept();
        return;
    }
    event->ignore();
    context_.navigator.close(ScreenNames::frmver);
}
