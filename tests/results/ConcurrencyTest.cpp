// Several processes on one results file, for real.
#include "foundation/ProgramContext.h"
#include "results/ResultsFile.h"

#include "results/ResultsTestSupport.h"
#include "results/WorkerRecords.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <functional>
#include <csignal>
#include <map>
#include <random>
#include <thread>

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

// A writer process and how many records it has said are on disk.
struct Writer {
    int id = 0;
    std::unique_ptr<QProcess> process;
    int reported = 0;

    // Takes in the lines printed so far; false when there were none.
    bool takeReports()
    {
        const int before = reported;
        for (; process->canReadLine(); ++reported)
            process->readLine();
        return reported > before;
    }
};

Writer startWriter(const QTemporaryDir& folder, int id, int appends)
{
    return {id, startWorker({"append", folder.path(), QString::number(id), QString::number(appends)})};
}

// Lets the writers run until one of them reports a record and returns it;
// nullptr when none gets the file in time. The one that reported is already
// on its way into its next append: the others only try the lock once a second.
Writer* waitForAReport(std::vector<Writer>& writers, int milliseconds)
{
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, &QEventLoop::quit);
    for (Writer& writer : writers)
        QObject::connect(writer.process.get(), &QProcess::readyReadStandardOutput, &loop, &QEventLoop::quit);
    limit.start(milliseconds);
    while (limit.isActive()) {
        for (Writer& writer : writers)
            if (writer.takeReports())
                return &writer;
        loop.exec();
    }
    return nullptr;
}

void killWriter(Writer& writer)
{
    writer.process->kill(); // SIGKILL: no handler, no flush, no unlock of its own
    EXPECT_TRUE(writer.process->waitForFinished(10000));
    EXPECT_EQ(writer.process->exitStatus(), QProcess::CrashExit) << "writer " << writer.id;
    EXPECT_EQ(writer.process->exitCode(), SIGKILL) << "writer " << writer.id;
    writer.takeReports();
}

// Writers are killed at random moments of their appends while others go on;
// a last writer appends once and ends. Every record a writer reported written
// must be in the file, and at most the one it had in hand besides.
TEST(KilledWriters, KeepEveryReportedRecordAndLeaveNoTornOne)
{
    constexpr int kRunningWriters = 3, kKills = 40;
    constexpr int kEndless = 1000000;         // far more than a writer appends before its kill
    constexpr int kMaxKillDelayMicros = 6000; // about one append with its flush to disk
    constexpr int kTornWriter = 999, kTornBytes = 30;
    constexpr std::uint32_t kSeed = 20261210; // the kill moments: a failure replays with the same ones
    SCOPED_TRACE(::testing::Message() << "kill moments from seed " << kSeed);

    QTemporaryDir folder;
    // The file starts as a writer killed mid-write leaves it: a fragment at its end.
    const QByteArray torn = recordBytes({workerRecord(kTornWriter, 0)}).left(kTornBytes);
    ASSERT_FALSE(PosixFileSystem().replaceFile(folder.filePath(kResultsFileName), torn));

    std::mt19937 random(kSeed);
    // Kill delays spread evenly on a log scale, so that the short steps up to
    // the write are hit about as often as the long flush after it.
    std::uniform_real_distribution<double> killDelayExponent(0, std::log(kMaxKillDelayMicros));
    int nextId = 1;
    std::vector<Writer> running, ended;
    for (int writer = 0; writer < kRunningWriters; ++writer)
        running.push_back(startWriter(folder, nextId++, kEndless));
    for (int kill = 1; kill <= kKills; ++kill) {
        Writer* victim = waitForAReport(running, 10000);
        ASSERT_NE(victim, nullptr) << "no writer got the file after kill " << kill - 1;
        std::this_thread::sleep_for(std::chrono::microseconds(std::lround(std::exp(killDelayExponent(random)))));
        killWriter(*victim);
        ended.push_back(std::move(*victim));
        *victim = startWriter(folder, nextId++, kEndless);
    }
    for (Writer& writer : running) {
        killWriter(writer);
        ended.push_back(std::move(writer));
    }
    Writer& last = ended.emplace_back(startWriter(folder, nextId++, 1));
    ASSERT_TRUE(last.process->waitForFinished(30000));
    ASSERT_EQ(last.process->exitCode(), 0);
    last.takeReports();
    ASSERT_EQ(last.reported, 1);

    const QByteArray bytes = resultsFileBytes(folder);
    ASSERT_EQ(bytes.size() % kRecordSize, 0) << "a torn record was left at the end";
    std::map<int, int> counted;
    ASSERT_TRUE(countRecordsPerWriter(bytes, counted));
    EXPECT_EQ(decodedRecords(bytes).back(), workerRecord(last.id, 0));
    for (const Writer& writer : ended) {
        const int inFile = counted[writer.id];
        EXPECT_GE(inFile, writer.reported) << "writer " << writer.id << " lost records it reported written";
        EXPECT_LE(inFile, writer.reported + 1) << "writer " << writer.id << " has more than one unreported record";
        counted.erase(writer.id);
    }
    EXPECT_EQ(counted, (std::map<int, int>{})) << "records of writers that never ran";
}

