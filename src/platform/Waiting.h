#pragma once
#include "platform/Clock.h"
#include "platform/ProgramControl.h"

// Waits the given seconds by the seconds-since-midnight clock while window
// events run. A wait that crosses midnight ends on time.
void waitLettingEventsRun(const Clock& clock, ProgramControl& program, double seconds);
