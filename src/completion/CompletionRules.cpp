#include "completion/CompletionRules.h"

#include "results/Evaluation.h"

#include <charconv>

EarnedPoints earnedPoints(const CriteriaTable& criteria, int level, int seconds)
{
    if (seconds >= kOnlyFailedRuns)
        return {};
    return {RunPoints(seconds, criteria.TargetTime[level]), WeightedRunPoints(seconds, criteria, level)};
}

QString pointsLine(const EarnedPoints& points, float multiplier)
{
    return QStringLiteral("獲得ポイント：%1点×%2→%3点")
        .arg(points.graded)
        .arg(multiplierText(multiplier))
        .arg(points.weighted);
}

QString multiplierText(float multiplier)
{
    // The shortest decimal that reads back as the same float: 0.7, not 0.699999988.
    char digits[64];
    const auto end = std::to_chars(digits, digits + sizeof digits, multiplier, std::chars_format::fixed).ptr;
    return QString::fromLatin1(digits, end - digits);
}

QString timeLine(int seconds)
{
    if (seconds >= kOnlyFailedRuns)
        return QStringLiteral("記録なし");
    return QStringLiteral("今の成績：%1秒").arg(seconds);
}

QString levelRunNumberText(int runsToday)
{
    return QStringLiteral(" (このレベル　%1回目)").arg(runsToday);
}

QString totalRunNumberText(int runsToday)
{
    return QStringLiteral("（%1回目)").arg(runsToday);
}

bool goalPanelAllowed(const CriteriaTable& criteria)
{
    constexpr int kNoGoalRunCount = 9999;
    for (int level = 1; level <= kMaxLevel; ++level)
        if (criteria.ClearCount[level] == kNoGoalRunCount)
            return false;
    return true;
}

RunOutcome runOutcome(const SharedState& state)
{
    if (state.TimeOutFlag)
        return RunOutcome::TimeOut;
    if (state.NewLevelRecordFlag)
        return RunOutcome::LevelRecord;
    if (state.NewBestFlag)
        return RunOutcome::PersonalBest;
    if (state.RecordedTime <= state.Criteria.MinimumTime[state.CurrentLevel])
        return RunOutcome::WithinMinimumTime;
    return RunOutcome::Unremarkable;
}

QString outcomeMessage(RunOutcome outcome)
{
    switch (outcome) {
    case RunOutcome::TimeOut:
        return QStringLiteral("時間切れ");
    case RunOutcome::LevelRecord:
        return QStringLiteral("！！！最高新記録！！！");
    case RunOutcome::PersonalBest:
        return QStringLiteral("新記録おめでとう");
    case RunOutcome::WithinMinimumTime:
    case RunOutcome::Unremarkable:
        break;
    }
    return QString();
}

RetryOffer retryOffer(const SharedState& state, int level, int student)
{
    const bool overdonePass = OverdoingLocked(state, level, student) && LevelPassed(state, level, student);
    if (!overdonePass)
        return RetryOffer::Offered;
    if (level == state.FinalLevelNo)
        return RetryOffer::OfferedWithoutClearNote;
    return state.FinalLevelCleared ? RetryOffer::Offered : RetryOffer::MoveOnInstead;
}
