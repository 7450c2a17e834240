#pragma once
// What the completion screen shows and plays after a recorded run, worked
// out from the shared state without any widget.

#include "foundation/SharedState.h"

#include <QString>

// The run's points as graded by the target time, and after the level's
// multiplier: what the recount adds to the student's tallies.
struct EarnedPoints {
    int graded = 0;
    int weighted = 0;
};
EarnedPoints earnedPoints(const CriteriaTable& criteria, int level, int seconds);

// "獲得ポイント：11点×1.5→16点"
QString pointsLine(const EarnedPoints& points, float multiplier);
// The multiplier as typed into the criteria table: "1.5", "0.7", "2".
QString multiplierText(float multiplier);
// "今の成績：42秒", or "記録なし" for a time-out.
QString timeLine(int seconds);
// " (このレベル　3回目)"
QString levelRunNumberText(int runsToday);
// "（7回目)"
QString totalRunNumberText(int runsToday);

// The goal panel congratulates on the final level unless some level asks
// for 9999 runs, which marks a school that sets no goal.
bool goalPanelAllowed(const CriteriaTable& criteria);

// What the run is remembered for; the first that holds wins.
enum class RunOutcome {
    TimeOut,
    LevelRecord,
    PersonalBest,
    WithinMinimumTime, // no record, but inside the lowest passing line
    Unremarkable,
};
RunOutcome runOutcome(const SharedState& state);
// The message shown for the outcome; empty when there is none.
QString outcomeMessage(RunOutcome outcome);

// Whether "もう一度" is offered once the screen is ready.
enum class RetryOffer {
    Offered,
    MoveOnInstead,          // the passed level was overdone: advise the next one
    OfferedWithoutClearNote, // the final level was overdone: nothing left to advise
};
RetryOffer retryOffer(const SharedState& state, int level, int student);
