#include "drill/MainFrm.h"

#include "drill/AnswerInput.h"
#include "drill/RunClock.h"
#include "drill/RunEnd.h"
#include "drill/Shapes.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/ScreenLayout.h"
#include "foundation/ScreenNames.h"
#include "results/Evaluation.h"
#include "sound/SoundCues.h"

#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

#include <limits>
#include <utility>

namespace {
constexpr int kProblemsPerRun = 20;
constexpr int kTimeLimitFactor = 5;     // a run times out at five times the minimum time
constexpr int kHintStageMs = 3000;
constexpr int kLevelsInTodaysCount = 15;
const QColor kIdleBox = colourFromBgr(0xFFFF80);
const QColor kTypingBox = colourFromBgr(0x00C000);
const QColor kCounterRed = colourFromBgr(0x0000FF);
const QColor kCounterBlue = colourFromBgr(0xFF0000);
const QColor kCounterGreen = colourFromBgr(0x00FF00);

void setBoxColour(QLabel* box, const QColor& colour)
{
    QPalette colours = box->palette();
    colours.setColor(QPalette::Window, colour);
    box->setPalette(colours);
}

QColor counterColour(Counter counter)
{
    switch (counter) {
    case Counter::Blue: return kCounterBlue;
    case Counter::Green: return kCounterGreen;
    default: return kCounterRed;
    }
}

void setWidth(QWidget* bar, double width) { bar->resize(static_cast<int>(width), bar->height()); }
} // namespace

MainFrm::MainFrm(AppContext& context)
    : context_(context), state_(context.state), run_(context.state.Drill)
{
    setWindowTitle(QStringLiteral("楠野塾"));
    setFixedSize(kScreenWidth, kScreenHeight);
    setFocusPolicy(Qt::StrongFocus);

    buildHeader();
    buildDrillArea();
    buildMakeTenHint();
    buildFiveFiveHint();
    buildOverlay();
    makeTimers();

    // Load.
    context_.random.seed(context_.clock.secondsSinceMidnight());
    sPicture1->move(0, sPicture1->y());
    sPicture2->move(0, 0);
    Keisan2BasePic->setGeometry(0, sPicture1->y() + sPicture1->height(), kScreenWidth,
                                kScreenHeight - sPicture1->height());
    sPicture2->raise();
    resetHints();
}

MainFrm::~MainFrm() = default;

void MainFrm::makeTimers()
{
    const auto make = [this](int interval, std::function<void()> handler) {
        std::unique_ptr<Timer> timer = context_.timers.createTimer();
        timer->setInterval(interval);
        timer->setHandler(std::move(handler));
        return timer;
    };
    sTimer1 = make(1000, [this] { sTimer1_Timer(); });
    sTimer2 = make(10000, [this] { sTimer2_Timer(); });
    sTimer2->setEnabled(true);
    for (int frame = 0; frame < 2; ++frame) {
        Timer2[frame] = make(kHintStageMs, [this, frame] { makeTenFirstStage(frame); });
        Timer3[frame] = make(kHintStageMs, [this, frame] { makeTenSecondStage(frame); });
    }
    Timer4 = make(kHintStageMs, [this] { fiveFiveFirstStage(); });
    Timer5 = make(kHintStageMs, [this] { fiveFiveSecondStage(); });
}

// ---- Run start ----

void MainFrm::activate()
{
    setFocus(); // the keys come to the screen itself
    初期設定();
    レベル別設定();
    スタート();
    問題作成表示();
}

