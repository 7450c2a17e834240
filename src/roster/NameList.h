#pragma once
// The rows of the name list: one per listed student, with two figures
// each, youngest students first, narrowed to a class.

#include "foundation/SharedState.h"
#include "roster/Roster.h"

#include <QStringList>

inline const QString kNameListHeader = QStringLiteral("－－－－－－");
inline constexpr int kDisplayOptions = 4;

// A student's tallies summed over all levels.
struct StudentFigures {
    int TodayRuns = 0;
    int TodayPoints = 0;
    int Runs = 0;
    int Points = 0;
};
StudentFigures studentFigures(const SharedState& state, int student);

// One student's row: grade label, name, full-width filler, figure X "/"
// figure Y as the display option (0..3) chooses them.
QString nameListRow(int gradeNumber, const QString& name, const StudentFigures& figures,
                    int displayOption);

// The classes of a class box, in the order the box lists them.
inline const QStringList kClassNames = {
    QStringLiteral("全学年"), QStringLiteral("中学生全体"), QStringLiteral("小学生全体"), QStringLiteral("中３"),
    QStringLiteral("中２"),   QStringLiteral("中１"),       QStringLiteral("小６"),       QStringLiteral("小５"),
    QStringLiteral("小４"),   QStringLiteral("小３"),       QStringLiteral("小２"),       QStringLiteral("小１")};

// Whether a class box text shows a student of that grade.
bool classShowsGrade(const QString& classText, int gradeNumber);

struct NameList {
    QStringList rows;  // rows[0] is the header
    QStringList tails; // per row: the row, "*" and the student number; empty for the header
};

// Builds the name list from the roster and the tallies, and enters every
// line of the roster in the shared roster tables. `listStatus2` lists the
// lines of status 2.
NameList buildNameList(SharedState& state, const std::vector<RosterEntry>& roster,
                       int displayOption, const QString& classText, bool listStatus2);

// The student number a row's tail carries, or -1 when it carries none.
int studentNoOfTail(const QString& tail);

// What the chosen-name label shows when a row is selected, and when it is
// double-clicked.
QString selectedRowLabel(const QString& row);
QString doubleClickedRowLabel(const QString& row);
