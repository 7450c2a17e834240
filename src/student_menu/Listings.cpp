#include "student_menu/Listings.h"

#include "foundation/TextColumns.h"
#include "platform/TextFile.h"
#include "results/Evaluation.h"
#include "roster/NameList.h"
#include "roster/Roster.h"

#include <QStringBuilder>

#include <algorithm>
#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {
const QString kFullWidthSpace = u"　"_s;
const QString kCurrentMark = u"●"_s;
const QString kFailedRun = u"×"_s;
// What a time-out shows where the seconds field stands.
const QString kTimedOutField = kFullWidthSpace + kFullWidthSpace + kFailedRun;
// Runs recorded this long or longer are time-outs and show no time.
constexpr int kTimedOutSeconds = 90000;
// The individual list reaches back this far.
constexpr int kIndividualDays = 3650;

bool inStudentTables(int student) { return student >= 0 && student <= kMaxStudentNo; }

QString rankField(qint64 rank, RankColumn column)
{
    return column == RankColumn::Menu ? QString::number(rank).right(2) : lastOf(3, 3, rank);
}
QString noRunRankField(RankColumn column) { return column == RankColumn::Menu ? u"--"_s : u"---"_s; }

QStringList textsOf(const std::vector<RankingLine>& lines)
{
    QStringList texts;
    texts.reserve(static_cast<qsizetype>(lines.size()));
    for (const RankingLine& line : lines)
        texts << line.text;
    return texts;
}

int gradeOf(const SharedState& state, int student)
{
    return GradeNumber(state.SchoolYear, state.StudentBirthYears[static_cast<std::size_t>(student)]);
}

QString markOf(const ListingInputs& inputs, int student)
{
    return student == inputs.state.CurrentStudentNo ? kCurrentMark : GradeMark(gradeOf(inputs.state, student));
}

bool studentShown(const ListingInputs& inputs, int student)
{
    return GradeFilterPasses(inputs.classText, gradeOf(inputs.state, student));
}

const QString& nameOf(const SharedState& state, int student)
{
    return state.StudentNames[static_cast<std::size_t>(student)];
}

QString rankingNameField(const SharedState& state, int student)
{
    return (withoutTrailingHalfWidthSpaces(nameOf(state, student)) + kFullWidthSpace.repeated(6)).left(5);
}

QString runNameField(const SharedState& state, int student)
{
    return (withoutHalfWidthSpaces(nameOf(state, student)) + kFullWidthSpace.repeated(4)).left(5);
}

QString secondsField(int seconds) { return lastOf(5, 6, QString::number(seconds) + u'秒'); }

QString timeOfDayField(double entryTime) { return timeOfEntry(entryTime).toString(u"hh:mm"_s); }
QString dateField(const QDate& date) { return date.toString(u"MM/dd"_s); }

// A record that has a column and a student in the tables.
bool listable(const ListingInputs& inputs, const LoadedResult& record)
{
    return record.Level >= 1 && record.Level <= inputs.levelCount && record.Level <= kMaxLevel &&
           inStudentTables(record.StudentNo);
}

LevelLines emptyLevelLines(const ListingInputs& inputs)
{
    return LevelLines(static_cast<std::size_t>(std::clamp(inputs.levelCount, 0, kMaxLevel)) + 1);
}

int listPoints(const ListingInputs& inputs, const LoadedResult& record)
{
    return ListRunPoints(record.Seconds, inputs.state.Criteria.TargetTime[static_cast<std::size_t>(record.Level)]);
}

// Marks both sides of the name.
QString markedName(const ListingInputs& inputs, int student)
{
    const QString mark = markOf(inputs, student);
    return mark + runNameField(inputs.state, student) + mark;
}

// The marked names of the students a run list meets, each built once: a
// period list holds thousands of runs of the same few hundred students.
class MarkedNames {
public:
    explicit MarkedNames(const ListingInputs& inputs)
        : inputs_(inputs), students_(static_cast<std::size_t>(kMaxStudentNo) + 1)
    {
    }

    // None when the class box hides the student.
    const QString* of(int student)
    {
        Student& known = students_[static_cast<std::size_t>(student)];
        if (!known.looked) {
            known.looked = true;
            known.shown = studentShown(inputs_, student);
            if (known.shown)
                known.markedName = markedName(inputs_, student);
        }
        return known.shown ? &known.markedName : nullptr;
    }

private:
    struct Student {
        bool looked = false;
        bool shown = false;
        QString markedName;
    };
    const ListingInputs& inputs_;
    std::vector<Student> students_;
};

