#include "results/Evaluation.h"

#include "results/ResultsFile.h"

#include <utility>

namespace {
// floor() for the small values of the points rules, without the library
// call that dominates a recount on processors without a rounding instruction.
int floorToInt(double value)
{
    const int truncated = static_cast<int>(value);
    return value < truncated ? truncated - 1 : truncated;
}

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
} // namespace

int WeightedRunPoints(int seconds, const CriteriaTable& criteria, int level)
{
    if (seconds >= kOnlyFailedRuns)
        return 0;
    const int points = RunPoints(seconds, criteria.TargetTime[level]);
    return floorToInt(points * static_cast<double>(criteria.PointMultiplier[level]) + kMultiplierRounding);
}

int TodayRunsUpTo(const SharedState& state, int student, int lastLevel)
{
    int runs = 0;
    for (int level = 1; level <= lastLevel; ++level)
        runs += state.Tallies(level, student).TodayRunCount;
    return runs;
}

int RunPoints(int seconds, int targetTime)
{
    const int t = targetTime;
    if (t == 0)
        return 0; // no target, no points
    if (seconds <= t) {
        const double share = (static_cast<double>(t) - firstThreeCharacters(seconds)) / t;
        return floorToInt(share * share * share * 50 + 5);
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
    state.Tallies.reset();
    LoadResults(context);

    const CriteriaTable& criteria = state.Criteria;
    const QDateTime now = context.clock.now();
    const double nowSerial = serialMoment(now);
    const double today = entryDateOf(now.date());
    for (const LoadedResult& result : state.LoadedResults) {
        const int level = result.Level;
        const int seconds = result.Seconds;
        const int counted = seconds < kUncountedRunSeconds ? 1 : 0;
        const int points = WeightedRunPoints(seconds, criteria, level);

        StudentTallies& tallies = state.Tallies(level, result.StudentNo);
        tallies.RunCount += counted;
        tallies.TotalPoints += points;
        if (result.EntryDate > nowSerial - criteria.JudgeDays[level]) {
            tallies.JudgeRunCount += counted;
            tallies.JudgePoints += points;
        }
        if (result.EntryDate > nowSerial - criteria.LimitDays[level]) {
            tallies.LimitRunCount += counted;
            tallies.LimitPointsSum += points;
        }
        if (result.EntryDate == today) {
            tallies.TodayRunCount += counted;
            tallies.TodayPoints += points;
        }
    }
}

bool LevelPassed(const SharedState& state, int level, int student)
{
    const StudentTallies& tallies = state.Tallies(level, student);
    return tallies.JudgePoints >= state.Criteria.ClearPoints[level] &&
           tallies.JudgeRunCount >= state.Criteria.ClearCount[level];
}

bool OverdoingLocked(const SharedState& state, int level, int student)
{
    const CriteriaTable& criteria = state.Criteria;
    const StudentTallies& tallies = state.Tallies(level, student);
    return (criteria.LimitCount[level] != 0 && tallies.LimitRunCount >= criteria.LimitCount[level]) ||
           (criteria.LimitPoints[level] != 0 && tallies.LimitPointsSum >= criteria.LimitPoints[level]);
}

void EvaluateRun(AppContext& context, int level)
{
    SharedState& state = context.state;
    const int student = state.CurrentStudentNo;
    const int seconds = state.RecordedTime;
    // The tallies of the last recount do not hold this run yet.
    const StudentTallies& before = std::as_const(state).Tallies(level, student);
    state.AlreadyPassed = before.RunCount >= state.Criteria.ClearCount[level] &&
                          before.TotalPoints >= state.Criteria.ClearPoints[level];
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
