#include "maintenance/MaintenanceList.h"

#include "foundation/Rounding.h"
#include "foundation/TextColumns.h"
#include "platform/TextFile.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {
constexpr int kNameColumn = 6;
constexpr int kNarrowNumberWidth = 4;

int digitsOf(qint64 number) { return static_cast<int>(QString::number(number).size()); }
} // namespace

MaintenanceRoster maintenanceRoster(const std::vector<RosterEntry>& roster, int schoolYear)
{
    MaintenanceRoster students(kMaxStudentNo + 1);
    for (const RosterEntry& entry : roster) {
        MaintenanceStudent& student = students[static_cast<std::size_t>(entry.StudentNo)];
        student.name = withoutHalfWidthSpaces(entry.Name);
        if (const auto grade = fullGradeName(GradeNumber(schoolYear, entry.BirthYear)))
            student.grade = *grade;
    }
    return students;
}

const MaintenanceStudent& maintenanceStudent(const MaintenanceRoster& roster, int studentNo)
{
    static const MaintenanceStudent nobody;
    return studentNo >= 0 && studentNo < static_cast<int>(roster.size()) ? roster[static_cast<std::size_t>(studentNo)]
                                                                          : nobody;
}

QString studentChoice(int studentNo, const QString& trimmedName)
{
    return QString::number(studentNo) + u" /  "_s + trimmedName;
}

QStringList studentChoices(const std::vector<RosterEntry>& roster)
{
    QStringList choices;
    for (const RosterEntry& entry : roster)
        choices << studentChoice(entry.StudentNo, withoutHalfWidthSpaces(entry.Name));
    return choices;
}

RecordBytes MaintenanceList::bytesOf(qint64 number) const
{
    RecordBytes bytes{};
    const qint64 offset = (number - 1) * kRecordSize;
    if (number >= 1 && offset + kRecordSize <= records.size())
        std::copy_n(records.constData() + offset, kRecordSize, bytes.begin());
    return bytes;
}

std::optional<int> MaintenanceList::rowOf(qint64 number) const
{
    const auto found = std::lower_bound(rowRecords.begin(), rowRecords.end(), number);
    if (found == rowRecords.end() || *found != number)
        return std::nullopt;
    return static_cast<int>(found - rowRecords.begin());
}

MaintenanceList maintenanceList(QByteArray records)
{
    MaintenanceList list;
    list.records = std::move(records);
    const qint64 count = list.records.size() / kRecordSize;
    list.numberWidth = std::max(kNarrowNumberWidth, digitsOf(count));
    constexpr int kLevelOffset = 18;
    for (qint64 number = 1; number <= count; ++number)
        if (getLittleEndian<std::int16_t>(list.records.constData() + (number - 1) * kRecordSize + kLevelOffset) != 0)
            list.rowRecords.push_back(number);
    return list;
}

QString maintenanceRow(const MaintenanceList& list, int row, const RowNames& names)
{
    const qint64 number = list.rowRecords[static_cast<std::size_t>(row)];
    return maintenanceRow(number, list.numberWidth, decodeRecord(list.bytesOf(number).data()), names);
}

QString maintenanceRow(qint64 number, int numberWidth, const ResultRecord& record, const RowNames& names)
{
    const MaintenanceStudent& student = maintenanceStudent(names.roster, record.StudentNo);
    const bool ownSchool = !names.schoolCode.isEmpty() && record.ExtraA == recordText(names.schoolCode);
    return lastOf(numberWidth, numberWidth, number) + u' ' + dateOfEntry(record.EntryDate).toString(u"yyyy/MM/dd"_s) +
           u'　' + lastOf(9, 9, timeOfEntry(record.EntryTime).toString(u"H:mm:ss"_s)) + u"ﾚﾍﾞﾙ"_s +
           QString::number(record.Level) + u'　' + lastOf(5, 5, record.Seconds) + u"秒 "_s + u'　' +
           lastOf(4, 4, record.StudentNo) + u' ' + (student.name + QString(5, u'　')).left(kNameColumn) + u' ' +
           student.grade + u"++"_s + (ownSchool ? names.schoolName : u"他塾"_s);
}

namespace {
std::optional<int> wholeNumberWithin(double value, int lowest, int highest)
{
    if (!(value >= lowest - 0.5 && value <= highest + 0.5))
        return std::nullopt;
    const int rounded = roundHalfEven(value);
    if (rounded < lowest || rounded > highest)
        return std::nullopt;
    return rounded;
}
} // namespace

std::optional<int> secondsOfEntry(const QString& text) { return wholeNumberWithin(leadingNumber(text), 0, kNoTime); }

std::optional<int> studentOfChoice(const QString& text)
{
    const qsizetype slash = text.indexOf(u'/');
    if (slash < 0)
        return std::nullopt;
    return wholeNumberWithin(leadingNumber(text.left(slash)), 0, kMaxStudentNo);
}

int secondsBarValue(int seconds) { return std::clamp(seconds, 0, kSecondsBarMaximum); }
