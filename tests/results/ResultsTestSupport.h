#pragma once
// Results files for tests: records written straight into a fake file.

#include "platform/PosixFileSystem.h"
#include "results/ResultRecord.h"
#include "support/TestContext.h"

#include <QTemporaryDir>

#include <vector>

inline const QString kTestDataFolder = QStringLiteral("/data/ミナモドリル/");
inline const QString kTestResultsFile = kTestDataFolder + kResultsFileName;

inline ResultRecord runRecord(const QDate& date, int student, int level, int seconds)
{
    ResultRecord record;
    record.EntryDate = entryDateOf(date);
    record.EntryTime = 0.4;
    record.StudentNo = static_cast<std::int16_t>(student);
    record.Level = static_cast<std::int16_t>(level);
    record.Seconds = seconds;
    return record;
}

inline QByteArray recordBytes(const std::vector<ResultRecord>& records)
{
    QByteArray bytes;
    for (const ResultRecord& record : records) {
        RecordBytes one;
        encodeRecord(record, one.data());
        bytes.append(one.data(), kRecordSize);
    }
    return bytes;
}

inline std::vector<ResultRecord> decodedRecords(const QByteArray& bytes)
{
    std::vector<ResultRecord> records;
    for (qsizetype offset = 0; offset + kRecordSize <= bytes.size(); offset += kRecordSize)
        records.push_back(decodeRecord(bytes.constData() + offset));
    return records;
}

// A test context whose results file is kTestResultsFile.
struct ResultsTest : TestContext {
    ResultsTest() { state.ProgramDataFolder = kTestDataFolder; state.ProgramTitle = QStringLiteral("ミナモドリル"); }
    QDate today() const { return clock.today(); }
};

// The same on the real disk: the program's data folder is a temporary folder.
struct DiskResultsTest : ResultsTest {
    QTemporaryDir folder;
    PosixFileSystem disk;
    AppContext onDisk{state, clock, clock, random, disk, dialogs, program, navigator, sound, printing, hold};
    DiskResultsTest() { state.ProgramDataFolder = folder.path() + u'/'; }
};
