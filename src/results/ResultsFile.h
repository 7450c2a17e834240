#pragma once
// The cumulative results file: one record per recorded run, appended by
// every computer of the school under a whole-file lock.
//
// A file held by another process is tried again every second without
// limit, while window events run. A missing file (its folder gone, as when
// a network share drops) is tried again every five seconds; the fourth
// failure, like any other error, shows a message and ends the program.
// A file that another computer shortened while it was being read ends
// where it ends: that is the end of the records, not an error.

#include "foundation/AppContext.h"
#include "results/ResultRecord.h"

#include <functional>
#include <vector>

// How many of the newest records a load takes in.
inline constexpr int kLoadWindowRecords = kLoadedResultsCapacity;

QString resultsFilePath(const SharedState& state);

// Opens the results file for reading and writing, creating it when missing.
std::unique_ptr<RecordFile> OpenResultsFile(AppContext& context);

// Appends the record directly after the last complete record (a torn
// fragment at the end is overwritten) and returns once it is on disk.
void appendRecord(AppContext& context, const ResultRecord& record);

// Appends the run just finished: today, now, the current student and
// level, RecordedTime and the school code.
void AppendResult(AppContext& context);

// Loads the newest records: LoadedResults (the valid ones, in file order),
// BestTime over the same records, and LevelRecord over students 1..1000.
void LoadResults(AppContext& context);

// The newest `count` records of the file in file order, without those that
// name no student or level of the tables (torn or foreign writes).
std::vector<LoadedResult> ReadNewestRecords(AppContext& context, qint64 count);

// Record access by number (1 = the first record of the file).
qint64 countResultRecords(AppContext& context);
ResultRecord readResultRecord(AppContext& context, qint64 number);
// Every complete record of the file, as its bytes stand.
QByteArray readAllResultBytes(AppContext& context);
// Hands every complete record of the file to `take` in file order, a slice
// of whole records at a time, read into one small buffer (fresh memory for
// a whole file of years of runs costs more than reading it).
void forEachResultSlice(AppContext& context, const std::function<void(const char* records, qint64 length)>& take);

// Corrections and deletes of single records. Each works under the lock of
// the appends and first reads the record again: when it is no longer the
// record the teacher was shown (another computer deleted or corrected
// meanwhile), nothing is written.
struct RecordRewrite {
    enum class Outcome { Written, RecordChanged, Failed };
    Outcome outcome = Outcome::Written;
    FileError error; // why it failed
};
// Writes the record in place and flushes it to disk.
RecordRewrite correctResultRecord(AppContext& context, qint64 number, const RecordBytes& shown,
                                  const ResultRecord& corrected);
// Writes every other complete record to the temporary file, flushes it and
// renames it over the results file: the file is at every moment either the
// old one or the new one, whole.
RecordRewrite deleteResultRecord(AppContext& context, qint64 number, const RecordBytes& shown);

inline const QString kResultsTemporaryFileName = QStringLiteral("成績累積データtemp.dat");
