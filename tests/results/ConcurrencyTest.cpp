// Several processes on one results file, for real.
#include "foundation/ProgramContext.h"
#include "results/ResultsFile.h"

#include "results/ResultsTestSupport.h"
#include "results/WorkerRecords.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <map>

namespace {
std::unique_ptr<QProcess> startWorker(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(APPEND_WORKER), arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
}

QByteArray resultsFileBytes(const QTemporaryDir& folder)
{
    QByteArray bytes;
    EXPECT_FALSE(PosixFileSystem().readFile(folder.filePath(kResultsFileName), bytes));
    return bytes;
}

// Counts each writer's records, checking that every record of the file is
// whole and that each writer's records stand in the order it appended them.
::testing::AssertionResult countRecordsPerWriter(const QByteArray& bytes, std::map<int, int>& counted)
{
    const std::vector<ResultRecord> records = decodedRecords(bytes);
    for (std::size_t number = 1; number <= records.size(); ++number) {
        const ResultRecord& record = records[number - 1];
        int& count = counted[record.StudentNo];
        if (record != workerRecord(record.StudentNo, count))
            return ::testing::AssertionFailure()
                   << "record " << number << " is not record " << count << " of writer " << record.StudentNo;
        ++count;
    }
    return ::testing::AssertionSuccess();
}

TEST(ConcurrentAppends, EveryRecordOfEveryWriterArrivesWhole)
{
    constexpr int kWriters = 8, kAppends = 500;
    QTemporaryDir folder;
    std::vector<std::unique_ptr<QProcess>> writers;
    for (int writer = 1; writer <= kWriters; ++writer)
        writers.push_back(startWorker({"append", folder.path(), QString::number(writer), QString::number(kAppends)}));
    for (auto& writer : writers) {
        ASSERT_TRUE(writer->waitForFinished(120000));
        ASSERT_EQ(writer->exitCode(), 0);
    }

    const QByteArray bytes = resultsFileBytes(folder);
    ASSERT_EQ(bytes.size(), kWriters * kAppends * kRecordSize);
    std::map<int, int> counted;
    ASSERT_TRUE(countRecordsPerWriter(bytes, counted));
    std::map<int, int> appended;
    for (int writer = 1; writer <= kWriters; ++writer)
        appended[writer] = kAppends;
    EXPECT_EQ(counted, appended);
}

TEST(ConcurrentAppends, AppendWaitsWhileAnotherProcessHoldsTheLock)
{
    QTemporaryDir folder;
    auto holder = startWorker({"hold", folder.path(), "2000"});
    ASSERT_TRUE(holder->waitForReadyRead(10000));
    ASSERT_EQ(holder->readLine().trimmed(), "locked");

    ProgramContext program;
    program.state().ProgramDataFolder = folder.path() + u'/';
    QElapsedTimer waited;
    waited.start();
    appendRecord(program.context(), workerRecord(1, 7));
    EXPECT_GE(waited.elapsed(), 1000);
    EXPECT_LT(waited.elapsed(), 8000);
    // The wait let events run, so the holder's end may already have been seen.
    ASSERT_TRUE(holder->state() == QProcess::NotRunning || holder->waitForFinished(10000));
    EXPECT_EQ(holder->exitCode(), 0);

    const QByteArray bytes = resultsFileBytes(folder);
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(decodeRecord(bytes.constData()), workerRecord(1, 7));
}
} // namespace
