// Several processes on one results file, for real.
#include "foundation/ProgramContext.h"
#include "results/ResultsFile.h"

#include "results/ResultsTestSupport.h"
#include "results/WorkerRecords.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
std::unique_ptr<QProcess> startWorker(const QStringList& arguments)
{
    auto process = std::make_unique<QProcess>();
    process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process->start(QStringLiteral(APPEND_WORKER), arguments);
    EXPECT_TRUE(process->waitForStarted(10000));
    return process;
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

    PosixFileSystem files;
    QByteArray bytes;
    ASSERT_FALSE(files.readFile(folder.filePath(kResultsFileName), bytes));
    ASSERT_EQ(bytes.size(), kWriters * kAppends * kRecordSize);
    std::vector<int> next(kWriters + 1, 0);
    for (const ResultRecord& record : decodedRecords(bytes)) {
        const int writer = record.StudentNo;
        ASSERT_TRUE(writer >= 1 && writer <= kWriters) << writer;
        ASSERT_EQ(record, workerRecord(writer, next[writer])) << "writer " << writer;
        ++next[writer];
    }
    for (int writer = 1; writer <= kWriters; ++writer)
        EXPECT_EQ(next[writer], kAppends);
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

    QByteArray bytes;
    ASSERT_FALSE(PosixFileSystem().readFile(folder.filePath(kResultsFileName), bytes));
    ASSERT_EQ(bytes.size(), kRecordSize);
    EXPECT_EQ(decodeRecord(bytes.constData()), workerRecord(1, 7));
}
} // namespace
