#include "completion/FrmSyuuryou.h"

#include "completion/CompletionRules.h"
#include "foundation/Buttons.h"
#include "foundation/RunStart.h"
#include "foundation/PictureView.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "results/Evaluation.h"
#include "sound/SoundCues.h"

#include <QFrame>
#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include <utility>

namespace {
const QString kFontFamily = QStringLiteral("IPAPGothic");
const QColor kTextColour(20, 45, 95);
constexpr int kTimer1Interval = 500;

// A calm evening over water after the run: sky, a setting sun, ripples.
void drawCompletionArtwork(QPainter& painter)
{
    constexpr int kHorizon = kScreenHeight * 7 / 10;
    QLinearGradient sky(0, 0, 0, kHorizon);
    sky.setColorAt(0, QColor(255, 246, 214));
    sky.setColorAt(1, QColor(255, 210, 165));
    painter.fillRect(0, 0, kScreenWidth, kHorizon, sky);

    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 170, 80, 170));
    painter.drawEllipse(QPointF(830, kHorizon), 80, 80);
    painter.setBrush(QColor(255, 255, 255, 170));
    for (const QPointF& cloud : {QPointF(420, 70), QPointF(490, 55), QPointF(550, 75)})
        painter.drawEllipse(cloud, 60, 25);

    QLinearGradient water(0, kHorizon, 0, kScreenHeight);
    water.setColorAt(0, QColor(120, 190, 225));
    water.setColorAt(1, QColor(60, 130, 195));
    painter.fillRect(0, kHorizon, kScreenWidth, kScreenHeight - kHorizon, water);
    painter.setBrush(Qt::NoBrush);
    const QPointF ripples[] = {{180, 650}, {520, 700}, {850, 640}};
    for (const QPointF& centre : ripples)
        for (int ring = 1; ring <= 5; ++ring) {
            painter.setPen(QPen(QColor(255, 255, 255, 190 - ring * 32), 3));
            painter.drawEllipse(centre, ring * 40.0, ring * 11.0);
        }
}

QLabel* makeLabel(QWidget* parent, const QRect& geometry, int pointSize,
                  Qt::Alignment alignment = Qt::AlignCenter, const QColor& colour = kTextColour)
{
    auto* label = new QLabel(parent);
    label->setGeometry(geometry);
    label->setAlignment(alignment);
    label->setFont(QFont(kFontFamily, pointSize, QFont::Bold));
    QPalette colours = label->palette();
    colours.setColor(QPalette::WindowText, colour);
    label->setPalette(colours);
    return label;
}

QPushButton* makeLargeButton(QWidget* parent, const QString& caption, const QRect& geometry)
{
    QPushButton* button = makeButton(caption, parent);
    button->setGeometry(geometry);
    button->setFont(QFont(kFontFamily, 26, QFont::Bold));
    button->hide();
    return button;
}

QFrame* makeGoalPanel(QWidget* parent, QLabel*& text)
{
    auto* panel = new QFrame(parent);
    panel->setGeometry(162, 565, 700, 80);
    panel->setFrameShape(QFrame::Box);
    panel->setLineWidth(3);
    panel->setAutoFillBackground(true);
    QPalette colours = panel->palette();
    colours.setColor(QPalette::Window, QColor(255, 240, 120));
    panel->setPalette(colours);
    text = makeLabel(panel, QRect(0, 0, 700, 80), 26, Qt::AlignCenter, QColor(200, 60, 0));
    text->setText(QStringLiteral("目標レベルクリア。おめでとう！"));
    panel->hide();
    return panel;
}
} // namespace

FrmSyuuryou::FrmSyuuryou(AppContext& context) : context_(context)
{
    setWindowTitle(QStringLiteral("終了"));
    setFixedSize(kScreenWidth, kScreenHeight);

    Image1 = new PictureView(drawCompletionArtwork, this);
    Image1->setGeometry(twipsRect(0, 0, 15360, 11520));

    Label15 = makeLabel(this, QRect(40, 20, 560, 50), 22, Qt::AlignLeft | Qt::AlignVCenter);
    Label16 = makeLabel(this, QRect(40, 80, 560, 70), 32, Qt::AlignLeft | Qt::AlignVCenter);
    Label17 = makeLabel(this, QRect(600, 20, 384, 60), 28, Qt::AlignRight | Qt::AlignVCenter);
    Label13 = makeLabel(this, QRect(600, 90, 384, 40), 20, Qt::AlignRight | Qt::AlignVCenter);
    Label14 = makeLabel(this, QRect(600, 135, 384, 40), 20, Qt::AlignRight | Qt::AlignVCenter);
    Label18 = makeLabel(this, QRect(0, 195, kScreenWidth, 90), 44);
    Label19 = makeLabel(this, QRect(0, 295, kScreenWidth, 70), 28);
    Label20 = makeLabel(this, QRect(0, 380, kScreenWidth, 90), 40, Qt::AlignCenter, QColor(210, 30, 40));
    Label20->hide();
    Label2 = makeLabel(this, QRect(0, 480, kScreenWidth, 70), 32, Qt::AlignCenter, QColor(0, 130, 70));
    Label2->setText(QStringLiteral("このレベルクリア"));
    Label2->hide();
    Picture1 = makeGoalPanel(this, Label1);

    Command4 = makeLargeButton(this, QStringLiteral("メニューへ"), QRect(252, 665, 240, 75));
    Command5 = makeLargeButton(this, QStringLiteral("もう一度"), QRect(532, 665, 240, 75));
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });
    connect(Command5, &QPushButton::clicked, this, [this] { Command5_Click(); });

    Timer1 = context.timers.createTimer();
    Timer1->setInterval(kTimer1Interval);
    Timer1->setHandler([this] { Timer1_Timer(); });
}

