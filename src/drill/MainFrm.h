#pragma once
#include "drill/ProblemGeneration.h"
#include "foundation/AppContext.h"
#include "platform/Screen.h"

#include <array>
#include <initializer_list>
#include <cstdint>
#include <memory>

class QLabel;
class QPushButton;
class ShapeWidget;
class StrokeWidget;

// The drill screen: one run of a level, typed on the keyboard. Control
// arrays keep their element numbers as indexes (unused numbers are null).
class MainFrm final : public Screen {
    Q_OBJECT
public:
    explicit MainFrm(AppContext& context);
    ~MainFrm() override;

    // Every activation starts the run afresh: header, clock, a new problem.
    void activate() override;

    void 初期設定();
    void レベル別設定();
    void スタート();
    void 問題作成表示();
    void 判定();
    void 判定後処理();

    // The keyboard, as the screen sees it before any control.
    void KeyDown(int keyCode, bool shift);
    void KeyPress(char16_t character);
    // Ends a correction; run by the second "+", never by the mouse.
    void Commandkakunin_Click();

    // Header strip.
    QWidget* sPicture1;
    QLabel* sLabel2;  // title
    QLabel* sLabel14; // school
    QLabel* sLabel7;  // student
    QLabel* sLabel13; // minutes since sign-in
    QLabel* sLabel12; // run number today
    QLabel* sLabel11; // run number today on this level
    QLabel* sLabel8;  // level name
    QLabel* sLabel4;
    QLabel* sLabel9;  // problems to go
    QLabel* sLabel6;
    QLabel* sLabel5;
    QLabel* sLabel10; // elapsed seconds
    std::array<QLabel*, 6> sLabel16{};
    std::array<QLabel*, 3> sLabel17{};
    ShapeWidget* sShape5; // time bar
    ShapeWidget* sShape4; // minimum time mark
    ShapeWidget* sShape3; // target time mark
    ShapeWidget* sShape2; // elapsed time
    std::array<ShapeWidget*, 40> sPicture3{}; // 10..19 Best, 20..29 YourBest, 30..39 Pass

    // Drill area.
    QWidget* Keisan2BasePic;
    std::array<QLabel*, 2> Keisan2Lbl2{}; // operands
    std::array<QLabel*, 5> Keisan2Lbl3{}; // signs
    std::array<QLabel*, 2> Keisan2Lbl1{}; // answer boxes
    std::array<QLabel*, 2> Keisan2Lbl4{}; // correction boxes
    std::array<QLabel*, 1> Keisan2Lbl5{}; // the "+" prompt
    QLabel* Label1;  // "正解は"
    QLabel* Label2;  // the key help
    StrokeWidget* Line1;
    StrokeWidget* Line2;
    QPushButton* Commandkakunin;

    // The ten-frame aid.
    std::array<QWidget*, 2> Picture1{};
    std::array<ShapeWidget*, 21> Shape1{};
    std::array<StrokeWidget*, 21> Line3{};
    std::array<QLabel*, 4> Label5{};
    QLabel* Label6; // arrow
    QLabel* Label7; // " n いどう"
    std::array<QLabel*, 2> Label8{};

    // The five-and-five aid.
    QWidget* Picture2;
    std::array<ShapeWidget*, 21> Shape2{};
    ShapeWidget* Shape3;
    std::array<QLabel*, 3> Label9{};

    // Overlay at the run's end.
    QWidget* sPicture2;
    QLabel* lblsss1; // "成績記録中"
    QLabel* lblsss2; // "時間切れ"

    std::unique_ptr<Timer> sTimer1; // run clock
    std::unique_ptr<Timer> sTimer2; // minutes since sign-in
    std::array<std::unique_ptr<Timer>, 2> Timer2;
    std::array<std::unique_ptr<Timer>, 2> Timer3;
    std::unique_ptr<Timer> Timer4;
    std::unique_ptr<Timer> Timer5;

    // The problem on the screen.
    int DrawA = 0;
    int DrawB = 0;
    int LastOperandA = 0;
    int LastOperandB = 0;
    std::array<int, 3> CorrectAnswers{}; // [1..2]
    std::array<QString, 3> TypedAnswers; // [1..2]
    int AnswerBoxCount = 0;
    int ActiveBox = 0;
    QString InputText;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void buildHeader();
    void buildDrillArea();
    void buildMakeTenHint();
    void buildFiveFiveHint();
    void buildOverlay();
    void makeTimers();

    void showHeaderCounts();
    void setUpTimeBar();
    void showMinutesSinceSignIn();
    void showProblemsToGo();

    void resetHints();
    void prepareMakeTenHint();
    void prepareFiveFiveHint();
    void stopHintTimers();
    void makeTenFirstStage(int frame);
    void makeTenSecondStage(int frame);
    void fiveFiveFirstStage();
    void fiveFiveSecondStage();

    void submitAnswer();
    void moveToBox(int box, bool clear);
    void emptyBoxes(bool allBoxes);
    void showWrongAnswer();
    void countCorrectAnswer();

    static void setShown(std::initializer_list<QWidget*> widgets, bool shown);

    void sTimer1_Timer();
    void sTimer2_Timer();
    void hideRowSegments(int firstSegment, int count);

    AppContext& context_;
    SharedState& state_;
    DrillRunState& run_;
    std::uint32_t runStartTick_ = 0;
    MakeTenHintPlan makeTenPlan_;
};
