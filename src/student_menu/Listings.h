#pragma once
// The lines of the level lists of the student menu: rankings of the roster
// by best time or points, and the runs of today, of a period or of the
// current student. Plain functions over the shared tables and records.

#include "foundation/SharedState.h"

#include <QDate>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

// One character for a grade: "①".."⑥" primary, "Ⅰ".."Ⅲ" lower secondary,
// a full-width space for anything else.
QString GradeMark(int gradeNumber);

// Whether a student of the grade passes the class chosen in the menu's
// class box ("家族" passes everybody, an unknown text nobody).
bool GradeFilterPasses(const QString& classText, int gradeNumber);

// The points a run list shows for one run: the run's points against the
// level's target time, without the multiplier; none for failed runs.
int ListRunPoints(int seconds, int targetTime);

struct RankingEntry {
    std::int32_t key = 0;
    int studentNo = 0;
};
// Ascending by key; entries with equal keys stay in roster order.
void RankingSort(std::vector<RankingEntry>& entries);

// What every list builder reads besides the tables of the shared state.
struct ListingInputs {
    const SharedState& state; // roster, tallies, criteria, SchoolYear, CurrentStudentNo
    QString classText;        // the menu's class box
    int levelCount = 0;       // N: levels 1..N have a list
    QDate today;
};

// The ranking of one level over every listed student (RosterNumbers).
// Time: by BestTime; points: pointsOrder 1 by total points, 2 by today's
// (students without points today are left out), the other figure breaking ties.
// The menu's lists show the last 2 digits of the rank and "--" for a
// student without a run; the graphs' rankings the rank right-aligned in 3
// characters and "---".
enum class RankColumn { Menu, Graph };
struct RankingLine {
    int studentNo = 0;
    QString text;
};
std::vector<RankingLine> timeRanking(const ListingInputs& inputs, int level, RankColumn column);
std::vector<RankingLine> pointsRanking(const ListingInputs& inputs, int level, int pointsOrder, RankColumn column);
QStringList timeRankingLines(const ListingInputs& inputs, int level);
QStringList pointsRankingLines(const ListingInputs& inputs, int level, int pointsOrder);

// Lines per level, index 1..levelCount (index 0 unused), from records in
// file order.
using LevelLines = std::vector<QStringList>;
// Today's runs; the records are the newest 1000 of the file.
LevelLines todayListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records);
// The runs dated within the last periodDays days; displayMode 1 time first,
// 2 points first. The records are the newest 20000.
LevelLines periodListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records,
                           int periodDays, int displayMode);
// The current student's own runs of the last 3650 days; a time-out shows
// "×" in place of its seconds.
LevelLines individualListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records);

// Days a period choice (1..5) reaches back on a weekday (1 Monday .. 7 Sunday);
// 0 for any other choice.
int PeriodDays(int periodChoice, int dayOfWeek);

// The background a level list takes in the time display, decided by its
// last line with a time; none when no line has one. Colours are 0x00BBGGRR.
std::optional<unsigned> listColour(const QStringList& lines, int targetTime, int minimumTime);
