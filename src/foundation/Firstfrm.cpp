#include "foundation/Firstfrm.h"

#include "foundation/Calendar.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/PictureView.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "foundation/Settings.h"

#include <QLabel>
#include <QPainter>

namespace {
constexpr int kArtworkWidth = 640;
constexpr int kArtworkHeight = 480;

// Ripples on a water surface, the picture the program is named after.
void drawStartUpArtwork(QPainter& painter)
{
    QLinearGradient water(0, 0, 0, kArtworkHeight);
    water.setColorAt(0, QColor(170, 220, 245));
    water.setColorAt(1, QColor(40, 110, 180));
    painter.fillRect(0, 0, kArtworkWidth, kArtworkHeight, water);
    const QPointF centres[] = {{220, 300}, {450, 220}, {380, 380}};
    for (const QPointF& centre : centres)
        for (int ring = 1; ring <= 6; ++ring) {
            painter.setPen(QPen(QColor(255, 255, 255, 200 - ring * 28), 3));
            painter.drawEllipse(centre, ring * 34.0, ring * 12.0);
        }
    QFont title(QStringLiteral("IPAPGothic"), 48, QFont::Bold);
    painter.setFont(title);
    painter.setPen(Qt::white);
    painter.drawText(QRect(0, 40, kArtworkWidth, 100), Qt::AlignCenter, kProgramTitle);
}

QLabel* textLabel(QWidget* parent, const QString& text, const QRect& geometry, int pointSize)
{
    auto* label = new QLabel(text, parent);
    label->setGeometry(geometry);
    label->setAlignment(Qt::AlignCenter);
    QFont font = label->font();
    font.setPointSize(pointSize);
    label->setFont(font);
    return label;
}
} // namespace

Firstfrm::Firstfrm(AppContext& context) : context_(context)
{
    setWindowTitle(kProgramTitle);
    setFixedSize(kScreenWidth, kScreenHeight);
    setAutoFillBackground(true);

    Image1 = new PictureView(drawStartUpArtwork, this);
    Image1->setGeometry((kScreenWidth - kArtworkWidth) / 2, 90, kArtworkWidth, kArtworkHeight);
    Label5 = textLabel(this, QString(), QRect(0, 20, kScreenWidth, 50), 24);
    Label1 = textLabel(this, QStringLiteral("Just a moment, please."), QRect(0, 600, kScreenWidth, 60), 24);

    Timer1 = context.timers.createTimer();
    Timer1->setInterval(100);
    Timer1->setHandler([this] { Timer1_Timer(); });
}

void Firstfrm::startUp()
{
    SharedState& state = context_.state;
    context_.navigator.show(ScreenNames::Firstfrm);
    context_.program.processPendingEvents();
    context_.random.seed(context_.clock.secondsSinceMidnight());
    const QDate today = context_.clock.today();
    state.SeasonColour = seasonColour(today.month());
    QPalette colours = palette();
    colours.setColor(QPalette::Window, state.SeasonColour);
    setPalette(colours);
    Label5->setText(eraDateLabel(today));
    state.DevelopmentLayout = isDevelopmentLayout(context_.program.programFolderPath());
    Timer1->setEnabled(true);
}

void Firstfrm::Timer1_Timer()
{
    Timer1->setEnabled(false);
    LoadSettings(context_);
    context_.navigator.show(ScreenNames::namesel);
    context_.navigator.close(ScreenNames::Firstfrm);
}

void StartProgram(AppContext& context)
{
    context.navigator.screen<Firstfrm>(ScreenNames::Firstfrm).startUp();
}
