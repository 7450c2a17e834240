#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

#include <memory>

class QFrame;
class PictureView;
class QLabel;
class QPushButton;

// The completion screen: the outcome of the run just recorded, then the
// way back to the menu or into the same level once more.
class FrmSyuuryou final : public Screen {
    Q_OBJECT
public:
    explicit FrmSyuuryou(AppContext& context);

    void activate() override;

    PictureView* Image1;
    QLabel* Label15; // program title
    QLabel* Label16; // level name
    QLabel* Label17; // student name
    QLabel* Label13; // today's run number on this level
    QLabel* Label14; // today's run number over all levels
    QLabel* Label18; // time of the run
    QLabel* Label19; // points earned
    QLabel* Label20; // message
    QLabel* Label2;  // level cleared
    QFrame* Picture1; // goal reached
    QLabel* Label1;
    QPushButton* Command4; // メニューへ
    QPushButton* Command5; // もう一度
    std::unique_ptr<Timer> Timer1;

private:
    void Timer1_Timer();
    void Command4_Click();
    void Command5_Click();

    void showPass(int level, int student);
    void showRunNumbers(int level, int student);
    void announceOutcome();
    void playWhileShown(void (*cue)(AppContext&));
    void greetFinalLevelPass(int level, int student);
    void offerRetry(int level, int student);

    AppContext& context_;
};
