#pragma once
#include "foundation/AppContext.h"
#include "platform/Screen.h"

#include <memory>

class PictureView;
class QLabel;

// The start-up screen: picture and date while the settings load.
class Firstfrm final : public Screen {
    Q_OBJECT
public:
    explicit Firstfrm(AppContext& context);

    // The start-up sequence; the first Timer1 tick loads the settings and
    // hands over to the name selection.
    void startUp();

    PictureView* Image1;
    QLabel* Label1;
    QLabel* Label5;
    std::unique_ptr<Timer> Timer1;

private:
    void Timer1_Timer();

    AppContext& context_;
};

// Shows the start-up screen and runs its start-up sequence.
void StartProgram(AppContext& context);
