#include "results/Evaluation.h"

#include "results/ResultsFile.h"

#include <cmath>

namespace {
// The number of the first three characters of a time's decimal text, as
// the original grading read it (1234 seconds grade as 123).
int firstThreeCharacters(int seconds)
{
    if (seconds < 0)
        return QString::number(seconds).left(3).toInt();
    while (seconds >= 1000)
        seconds /= 10;
    return seconds;
}

// The multiplier is typed as a decimal; take the product to that decimal
// so that 10 points × 0.7 are 7, not 6.999… rounded down.
constexpr double kMultiplierRounding = 1e-4;

int weightedPoints(int seconds, const CriteriaTable& criteria, int level)
{
    if (seconds >= kOnlyFailedRuns)
        return 0;
    const int points = RunPoints(seconds, criteria.TargetTime[level]);
    return static_cast<int>(std::floor(points * static_cast<double>(criteria.PointMultiplier[level]) +
                                       kMultiplierRounding));
}

void resetTallies(SharedState& state)
{
    for (auto* table : {&state.RunCount, &state.JudgeRunCount, &state.TodayRunCount, &state.TodayPoints,
                        &state.TotalPoints, &state.JudgePoints, &state.LimitRunCount, &state.LimitPointsSum})
        table->fill(0);
}
} // namespace

int RunPoints(int seconds, int targetTime)
{
    const int t = targetTime;
    if (t == 0)
        return 0; // no target, no points
    if (seconds <= t) {
        const double share = static_cast<double>(t - firstThreeCharacters(seconds)) / t;
        return static_cast<int>(std::floor(share * share * share * 50 + 5));
    }
    if (seconds < 2.0 * t)
        return 4;
    if (seconds < 10.0 * t)
        return 1;
    return 0;
}

void RecountTallies(AppContext& context)
{
    SharedState& state = context.state;
    resetTallies(state);
    LoadResults(context);

    const CriteriaTable& criteria = state.Criteria;
    const QDateTime now = context.clock.now();
    const double nowSerial = serialMoment(now);
    const double today = entryDateOf(now.date());
    for (const LoadedResult& result : state.LoadedResults) {
        const int level = result.Level;
        const int student = result.StudentNo;
        const int seconds = result.Seconds;
        const int counted = seconds < kUncountedRunSeconds ? 1 : 0;
        const int points = weightedPoints(seconds, criteria, level);

        state.RunCount(level, student) += counted;
        state.TotalPoints(level, student) += points;
        if (result.EntryDate > nowSerial - criteria.JudgeDays[level]) {
            state.JudgeRunCount(level, student) += counted;
            state.JudgePoints(level, student) += points;
        }
        if (result.EntryDate > nowSerial - criteria.LimitDays[level]) {
            state.LimitRunCount(level, student) += counted;
            state.LimitPointsSum(level, student) += points;
        }
        if (result.EntryDate == today) {
            state.TodayRunCount(level, student) += counted;
            state.TodayPoints(level, student) += points;
        }
    }
}

bool LevelPassed(const SharedState& state, int level, int student)
{
    return state.JudgePoints(level, student) >= state.Criteria.ClearPoints[level] &&
           state.JudgeRunCount(level, student) >= state.Criteria.ClearCount[level];
}

bool OverdoingLocked(const SharedState& state, int level, int student)
{
    const CriteriaTable& criteria = state.Criteria;
    return (criteria.LimitCount[level] != 0 && state.LimitRunCount(level, student) >= criteria.LimitCount[level]) ||
           (criteria.LimitPoints[level] != 0 &&
            state.LimitPointsSum(level, student) >= criteria.LimitPoints[level]);
}

void EvaluateRun(AppContext& context, int level)
{
    SharedState& state = context.state;
    const int student = state.CurrentStudentNo;
    const int seconds = state.RecordedTime;
    // The tallies of the last recount do not hold this run yet.
    state.AlreadyPassed = state.RunCount(level, student) >= state.Criteria.ClearCount[level] &&
                          state.TotalPoints(level, student) >= state.Criteria.ClearPoints[level];
    if (seconds < state.BestTime(level, student)) {
        state.NewBestFlag = true;
        state.BestTime(level, student) = seconds;
    }
    AppendResult(context);
    if (seconds < state.LevelRecord[level]) {
        state.LevelRecord[level] = seconds;
        state.NewLevelRecordFlag = true;
    }
}
