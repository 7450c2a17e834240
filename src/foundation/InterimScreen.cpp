#include "foundation/InterimScreen.h"

#include "foundation/Buttons.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"

#include <QKeyEvent>
#include <QLabel>

namespace {
QLabel* centredLabel(QWidget* parent, int top, int height, int pointSize)
{
    auto* label = new QLabel(parent);
    label->setGeometry(0, top, kScreenWidth, height);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}
} // namespace

InterimScreen::InterimScreen(AppContext& context) : context_(context)
{
    setFixedSize(kScreenWidth, kScreenHeight);
    setAutoFillBackground(true);
    TitleLabel = centredLabel(this, 180, 80, 40);
    StudentLabel = centredLabel(this, 290, 60, 28);
    NoticeLabel = centredLabel(this, 400, 60, 20);
    NoticeLabel->setText(QStringLiteral("レベルの選択はまだ使えません。"));
    BackButton = makeButton(QStringLiteral("戻る(0)"), this);
    BackButton->setGeometry((kScreenWidth - 200) / 2, 540, 200, 60);
    connect(BackButton, &QPushButton::clicked, this, [this] { goBack(); });
}

void InterimScreen::activate()
{
    const SharedState& state = context_.state;
    // The name list has done its part once a student is signed in.
    if (context_.navigator.isLoaded(ScreenNames::namesel))
        context_.navigator.close(ScreenNames::namesel);
    setWindowTitle(state.ProgramTitle + QStringLiteral("（準備中）"));
    TitleLabel->setText(state.ProgramTitle);
    StudentLabel->setText(QStringLiteral("%1　%2（%3番）")
                              .arg(state.CurrentStudentGrade, state.CurrentStudentName.trimmed())
                              .arg(state.CurrentStudentNo));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, state.SeasonColour);
    setPalette(colours);
    BackButton->setFocus();
}

void InterimScreen::keyPressEvent(QKeyEvent* event)
{
    if (event->text() == QStringLiteral("0"))
        goBack();
    else
        Screen::keyPressEvent(event);
}

// The name list opens anew and closes this screen.
void InterimScreen::goBack() { context_.navigator.show(ScreenNames::namesel); }