// The date field of the last record asked for: records come in file
// order, so the runs of one day follow each other.
class DateFields {
public:
    // None for a number that is no date.
    const QString* of(double entryDate)
    {
        if (!looked_ || entryDate != entryDate_) {
            looked_ = true;
            entryDate_ = entryDate;
            const QDate date = dateOfEntry(entryDate);
            valid_ = date.isValid();
            field_ = valid_ ? dateField(date) : QString();
        }
        return valid_ ? &field_ : nullptr;
    }

private:
    bool looked_ = false;
    bool valid_ = false;
    double entryDate_ = 0;
    QString field_;
};
} // namespace

QString GradeMark(int gradeNumber)
{
    static const std::array<QString, 9> marks{u"①"_s, u"②"_s, u"③"_s, u"④"_s, u"⑤"_s,
                                              u"⑥"_s, u"Ⅰ"_s, u"Ⅱ"_s, u"Ⅲ"_s};
    if (gradeNumber >= 1 && gradeNumber <= 9)
        return marks[static_cast<std::size_t>(gradeNumber - 1)];
    return kFullWidthSpace;
}

bool GradeFilterPasses(const QString& classText, int gradeNumber)
{
    return classText == u"家族"_s || classShowsGrade(classText, gradeNumber);
}

int ListRunPoints(int seconds, int targetTime)
{
    if (seconds >= kOnlyFailedRuns)
        return 0;
    return RunPoints(seconds, targetTime);
}

// Ties keep their order, so students with equal keys stay in roster order.
void RankingSort(std::vector<RankingEntry>& entries)
{
    std::stable_sort(entries.begin(), entries.end(),
                     [](const RankingEntry& a, const RankingEntry& b) { return a.key < b.key; });
}

std::vector<RankingLine> timeRanking(const ListingInputs& inputs, int level, RankColumn column)
{
    const SharedState& state = inputs.state;
    std::vector<RankingEntry> entries;
    entries.reserve(state.RosterNumbers.size());
    for (const int student : state.RosterNumbers)
        if (inStudentTables(student))
            entries.push_back({state.BestTime(level, student), student});
    RankingSort(entries);

    std::vector<RankingLine> lines;
    qint64 rank = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const auto [key, student] = entries[i];
        // The rank counts every roster entry, shown or not; a tie shares
        // the rank of the first of its group.
        if (i == 0 || key != entries[i - 1].key)
            rank = static_cast<qint64>(i) + 1;
        if (!studentShown(inputs, student))
            continue;
        const QString head = markOf(inputs, student) + rankingNameField(state, student);
        const QString tail = u' ' + (student == state.CurrentStudentNo ? kCurrentMark : kFullWidthSpace);
        if (key == kOnlyFailedRuns)
            lines.push_back({student, rankField(rank, column) + head + u"*失敗*"_s + tail});
        else if (key == kNoTime)
            lines.push_back({student, noRunRankField(column) + head + u"------"_s + tail});
        else
            lines.push_back({student, rankField(rank, column) + head + lastOf(6, 4, key) + tail});
    }
    return lines;
}

QStringList timeRankingLines(const ListingInputs& inputs, int level)
{
    return textsOf(timeRanking(inputs, level, RankColumn::Menu));
}

std::vector<RankingLine> pointsRanking(const ListingInputs& inputs, int level, int pointsOrder, RankColumn column)
{
    const SharedState& state = inputs.state;
    const bool byToday = pointsOrder == 2;
    struct Entry {
        std::int32_t primary;
        std::int32_t secondary;
        int studentNo;
    };
    std::vector<Entry> entries;
    entries.reserve(state.RosterNumbers.size());
    for (const int student : state.RosterNumbers) {
        if (!inStudentTables(student))
            continue;
        const StudentTallies& tallies = state.Tallies(level, student);
        entries.push_back(byToday ? Entry{tallies.TodayPoints, tallies.TotalPoints, student}
                                  : Entry{tallies.TotalPoints, tallies.TodayPoints, student});
    }
    // Most points first, the other figure breaking ties, then roster order.
    // Compared as a pair rather than folded into one number, so that a
    // student's total of 1000 points or more cannot outweigh a point more today.
    std::stable_sort(entries.begin(), entries.end(), [](const Entry& a, const Entry& b) {
        return a.primary != b.primary ? a.primary > b.primary : a.secondary > b.secondary;
    });

    std::vector<RankingLine> lines;
    qint64 rank = 0;
    for (std::size_t i = 0; i < entries.size(); ++i) {
        const Entry& entry = entries[i];
        if (i == 0 || entry.primary != entries[i - 1].primary)
            rank = static_cast<qint64>(i) + 1;
        const StudentTallies& tallies = state.Tallies(level, entry.studentNo);
        if (byToday && tallies.TodayPoints == 0)
            continue;
        if (!studentShown(inputs, entry.studentNo))
            continue;
        lines.push_back({entry.studentNo, rankField(rank, column) + markOf(inputs, entry.studentNo) +
                                              rankingNameField(state, entry.studentNo) +
                                              lastOf(3, 4, tallies.TodayPoints) + u'/' +
                                              lastOf(5, 4, tallies.TotalPoints)});
    }
    return lines;
}

