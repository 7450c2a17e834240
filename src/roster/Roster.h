#pragma once
// The school's roster: who the students are, the school year of their
// birth and whether they are listed. Maintained outside the program; read
// afresh for every name list.

#include "platform/FileSystem.h"

#include <QDate>
#include <QString>

#include <optional>
#include <vector>

inline const QString kRosterFileName = QStringLiteral("新名簿.txt");

// One line of the roster file.
struct RosterEntry {
    int StudentNo = 0;
    int BirthYear = 0; // the school year in which the student was born
    int Reserved1 = 0;
    int Reserved2 = 0;
    QString Name; // exactly 20 characters: cut, or filled up with spaces
    int Status = 0; // 0 listed; 2 listed under the school's switch; others not listed
    QString Note1;
    QString Note2;
};

// The lines of a roster text that can be read, in file order. A line with
// too few fields, a number field that is not a number, a student number
// outside 0..5000 or a birth year without four digits is left out.
std::vector<RosterEntry> parseRoster(const QString& text);

// Reads the roster file of the data root.
FileError readRosterFile(const FileSystem& files, const QString& dataRoot,
                         std::vector<RosterEntry>& entries);
// What the teacher is told when it cannot be read (titled "名簿").
QString rosterUnreadableText(const QString& dataRoot, const FileError& error);

// The school year of a date: the calendar year, minus one before the month
// in which the school year starts.
int SchoolYearOn(const QDate& date, int schoolYearStartMonth);

// 1..6 primary, 7..9 lower secondary, 10.. upper secondary; 0 and below
// kindergarten.
inline int GradeNumber(int schoolYear, int birthYear) { return schoolYear - birthYear - 6; }
inline bool isKindergarten(int gradeNumber) { return gradeNumber <= 0; }

// The full-width grade name ("幼３" .. "高１"), none beyond that range.
std::optional<QString> fullGradeName(int gradeNumber);

// The grade as the name list shows it: "幼-", "幼1".."幼3", "小1".."小6",
// "中1".."中3", "高1".."高3", "大+".
QString ShortGradeLabel(int gradeNumber);
