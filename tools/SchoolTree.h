#pragma once
// The demo school: a complete school tree (path file, common settings,
// roster, criteria table, sound table with its recordings and a stand-in
// menu program) for demonstrations, whole-program runs and tests.

#include <QDate>
#include <QMap>
#include <QString>

struct DemoSchoolOptions {
    QDate today;         // grades are computed from this date
    int historyDays = 0; // days of past runs to record before today (0: an empty results file)
    // Level -> seconds in place of the demo's MinimumTime: a short line
    // makes the time limit (five times it) short enough to wait out.
    QMap<int, int> minimumTimes{};
};

// Writes a complete school tree into `root` (created if missing). Existing
// files of the tree are overwritten, other files are left alone; a history
// is appended to the results file. Returns an error text, empty on success;
// a minimum time for a level the table lacks, or below one second, is an
// error and nothing is written.
QString writeDemoSchool(const QString& root, const DemoSchoolOptions& options);

// Paths inside a tree written by writeDemoSchool, for tests and scripts.
QString programFolder(const QString& root); // root + "/ミナモドリル"
QString dataRoot(const QString& root);      // root + "/データ/"
