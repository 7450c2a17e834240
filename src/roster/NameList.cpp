#include "roster/NameList.h"

#include "foundation/TextColumns.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
constexpr int kListedLinesLimit = 5000;
const QChar kFullWidthSpace = u'　';

QString todayRunsText(int n) { return n != 0 ? lastOf(3, 2, n) + u'回' : QString(5, u' '); }
QString todayPointsText(int n)
{
    return n != 0 ? lastOf(4, 3, n) : QStringLiteral("  ") + kFullWidthSpace;
}
QString runsText(int n)
{
    return n != 0 ? lastOf(5, 6, n) + u'回' : QString(5, u' ') + kFullWidthSpace;
}
QString pointsText(int n) { return n != 0 ? lastOf(7, 6, n) : QString(7, u' '); }

std::pair<QString, QString> figureTexts(const StudentFigures& f, int displayOption)
{
    switch (displayOption) {
    case 0: return {todayRunsText(f.TodayRuns), runsText(f.Runs)};
    case 1: return {todayPointsText(f.TodayPoints), pointsText(f.Points)};
    case 2: return {todayPointsText(f.TodayPoints), todayRunsText(f.TodayRuns)};
    default: return {pointsText(f.Points), runsText(f.Runs)};
    }
}

bool isValidDisplayOption(int displayOption) { return displayOption >= 0 && displayOption < kDisplayOptions; }
} // namespace

StudentFigures studentFigures(const SharedState& state, int student)
{
    StudentFigures figures;
    for (int level = 1; level <= kMaxLevel; ++level) {
        const StudentTallies& tallies = state.Tallies(level, student);
        figures.TodayRuns += tallies.TodayRunCount;
        figures.TodayPoints += tallies.TodayPoints;
        figures.Runs += tallies.RunCount;
        figures.Points += tallies.TotalPoints;
    }
    return figures;
}

QString nameListRow(int gradeNumber, const QString& name, const StudentFigures& figures,
                    int displayOption)
{
    const bool wide = isKindergarten(gradeNumber) && displayOption != 1;
    const QString labelAndName = ShortGradeLabel(gradeNumber) + u' ' + withoutHalfWidthSpaces(name);
    // A name too long for its column gets no filler and is not cut.
    const qsizetype filler = std::max<qsizetype>(0, (wide ? 11 : 9) - labelAndName.size());
    const auto [x, y] = figureTexts(figures, displayOption);
    return labelAndName + QString(filler, kFullWidthSpace) + x + u'/' + y;
}

bool classShowsGrade(const QString& classText, int gradeNumber)
{
    struct GradeRange {
        int lowest;
        int highest;
    };
    static const QHash<QString, GradeRange> classes = {
        {u"全学年"_s, {std::numeric_limits<int>::min(), std::numeric_limits<int>::max()}},
        {u"小学生全体"_s, {1, 6}}, {u"中学生全体"_s, {7, 9}},
        {u"小１"_s, {1, 1}}, {u"小２"_s, {2, 2}}, {u"小３"_s, {3, 3}}, {u"小４"_s, {4, 4}},
        {u"小５"_s, {5, 5}}, {u"小６"_s, {6, 6}},
        {u"中１"_s, {7, 7}}, {u"中２"_s, {8, 8}}, {u"中３"_s, {9, 9}},
    };
    const auto range = classes.constFind(classText);
    return range != classes.constEnd() && gradeNumber >= range->lowest && gradeNumber <= range->highest;
}

NameList buildNameList(SharedState& state, const std::vector<RosterEntry>& roster,
                       int displayOption, const QString& classText, bool listStatus2)
{
    QStringList keys;
    state.RosterNumbers.clear();
    for (const RosterEntry& entry : roster) {
        const int gradeNumber = GradeNumber(state.SchoolYear, entry.BirthYear);
        state.StudentNames[entry.StudentNo] = entry.Name;
        state.StudentBirthYears[entry.StudentNo] = entry.BirthYear;
        if (const auto grade = fullGradeName(gradeNumber))
            state.StudentGrades[entry.StudentNo] = *grade;
        const bool listed = entry.Status == 0 || (entry.Status == 2 && listStatus2);
        if (!listed || state.RosterNumbers.size() >= kListedLinesLimit)
            continue;
        state.RosterNumbers.push_back(entry.StudentNo);
        if (!isValidDisplayOption(displayOption))
            continue;
        const QString row = nameListRow(gradeNumber, entry.Name, studentFigures(state, entry.StudentNo),
                                        displayOption);
        // The four-digit birth year first: sorted, the keys group by year.
        keys << QString::number(entry.BirthYear) + row + u'*' + QString::number(entry.StudentNo);
    }
    std::sort(keys.begin(), keys.end());

    NameList list{{kNameListHeader}, {QString()}};
    for (auto key = keys.crbegin(); key != keys.crend(); ++key) {
        const int gradeNumber = GradeNumber(state.SchoolYear, key->left(4).toInt());
        if (!classShowsGrade(classText, gradeNumber))
            continue;
        const QString tail = key->mid(4);
        list.rows << tail.section(u'*', 0, 0);
        list.tails << tail;
    }
    return list;
}

int studentNoOfTail(const QString& tail)
{
    const qsizetype star = tail.indexOf(u'*');
    if (star < 0)
        return -1;
    bool ok = false;
    const int number = tail.mid(star + 1).toInt(&ok);
    return ok && number >= 0 && number <= kMaxStudentNo ? number : -1;
}

QString selectedRowLabel(const QString& row)
{
    return withoutHalfWidthSpaces(withoutHalfWidthSpaces(row).left(10));
}

QString doubleClickedRowLabel(const QString& row)
{
    return withoutHalfWidthSpaces(row.section(u'/', 0, 0));
}
