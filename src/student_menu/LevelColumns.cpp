#include "student_menu/LevelColumns.h"

#include <algorithm>

namespace {
constexpr int kNoClearCondition = 9999;
constexpr int kScrollingColumnWidth = 3456;
constexpr int kAllColumnsWidth = 14592;
} // namespace

int columnWidth(int levelCount)
{
    return levelCount > kVisibleColumns ? kScrollingColumnWidth : kAllColumnsWidth / std::max(1, levelCount);
}

int scrollMaximum(int levelCount) { return levelCount > kVisibleColumns ? levelCount - 3 : 0; }

int columnLeft(int level, int scrollStart, int levelCount)
{
    const int left = kFirstColumnLeft + (level - scrollStart) * columnWidth(levelCount);
    return left < 0 ? kMenuDesignWidth : left;
}

QString criteriaText(const CriteriaTable& criteria, int level)
{
    const QString target = QStringLiteral("目標=%1秒").arg(criteria.TargetTime[level]);
    if (criteria.ClearPoints[level] == kNoClearCondition)
        return target + QStringLiteral(" --------");
    return target + QStringLiteral(" %1回/%2点(×%3)")
                        .arg(criteria.ClearCount[level])
                        .arg(criteria.ClearPoints[level])
                        .arg(QString::number(criteria.PointMultiplier[level]));
}

QString judgingWindowText(const SharedState& state, int level, int student)
{
    const StudentTallies& tallies = state.Tallies(level, student);
    return QStringLiteral("最近%1日=%2回 / %3点")
        .arg(QString::number(state.Criteria.JudgeDays[level]))
        .arg(tallies.JudgeRunCount)
        .arg(tallies.JudgePoints);
}

QString todayTalliesText(const StudentTallies& tallies)
{
    if (tallies.TodayRunCount == 0)
        return QStringLiteral("-----");
    return QStringLiteral("%1回/%2点").arg(tallies.TodayRunCount).arg(tallies.TodayPoints);
}

QString soFarTalliesText(const StudentTallies& tallies)
{
    if (tallies.RunCount == 0)
        return QStringLiteral("------");
    return QStringLiteral("%1回/%2点").arg(tallies.RunCount).arg(tallies.TotalPoints);
}

int levelOfKey(const QString& keyText, int levelCount)
{
    if (keyText.size() != 1)
        return 0;
    const QChar key = keyText[0];
    int level = 0;
    if (key >= u'1' && key <= u'9')
        level = key.unicode() - u'0';
    else if (key >= u'a' && key <= u'd')
        level = 10 + (key.unicode() - u'a');
    return level <= levelCount ? level : 0;
}