void MainFrm::初期設定()
{
    context_.navigator.close(ScreenNames::seisekitime1);
    context_.navigator.close(ScreenNames::BASEFRM);
    run_.RunFinished = false;
    state_.RunEndedGuard = false;
    run_.JudgeResult = 0;
    InputText.clear();
    if (state_.LevelTimed[state_.CurrentLevel])
        setUpTimeBar();

    QFont title = sLabel2->font();
    title.setPointSizeF(state_.ProgramTitle.size() > 9 ? 14 : 16.8);
    sLabel2->setFont(title);
    sLabel2->setText(state_.ProgramTitle);
    sLabel7->setText(state_.CurrentStudentName.trimmed());
    sLabel8->setText(state_.LevelNames[state_.CurrentLevel]);
    sLabel14->setText(state_.SchoolName);
    showMinutesSinceSignIn();
    showHeaderCounts();
}

void MainFrm::setUpTimeBar()
{
    const CriteriaTable& criteria = state_.Criteria;
    const int level = state_.CurrentLevel;
    run_.TimeLimit = static_cast<int>(std::min<qint64>(qint64(criteria.MinimumTime[level]) * kTimeLimitFactor,
                                                       std::numeric_limits<int>::max()));
    sLabel10->setText(QStringLiteral("0"));
    // Without a minimum time the run has no limit and the bar stays empty.
    run_.TimeBarScale = run_.TimeLimit > 0 ? static_cast<double>(sShape5->width()) / run_.TimeLimit : 0.0;
    const double barLength = sShape5->width();
    const auto markLength = [&](int seconds) { return std::clamp(seconds * run_.TimeBarScale, 0.0, barLength); };
    for (ShapeWidget* mark : {sShape2, sShape3, sShape4})
        mark->move(sShape5->x(), mark->y());
    setWidth(sShape2, 0);
    setWidth(sShape3, markLength(criteria.TargetTime[level]));
    setWidth(sShape4, markLength(criteria.MinimumTime[level]));
}

void MainFrm::showHeaderCounts()
{
    const int student = state_.CurrentStudentNo;
    const int todayTotal = TodayRunsUpTo(state_, student, kLevelsInTodaysCount);
    state_.TodayTotalRuns = todayTotal;
    if (isPracticeLevel(state_, state_.CurrentLevel)) {
        sLabel12->setText(QStringLiteral("－"));
        sLabel11->setText(QStringLiteral("－"));
        return;
    }
    sLabel12->setText(QString::number(todayTotal + 1));
    sLabel11->setText(QString::number(std::as_const(state_).Tallies(state_.CurrentLevel, student).TodayRunCount + 1));
}

void MainFrm::showMinutesSinceSignIn()
{
    sLabel13->setText(QString::number(wholeMinutesSince(state_.LoginTime, context_.clock.secondsSinceMidnight())));
}

void MainFrm::レベル別設定()
{
    run_.ProblemsPerRun = kProblemsPerRun;
    // A run activated again goes on with its count: show what is still to do.
    showProblemsToGo();
}

void MainFrm::スタート()
{
    state_.RunStartTime = static_cast<float>(context_.clock.secondsSinceMidnight());
    runStartTick_ = context_.clock.tickCount();
    sTimer1->setEnabled(true);
}

// ---- Problems and picture aids ----

void MainFrm::問題作成表示()
{
    if (state_.TimeOutFlag || run_.RunFinished || run_.JudgingBusy)
        return;
    resetHints();
    const std::optional<Problem> problem = drawProblem(state_.CurrentLevel, LastOperandA, context_.random);
    if (!problem)
        return;
    DrawA = problem->DrawA;
    DrawB = problem->DrawB;
    if (state_.CurrentLevel == 3)
        prepareMakeTenHint();
    else if (state_.CurrentLevel == 5)
        prepareFiveFiveHint();

    LastOperandA = DrawA;
    LastOperandB = DrawB;
    CorrectAnswers[1] = problem->answer;
    Keisan2Lbl2[0]->setText(QString::number(DrawA));
    Keisan2Lbl2[1]->setText(QString::number(DrawB));
    Keisan2Lbl3[0]->setText(problem->sign);
    Keisan2Lbl3[1]->setText(QStringLiteral("＝"));
    Keisan2Lbl3[2]->clear();
    Keisan2Lbl1[1]->hide();
    AnswerBoxCount = 1;
    ActiveBox = 0;
    for (int box = 0; box < AnswerBoxCount; ++box) {
        Keisan2Lbl1[box]->clear();
        setBoxColour(Keisan2Lbl1[box], kIdleBox);
    }
    setBoxColour(Keisan2Lbl1[ActiveBox], kTypingBox);
}

