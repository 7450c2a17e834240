#pragma once
#include "foundation/AppContext.h"

// Clears the state of the previous run and opens the drill screen, which
// starts the new run when it is activated.
void StartRun(AppContext& context);
