#pragma once
// The run clock's arithmetic: elapsed seconds and the rows of the header
// that empty as the run nears its times.

#include "foundation/Rounding.h"

#include <cstdint>

// Whole seconds of a run from the millisecond tick counter, which keeps
// counting across midnight and clock adjustments (and wraps after 2^32 ms).
int elapsedRunSeconds(std::uint32_t startTick, std::uint32_t nowTick);

// Whole minutes since the student signed in, by seconds since midnight
// (now taken in whole seconds, the fraction dropped); a sign-in before
// midnight still counts forward.
int wholeMinutesSince(int loginTime, double secondsNow);

// A row of ten segments that empties from the left during the ten seconds
// before time T: how many segments are hidden at elapsed second E, or 0
// once E has passed T (the row then stays as it was). A T of 99999 (no
// time yet) hides none.
int segmentsHiddenBefore(int elapsed, int time);

// The "Pass" row's second rule: the segment (0..9 from the left) that
// disappears at elapsed second E during the ten seconds before the
// minimum time, or -1.
int segmentHiddenBeforeMinimum(int elapsed, int minimumTime);