QStringList pointsRankingLines(const ListingInputs& inputs, int level, int pointsOrder)
{
    return textsOf(pointsRanking(inputs, level, pointsOrder, RankColumn::Menu));
}

LevelLines todayListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records)
{
    LevelLines lines = emptyLevelLines(inputs);
    const double today = entryDateOf(inputs.today);
    for (const LoadedResult& record : records) {
        if (!listable(inputs, record) || record.EntryDate != today || !studentShown(inputs, record.StudentNo))
            continue;
        const QString who = markedName(inputs, record.StudentNo);
        const QString time = timeOfDayField(record.EntryTime);
        QStringList& list = lines[static_cast<std::size_t>(record.Level)];
        if (record.Seconds >= kTimedOutSeconds)
            list << kTimedOutField + u' ' + time + who;
        else
            list << secondsField(record.Seconds) + u' ' + time + who +
                        QString::number(listPoints(inputs, record));
    }
    return lines;
}

LevelLines periodListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records,
                           int periodDays, int displayMode)
{
    LevelLines lines = emptyLevelLines(inputs);
    const double firstExcluded = entryDateOf(inputs.today) - periodDays;
    MarkedNames names(inputs);
    DateFields dates;
    for (const LoadedResult& record : records) {
        if (!listable(inputs, record) || !(record.EntryDate > firstExcluded))
            continue;
        const QString* who = names.of(record.StudentNo);
        const QString* date = dates.of(record.EntryDate);
        if (!who || !date)
            continue;
        QStringList& list = lines[static_cast<std::size_t>(record.Level)];
        if (record.Seconds >= kTimedOutSeconds)
            list << kTimedOutField % u' ' % *date % *who;
        else if (displayMode == 2)
            list << lastOf(5, 6, listPoints(inputs, record)) % u' ' % *date % *who %
                        QString::number(record.Seconds) % u'秒';
        else
            list << secondsField(record.Seconds) % u' ' % *date % *who %
                        QString::number(listPoints(inputs, record));
    }
    return lines;
}

LevelLines individualListLines(const ListingInputs& inputs, const std::vector<LoadedResult>& records)
{
    LevelLines lines = emptyLevelLines(inputs);
    const int student = inputs.state.CurrentStudentNo;
    if (!inStudentTables(student) || !studentShown(inputs, student))
        return lines;
    const double firstExcluded = entryDateOf(inputs.today) - kIndividualDays;
    for (const LoadedResult& record : records) {
        if (record.StudentNo != student || !listable(inputs, record) || !(record.EntryDate > firstExcluded))
            continue;
        const QDate date = dateOfEntry(record.EntryDate);
        if (!date.isValid())
            continue;
        // A time-out keeps its date and time and shows "×" where the
        // seconds stand, right-aligned in the same columns.
        const QString seconds =
            record.Seconds >= kTimedOutSeconds ? kTimedOutField : secondsField(record.Seconds);
        lines[static_cast<std::size_t>(record.Level)]
            << date.toString(u"yyyy/MM/dd"_s) + u' ' + timeOfEntry(record.EntryTime).toString(u"H:mm:ss"_s) +
                   seconds;
    }
    return lines;
}

int PeriodDays(int periodChoice, int dayOfWeek)
{
    // The week starts on Monday: Monday reaches back one day (today only),
    // Sunday seven.
    switch (periodChoice) {
    case 1:
        return dayOfWeek;
    case 2:
        return dayOfWeek + 7;
    case 3:
        return 30;
    case 4:
        return 365;
    case 5:
        return kIndividualDays;
    default:
        return 0; // no period: nothing is dated within it
    }
}

std::optional<unsigned> listColour(const QStringList& lines, int targetTime, int minimumTime)
{
    // Only the last line with a time decides, so the search runs from the end.
    const auto timed = std::find_if(lines.crbegin(), lines.crend(),
                                    [](const QString& line) { return line.mid(2, 1) != kFailedRun; });
    if (timed == lines.crend())
        return std::nullopt;
    // The seconds field without its first character: a four-digit time
    // loses its first digit here (1234 seconds colour as 234).
    const double seconds = leadingNumber(timed->mid(1, 4));
    if (seconds <= targetTime)
        return 0x00C000u;
    if (seconds <= minimumTime)
        return 0xC0FFC0u;
    return 0xC0C0C0u;
}
