#pragma once
// The end of a run on the drill screen: record it, then the completion screen.

#include "foundation/AppContext.h"

// Runs once per run, after the last problem or the time-out: shows the
// run's end on the drill screen, records a timed level's run and opens the
// completion screen a second later; a practice run goes back to the menu
// unrecorded.
void FinishRun(AppContext& context);

// Lets window events run for the given seconds by the millisecond tick
// counter, then closes the drill screen and opens the completion screen.
void WaitThenShowCompletion(AppContext& context, int seconds);