void FrmSyuuryou::activate()
{
    SharedState& state = context_.state;
    const int level = state.CurrentLevel;
    const int student = state.CurrentStudentNo;
    // Shown while the recount runs: the tallies do not hold this run yet.
    Label13->setText(QString::number(std::as_const(state).Tallies(level, student).TodayRunCount + 1));
    RecountTallies(context_);
    showPass(level, student);
    context_.program.processPendingEvents();
    Timer1->setEnabled(true);

    const int seconds = state.RecordedTime;
    Label19->setText(pointsLine(earnedPoints(state.Criteria, level, seconds), state.Criteria.PointMultiplier[level]));
    Label18->setText(timeLine(seconds));
    Label17->setText(state.CurrentStudentName.trimmed());
    Label15->setText(state.ProgramTitle);
    Label16->setText(state.LevelNames[level]);
    showRunNumbers(level, student);

    context_.program.processPendingEvents();
    announceOutcome();
    greetFinalLevelPass(level, student);

    // The flags belong to this run; no later screen may celebrate it again.
    state.NewBestFlag = false;
    state.NewLevelRecordFlag = false;
    context_.program.processPendingEvents();
    context_.navigator.close(ScreenNames::BASEFRM);
}

void FrmSyuuryou::showPass(int level, int student)
{
    const SharedState& state = context_.state;
    if (!LevelPassed(state, level, student))
        return;
    Label2->show();
    if (level == state.FinalLevelNo && goalPanelAllowed(state.Criteria))
        Picture1->show();
}

void FrmSyuuryou::showRunNumbers(int level, int student)
{
    SharedState& state = context_.state;
    Label13->setText(levelRunNumberText(std::as_const(state).Tallies(level, student).TodayRunCount));
    state.TodayTotalRuns = TodayRunsUpTo(state, student, kMaxLevel);
    Label14->setText(totalRunNumberText(state.TodayTotalRuns));
}

void FrmSyuuryou::announceOutcome()
{
    const RunOutcome outcome = runOutcome(context_.state);
    const QString message = outcomeMessage(outcome);
    if (!message.isEmpty()) {
        Label20->setText(message);
        Label20->show();
    }
    switch (outcome) {
    case RunOutcome::LevelRecord:
        playWhileShown(PlayLevelRecordSound);
        break;
    case RunOutcome::PersonalBest:
        playWhileShown(PlayPersonalBestSound);
        break;
    case RunOutcome::WithinMinimumTime:
        PlayNoRecordSound(context_);
        break;
    case RunOutcome::TimeOut:
    case RunOutcome::Unremarkable:
        break;
    }
}

// The message is on the screen before the sound holds it.
void FrmSyuuryou::playWhileShown(void (*cue)(AppContext&))
{
    context_.program.processPendingEvents();
    cue(context_);
    context_.program.processPendingEvents();
}

void FrmSyuuryou::greetFinalLevelPass(int level, int student)
{
    const SharedState& state = context_.state;
    if (LevelPassed(state, level, student) && level == state.FinalLevelNo) {
        if (!state.AlreadyPassed)
            PlayFinalLevelSound(context_);
    } else {
        Picture1->hide();
    }
}

void FrmSyuuryou::Timer1_Timer()
{
    Picture1->hide();
    Command4->show();
    context_.program.processPendingEvents();
    Command4->setFocus();
    Timer1->setEnabled(false);
    offerRetry(context_.state.CurrentLevel, context_.state.CurrentStudentNo);
}

void FrmSyuuryou::offerRetry(int level, int student)
{
    switch (retryOffer(context_.state, level, student)) {
    case RetryOffer::Offered:
        Command5->show();
        break;
    case RetryOffer::MoveOnInstead:
        Label2->setText(QStringLiteral("次のレベルへ進みましょう"));
        break;
    case RetryOffer::OfferedWithoutClearNote:
        Label2->clear();
        Label2->hide();
        Command5->show();
        break;
    }
}

void FrmSyuuryou::Command4_Click()
{
    Command4->setEnabled(false);
    context_.state.RetryRequested = false;
    context_.navigator.show(ScreenNames::seisekitime1);
    context_.navigator.close(ScreenNames::FrmSyuuryou);
    context_.program.processPendingEvents();
}

void FrmSyuuryou::Command5_Click()
{
    Command4->setEnabled(false);
    context_.navigator.show(ScreenNames::BASEFRM);
    context_.navigator.close(ScreenNames::FrmSyuuryou);
    context_.program.processPendingEvents();
    context_.state.RetryRequested = true;
    StartRun(context_);
}
