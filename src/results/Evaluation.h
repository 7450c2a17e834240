#pragma once
// Points, run counts, passes and overdoing locks. None of them is stored:
// they are recounted from the results file with the current criteria.

#include "foundation/AppContext.h"

// The points of one run against the level's target time T.
int RunPoints(int seconds, int targetTime);

// The points a run counts for in the tallies: graded by the target time,
// then scaled by the level's multiplier; a failed run counts none.
int WeightedRunPoints(int seconds, const CriteriaTable& criteria, int level);

// Today's runs of a student, summed over levels 1..lastLevel.
int TodayRunsUpTo(const SharedState& state, int student, int lastLevel);

// Recounts every tally from the newest records of the results file.
void RecountTallies(AppContext& context);

// Enough points and runs within the judgement period.
bool LevelPassed(const SharedState& state, int level, int student);

// Too many runs or points within the overdoing period.
bool OverdoingLocked(const SharedState& state, int level, int student);

// Compares the finished run with the student's best and the level record,
// and appends it to the results file.
void EvaluateRun(AppContext& context, int level);
