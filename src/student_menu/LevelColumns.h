#pragma once
// The per-level columns of the student menu: their width, where they stand
// when scrolled, and the texts under each level's start button.

#include "foundation/SharedState.h"

#include <QString>

inline constexpr int kMenuDesignWidth = 15360; // twips
inline constexpr int kVisibleColumns = 4;      // with five levels or more
inline constexpr int kFirstColumnLeft = kMenuDesignWidth * 2 / 100;

// W in twips: four columns across the screen, or the whole width shared by
// fewer levels.
int columnWidth(int levelCount);
// The scroll bar's maximum; 0 when all columns fit and no bar is shown.
int scrollMaximum(int levelCount);
// The left edge of a level's column in twips; a column scrolled off to the
// left is parked beyond the right edge.
int columnLeft(int level, int scrollStart, int levelCount);

// "目標=45秒 5回/100点(×1.5)", or " --------" after the time when the
// level has no clear condition.
QString criteriaText(const CriteriaTable& criteria, int level);
// "最近7日=3回 / 120点": the judging window of the student.
QString judgingWindowText(const SharedState& state, int level, int student);
// "2回/15点" today and so far; "-----" and "------" before the first run.
QString todayTalliesText(const StudentTallies& tallies);
QString soFarTalliesText(const StudentTallies& tallies);

// The level a menu key starts: "1".."9" levels 1..9, "a".."d" 10..13, each
// only when the level exists; 0 for any other key.
int levelOfKey(const QString& keyText, int levelCount);
