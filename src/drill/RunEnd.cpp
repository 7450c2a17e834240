#include "drill/RunEnd.h"

#include "drill/MainFrm.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/ScreenNames.h"
#include "results/Evaluation.h"

#include <QLabel>

namespace {
constexpr std::uint32_t kStepMs = 10;

void showRunEnd(MainFrm& drill, bool timedOut)
{
    drill.sPicture2->show();
    drill.sPicture2->raise();
    drill.lblsss2->setVisible(timedOut);
    drill.lblsss1->setVisible(!timedOut);
}
} // namespace

void FinishRun(AppContext& context)
{
    SharedState& state = context.state;
    Navigator& navigator = context.navigator;
    context.program.processPendingEvents();
    if (state.RunEndedGuard)
        return;
    state.RunEndedGuard = true;
    MainFrm& drill = navigator.screen<MainFrm>(ScreenNames::MainFrm);
    showRunEnd(drill, state.TimeOutFlag);
    context.program.processPendingEvents();

    if (isPracticeLevel(state, state.CurrentLevel)) {
        navigator.show(ScreenNames::BASEFRM);
        navigator.close(ScreenNames::MainFrm);
        navigator.show(ScreenNames::seisekitime1);
        context.program.processPendingEvents();
        return;
    }
    if (!state.LevelTimed[state.CurrentLevel])
        return; // neither recorded nor left
    drill.sTimer1->setEnabled(false);
    state.RecordedTime = state.TimeOutFlag ? kNoTime : state.ElapsedSeconds;
    EvaluateRun(context, state.CurrentLevel);
    navigator.show(ScreenNames::BASEFRM);
    context.program.processPendingEvents();
    WaitThenShowCompletion(context, 1);
}

void WaitThenShowCompletion(AppContext& context, int seconds)
{
    // Whole 10 ms steps of the tick counter; what a slow round of events
    // overshoots is carried into the next step.
    std::uint32_t mark = context.clock.tickCount();
    int steps = 0;
    while (steps * kStepMs / 1000 < static_cast<std::uint32_t>(seconds)) {
        context.program.letEventsRunFor(kStepMs);
        while (context.clock.tickCount() - mark > kStepMs) {
            ++steps;
            mark += kStepMs;
        }
    }
    context.navigator.close(ScreenNames::MainFrm);
    context.navigator.show(ScreenNames::FrmSyuuryou);
}