void MainFrm::stopHintTimers()
{
    for (int frame = 0; frame < 2; ++frame) {
        Timer2[frame]->setEnabled(false);
        Timer3[frame]->setEnabled(false);
    }
    Timer4->setEnabled(false);
    Timer5->setEnabled(false);
}

void MainFrm::resetHints()
{
    stopHintTimers();
    for (int i = 1; i <= 20; ++i) {
        Shape1[i]->hide();
        Shape1[i]->setFillColour(kCounterRed);
        Line3[i]->hide();
        Line3[i]->setColour(kCounterRed);
        Shape2[i]->hide();
    }
    for (QLabel* label : {Label6, Label7, Label8[0], Label8[1], Label5[0], Label5[1], Label5[2], Label5[3]})
        label->hide();
    Picture1[0]->hide();
    Picture1[1]->hide();
    Picture2->hide();
    Shape3->hide();
    Label9[2]->hide();
}

void MainFrm::prepareMakeTenHint()
{
    makeTenPlan_ = makeTenHintPlan(DrawA, DrawB);
    const int frame = makeTenPlan_.completedFrame;
    Label5[frame]->setText(makeTenPlan_.caption);
    Timer2[frame]->setEnabled(true);
    for (int i = 1; i <= 20; ++i) {
        if (makeTenPlan_.counters[i] != Counter::Hidden) {
            Shape1[i]->setFillColour(counterColour(makeTenPlan_.counters[i]));
            Shape1[i]->show();
        }
        Line3[i]->setVisible(makeTenPlan_.struck[i]);
    }
    Label7->setText(makeTenPlan_.moveText);
    Label6->setText(makeTenPlan_.arrow);
}

// 3 s: the frame of the number being completed, with its caption.
void MainFrm::makeTenFirstStage(int frame)
{
    Timer2[0]->setEnabled(false);
    Timer2[1]->setEnabled(false);
    Label5[frame]->show();
    Picture1[frame]->show();
    Timer3[1 - frame]->setEnabled(true);
}

// 6 s: the other frame with its struck counters, the move, the filled ten.
void MainFrm::makeTenSecondStage(int frame)
{
    Timer3[0]->setEnabled(false);
    Timer3[1]->setEnabled(false);
    Picture1[frame]->show();
    for (int i = makeTenPlan_.filledFrom; i <= makeTenPlan_.filledTo; ++i)
        Shape1[i]->setFillColour(kCounterGreen);
    Label8[1 - frame]->show();
    Label6->show();
    Label7->show();
}

void MainFrm::prepareFiveFiveHint()
{
    const FiveFiveHintPlan plan = fiveFiveHintPlan(DrawA, DrawB);
    for (int i = 1; i <= 20; ++i)
        Shape2[i]->setVisible(plan.shown[i]);
    Label9[0]->setText(plan.firstLabel);
    Label9[1]->setText(plan.secondLabel);
    Timer4->setEnabled(true);
}

void MainFrm::fiveFiveFirstStage()
{
    Timer4->setEnabled(false);
    Picture2->show();
    Timer5->setEnabled(true);
}

void MainFrm::fiveFiveSecondStage()
{
    Timer5->setEnabled(false);
    Shape3->show();
    Label9[2]->show();
}

// ---- Keys ----

