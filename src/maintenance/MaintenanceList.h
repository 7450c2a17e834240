#pragma once
// The rows of the data maintenance list and the reading of the edit panel's
// entries: plain data, no widgets.

#include "results/ResultRecord.h"
#include "roster/Roster.h"

#include <QStringList>

#include <optional>
#include <vector>

// Who a student number is, as the list and the edit panel name them.
struct MaintenanceStudent {
    QString name;  // trimmed
    QString grade; // full-width grade name, empty outside 幼３..高１
};

// Every student number 0..5000, filled from every line of the roster.
using MaintenanceRoster = std::vector<MaintenanceStudent>;
MaintenanceRoster maintenanceRoster(const std::vector<RosterEntry>& roster, int schoolYear);
// A student of the roster; no name and no grade for a number outside it.
const MaintenanceStudent& maintenanceStudent(const MaintenanceRoster& roster, int studentNo);

// The student box's items: one per roster line, "number /  name".
QString studentChoice(int studentNo, const QString& trimmedName);
QStringList studentChoices(const std::vector<RosterEntry>& roster);

// What a row says besides the record: who the students are and whose
// records are the school's own.
struct RowNames {
    const MaintenanceRoster& roster;
    QString schoolCode; // five characters or empty: then no record is the school's own
    QString schoolName;
};

// The records of the file and the rows built from them: one row per record
// of a level other than 0, in record-number order.
struct MaintenanceList {
    QByteArray records;             // every complete record of the file
    std::vector<qint64> rowRecords; // per row: the number of its record
    int numberWidth = 4;            // wider only from record 10000 on

    int rowCount() const { return static_cast<int>(rowRecords.size()); }
    RecordBytes bytesOf(qint64 number) const;
    // The row of a record; none when it has no row.
    std::optional<int> rowOf(qint64 number) const;
};
MaintenanceList maintenanceList(QByteArray records);

QString maintenanceRow(const MaintenanceList& list, int row, const RowNames& names);
QString maintenanceRow(qint64 number, int numberWidth, const ResultRecord& record, const RowNames& names);

// The seconds of the seconds box, rounded half to even; none outside
// 0..99999 (99999 is a time-out).
std::optional<int> secondsOfEntry(const QString& text);

// The student number in front of the "/" of the student box, rounded half
// to even; none without a "/" or outside 0..5000.
std::optional<int> studentOfChoice(const QString& text);

// Where the seconds bar stands for a record's seconds.
inline constexpr int kSecondsBarMaximum = 6000;
int secondsBarValue(int seconds);