// The record's place in the file; 0 when it is not there.
qint64 numberOf(const QByteArray& bytes, const ResultRecord& record)
{
    RecordBytes wanted;
    encodeRecord(record, wanted.data());
    for (qint64 offset = 0; offset + kRecordSize <= bytes.size(); offset += kRecordSize)
        if (std::equal(wanted.begin(), wanted.end(), bytes.constData() + offset))
            return offset / kRecordSize + 1;
    return 0;
}

// A teacher deletes 20 runs and corrects 20 others while four computers
// append: every appended record arrives whole and in its writer's order,
// and of the earlier runs exactly the deleted ones are gone and exactly the
// corrected ones changed.
TEST(MaintenanceWhileAppending, DeletesAndCorrectionsLoseNoAppendAndTouchNothingElse)
{
    constexpr int kWriters = 4, kAppends = 500, kEarlier = 100, kTeacherWriter = 9, kEdits = 20;
    // Computers that record runs one after another, yet leave the file free
    // often enough for the teacher to get it before they are done.
    const QString pauseMilliseconds = QStringLiteral("5");
    QTemporaryDir folder;
    std::vector<ResultRecord> earlier;
    for (int i = 0; i < kEarlier; ++i)
        earlier.push_back(workerRecord(kTeacherWriter, i));
    ASSERT_FALSE(PosixFileSystem().replaceFile(folder.filePath(kResultsFileName), recordBytes(earlier)));

    std::vector<std::unique_ptr<QProcess>> writers;
    for (int writer = 1; writer <= kWriters; ++writer)
        writers.push_back(startWorker(
            {"append", folder.path(), QString::number(writer), QString::number(kAppends), pauseMilliseconds}));
    while (resultsFileBytes(folder).size() < (kEarlier + 40) * kRecordSize)
        std::this_thread::sleep_for(std::chrono::milliseconds(5));

    ProgramContext program;
    program.state().ProgramDataFolder = folder.path() + u'/';
    std::vector<ResultRecord> expected = earlier;
    const auto edit = [&](const ResultRecord& record, const std::function<RecordRewrite(qint64, const RecordBytes&)>& write) {
        const qint64 number = numberOf(resultsFileBytes(folder), record);
        ASSERT_GT(number, 0);
        RecordBytes shown;
        encodeRecord(record, shown.data());
        EXPECT_EQ(write(number, shown).outcome, RecordRewrite::Outcome::Written);
    };
    for (int k = 0; k < kEdits; ++k) {
        edit(earlier[5 * k], [&](qint64 number, const RecordBytes& shown) {
            return deleteResultRecord(program.context(), number, shown);
        });
        ResultRecord corrected = earlier[5 * k + 2];
        corrected.Seconds = 10000 + k;
        corrected.StudentNo = kTeacherWriter + 1 + k % 3; // another student, still no writer
        edit(earlier[5 * k + 2], [&](qint64 number, const RecordBytes& shown) {
            return correctResultRecord(program.context(), number, shown, corrected);
        });
        expected[5 * k + 2] = corrected;
        if (k == 0) {
            const qint64 appended = resultsFileBytes(folder).size() / kRecordSize - (kEarlier - 1);
            EXPECT_LT(appended, kWriters * kAppends) << "the writers had finished before the teacher began";
        }
    }
    for (auto& writer : writers) {
        // The teacher's waits let events run, so a writer's end may already have been seen.
        ASSERT_TRUE(writer->state() == QProcess::NotRunning || writer->waitForFinished(120000));
        ASSERT_EQ(writer->exitCode(), 0);
    }
    for (int k = kEdits - 1; k >= 0; --k)
        expected.erase(expected.begin() + 5 * k);

    const QByteArray bytes = resultsFileBytes(folder);
    ASSERT_EQ(bytes.size(), (kEarlier - kEdits + kWriters * kAppends) * kRecordSize);
    std::vector<ResultRecord> teachers, appended;
    for (const ResultRecord& record : decodedRecords(bytes))
        (record.StudentNo >= 1 && record.StudentNo <= kWriters ? appended : teachers).push_back(record);
    EXPECT_EQ(teachers, expected);
    std::map<int, int> counted;
    ASSERT_TRUE(countRecordsPerWriter(recordBytes(appended), counted));
    EXPECT_EQ(counted, (std::map<int, int>{{1, kAppends}, {2, kAppends}, {3, kAppends}, {4, kAppends}}));
}