void MainFrm::keyPressEvent(QKeyEvent* event)
{
    // A key is a key-down and, when it types something, a character, as
    // the children's keyboards have always delivered them.
    if (const DrillKey key = drillKeyOf(event->key()))
        KeyDown(key, event->modifiers() & Qt::ShiftModifier);
    if (const std::optional<char16_t> character = typedCharacter(event->key(), event->text()))
        KeyPress(*character);
}

void MainFrm::KeyDown(int keyCode, bool shift)
{
    // A key that comes while an answer is judged (where the judging lets
    // events run) would judge the same answer again.
    if (run_.PlusState >= 1 || run_.JudgingBusy)
        return;
    switch (keyCode) {
    case DeleteKey:
    case DownKey:
        InputText.clear();
        emptyBoxes(shift);
        break;
    case UpKey:
        InputText.clear();
        emptyBoxes(true);
        ActiveBox = 0;
        moveToBox(0, true);
        break;
    case RightKey:
        moveToBox(ActiveBox + 1 == AnswerBoxCount ? 0 : ActiveBox + 1, shift);
        break;
    case LeftKey:
        moveToBox(ActiveBox == 0 ? AnswerBoxCount - 1 : ActiveBox - 1, shift);
        break;
    case SpaceKey:
        if (ActiveBox == AnswerBoxCount - 1)
            submitAnswer();
        else
            moveToBox(ActiveBox + 1, false);
        break;
    default:
        break;
    }
}

void MainFrm::emptyBoxes(bool allBoxes)
{
    if (!allBoxes) {
        Keisan2Lbl1[ActiveBox]->clear();
        return;
    }
    for (int box = 0; box < AnswerBoxCount; ++box)
        Keisan2Lbl1[box]->clear();
}

// Makes `box` the one that receives typing; `clear` starts it empty,
// otherwise typing goes on from its text.
void MainFrm::moveToBox(int box, bool clear)
{
    ActiveBox = box;
    for (int i = 0; i < AnswerBoxCount; ++i)
        setBoxColour(Keisan2Lbl1[i], kIdleBox);
    if (clear) {
        InputText.clear();
        Keisan2Lbl1[box]->clear();
    } else {
        InputText = Keisan2Lbl1[box]->text();
    }
    setBoxColour(Keisan2Lbl1[box], kTypingBox);
}

void MainFrm::submitAnswer()
{
    TypedAnswers[1] = Keisan2Lbl1[0]->text();
    TypedAnswers[2] = Keisan2Lbl1[1]->text();
    run_.JudgingBusy = true;
    判定();
    判定後処理();
    run_.JudgingBusy = false;
}

void MainFrm::KeyPress(char16_t character)
{
    if (state_.TimeOutFlag || run_.RunFinished || run_.JudgingBusy)
        return;
    if (run_.PlusState == 1 || run_.PlusState == 2) {
        if (character != u'+') {
            run_.PlusState = 1; // the two "+" must come in a row
        } else if (run_.PlusState == 1) {
            run_.PlusState = 2;
        } else {
            run_.PlusState = 3;
            Keisan2Lbl5[0]->hide();
            Commandkakunin_Click();
        }
        return;
    }
    if (character == kBackspace) {
        if (!InputText.isEmpty())
            InputText.chop(1);
        Keisan2Lbl1[ActiveBox]->setText(InputText);
    } else if (InputText.size() >= kInputLimit) {
        PlayWarningSound(context_);
    } else if (isAnswerCharacter(character)) {
        InputText += QChar(character);
        Keisan2Lbl1[ActiveBox]->setText(InputText);
    }
}

void MainFrm::Commandkakunin_Click()
{
    run_.PlusState = 0;
    setShown({Keisan2Lbl4[0], Keisan2Lbl4[1], Keisan2Lbl3[3], Keisan2Lbl3[4], Label1, Line1, Line2, Keisan2Lbl5[0]},
             false);
    InputText.clear();
    問題作成表示();
}

// ---- Judging and what follows ----

