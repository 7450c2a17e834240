#include "foundation/RunStart.h"

#include "foundation/ScreenNames.h"

namespace {
void resetRunState(SharedState& state)
{
    state.RunEndedGuard = false;
    state.TimeOutFlag = false;
    state.Drill.RunFinished = false;
    state.Drill.CorrectCount = 0;
    state.Drill.PlusState = 0;
    state.Drill.JudgingBusy = false;
}
} // namespace

void StartRun(AppContext& context)
{
    resetRunState(context.state);
    context.program.processPendingEvents();
    context.navigator.show(ScreenNames::MainFrm);
}