// A delete killed at random moments of its work, again and again: the
// results file is always whole, either the file before that delete or the
// one after it, never missing and never half written.
TEST(KilledDeletes, LeaveTheOldFileOrTheNewOneWhole)
{
    constexpr int kRecords = 20000, kKills = 40, kTeacherWriter = 9;
    constexpr int kMaxKillDelayMicros = 40000; // a few deletes with their flushes
    constexpr std::uint32_t kSeed = 20261211;
    SCOPED_TRACE(::testing::Message() << "kill moments from seed " << kSeed);
    QTemporaryDir folder;
    std::vector<ResultRecord> original;
    for (int i = 0; i < kRecords; ++i)
        original.push_back(workerRecord(kTeacherWriter, i));
    const QByteArray originalBytes = recordBytes(original);
    ASSERT_FALSE(PosixFileSystem().replaceFile(folder.filePath(kResultsFileName), originalBytes));

    std::mt19937 random(kSeed);
    std::uniform_real_distribution<double> killDelayExponent(0, std::log(kMaxKillDelayMicros));
    int deleted = 0; // deletes reported done
    for (int kill = 1; kill <= kKills; ++kill) {
        Writer deleter{kill, startWorker({"delete", folder.path(), "1000000"})};
        // From its first delete on, the deleter is in the midst of its work.
        ASSERT_TRUE(deleter.process->waitForReadyRead(10000)) << "kill " << kill;
        std::this_thread::sleep_for(std::chrono::microseconds(std::lround(std::exp(killDelayExponent(random)))));
        killWriter(deleter);
        deleted += deleter.reported;

        const QByteArray bytes = resultsFileBytes(folder);
        ASSERT_EQ(bytes.size() % kRecordSize, 0) << "after kill " << kill;
        const qint64 gone = kRecords - bytes.size() / kRecordSize;
        ASSERT_TRUE(gone == deleted || gone == deleted + 1) << "after kill " << kill << ": " << gone
                                                             << " records gone, " << deleted << " deletes reported";
        ASSERT_EQ(bytes, originalBytes.mid(gone * kRecordSize)) << "after kill " << kill;
        deleted = static_cast<int>(gone);
    }
    EXPECT_GT(deleted, 0) << "no delete was ever done before its kill";
}
} // namespace