void MainFrm::判定()
{
    if (state_.TimeOutFlag || run_.RunFinished) {
        run_.JudgingBusy = false;
        return;
    }
    const bool correct = numericValue(TypedAnswers[1]) == CorrectAnswers[1] &&
                         numericValue(TypedAnswers[2]) == CorrectAnswers[2];
    run_.JudgeResult = correct ? 1 : 2;
}

void MainFrm::判定後処理()
{
    stopHintTimers(); // whatever stage of the aid shows stays until the next problem
    if (state_.TimeOutFlag || run_.RunFinished)
        return;
    if (run_.JudgeResult != 1)
        showWrongAnswer();
    else
        countCorrectAnswer();
}

void MainFrm::showProblemsToGo()
{
    sLabel9->setText(QString::number(run_.ProblemsPerRun - run_.CorrectCount));
}

void MainFrm::showWrongAnswer()
{
    run_.PlusState = 1;
    Keisan2Lbl4[0]->setText(QString::number(CorrectAnswers[1]));
    Keisan2Lbl4[1]->clear();
    setShown({Keisan2Lbl4[0], Keisan2Lbl3[4], Label1, Line1, Line2}, true);
    context_.program.processPendingEvents(); // the correction is on the screen before the sound
    PlayWrongSound(context_);
    run_.CorrectCount = std::max(run_.CorrectCount - 1, 0);
    showProblemsToGo();
    run_.JudgingBusy = false;
    Keisan2Lbl5[0]->show();
}

void MainFrm::countCorrectAnswer()
{
    run_.JudgeResult = 0;
    PlayCorrectSound(context_);
    ++run_.CorrectCount;
    showProblemsToGo();
    if (run_.CorrectCount >= run_.ProblemsPerRun) {
        sTimer1->setEnabled(false);
        run_.RunFinished = true;
        FinishRun(context_);
        return;
    }
    run_.JudgingBusy = false;
    InputText.clear();
    問題作成表示();
}

void MainFrm::setShown(std::initializer_list<QWidget*> widgets, bool shown)
{
    for (QWidget* widget : widgets)
        widget->setVisible(shown);
}

// ---- Clocks ----

void MainFrm::hideRowSegments(int firstSegment, int count)
{
    for (int i = 0; i < count; ++i)
        sPicture3[firstSegment + i]->hide();
}

void MainFrm::sTimer1_Timer()
{
    const int level = state_.CurrentLevel;
    const CriteriaTable& criteria = state_.Criteria;
    const int elapsed = elapsedRunSeconds(runStartTick_, context_.clock.tickCount());
    state_.ElapsedSeconds = elapsed;

    hideRowSegments(10, segmentsHiddenBefore(elapsed, state_.LevelRecord[level]));
    hideRowSegments(20, segmentsHiddenBefore(elapsed, std::as_const(state_).BestTime(level, state_.CurrentStudentNo)));
    hideRowSegments(30, segmentsHiddenBefore(elapsed, criteria.TargetTime[level]));
    if (const int segment = segmentHiddenBeforeMinimum(elapsed, criteria.MinimumTime[level]); segment >= 0)
        sPicture3[30 + segment]->hide();

    // Without a minimum time the run has no limit.
    const bool timeLeft = run_.TimeLimit <= 0 || elapsed < run_.TimeLimit;
    if (state_.LevelTimed[level])
        sLabel10->setText(QString::number(elapsed));
    if (timeLeft)
        setWidth(sShape2, elapsed * run_.TimeBarScale);
    context_.program.processPendingEvents();
    if (timeLeft)
        return;
    setWidth(sShape2, sShape5->width());
    if (state_.RunEndedGuard || run_.RunFinished || run_.JudgingBusy)
        return; // an answer is being judged: the time-out comes at the next tick
    state_.TimeOutFlag = true;
    sTimer1->setEnabled(false);
    FinishRun(context_);
}

void MainFrm::sTimer2_Timer() { showMinutesSinceSignIn(); }
