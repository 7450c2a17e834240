#include "foundation/InterimScreen.h"

#include "foundation/Buttons.h"
#include "foundation/ScreenLayout.h"

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
    SchoolLabel = centredLabel(this, 290, 60, 28);
    NoticeLabel = centredLabel(this, 400, 60, 20);
    NoticeLabel->setText(QStringLiteral("名前の選択（サインイン）はまだ使えません。"));
    EndButton = makeButton(QStringLiteral("終了"), this);
    EndButton->setGeometry((kScreenWidth - 200) / 2, 540, 200, 60);
    connect(EndButton, &QPushButton::clicked, this, [this] {
        context_.navigator.closeAll();
        context_.program.endProgram(0);
    });
}

void InterimScreen::activate()
{
    setWindowTitle(context_.state.ProgramTitle + QStringLiteral("（準備中）"));
    TitleLabel->setText(context_.state.ProgramTitle);
    SchoolLabel->setText(context_.state.SchoolName);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, context_.state.SeasonColour);
    setPalette(colours);
}
