#include "results/ResultsFile.h"

#include "platform/PosixFileSystem.h"
#include "results/ResultsTestSupport.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class ResultsFile : public ::testing::Test {
protected:
    void store(const std::vector<ResultRecord>& records) { test.files.put(kTestResultsFile, recordBytes(records)); }
    QDate day(int offset = 0) const { return test.today().addDays(offset); }

    ResultsTest test;
};

TEST_F(ResultsFile, MissingFileLoadsEmptyAndIsCreated)
{
    LoadResults(test.context);
    EXPECT_TRUE(test.state.LoadedResults.empty());
    EXPECT_EQ(test.state.BestTime(1, 1), kNoTime);
    EXPECT_EQ(test.state.LevelRecord[5], kNoTime);
    EXPECT_TRUE(test.files.exists(kTestResultsFile));
}

TEST_F(ResultsFile, LoadKeepsValidRecordsInFileOrderWithBestTimesAndLevelRecords)
{
    store({runRecord(day(-1), 7, 1, 50), runRecord(day(), 7, 1, 40), runRecord(day(), 7, 1, kNoTime),
           runRecord(day(), 8, 1, 30), runRecord(day(), 1001, 1, 10), runRecord(day(), 0, 1, 5),
           runRecord(day(), 8, 2, kNoTime)});
    LoadResults(test.context);
    const auto& loaded = test.state.LoadedResults;
    ASSERT_EQ(loaded.size(), 6u); // student 0 is no one's run
    EXPECT_EQ(loaded[0].Seconds, 50);
    EXPECT_EQ(loaded[2].Seconds, kNoTime);
    EXPECT_EQ(loaded[4].StudentNo, 1001);
    EXPECT_EQ(test.state.BestTime(1, 7), 40);   // a time-out never lowers it
    EXPECT_EQ(test.state.BestTime(1, 1001), 10);
    EXPECT_EQ(test.state.LevelRecord[1], 30);   // students above 1000 hold no level record
    EXPECT_EQ(test.state.BestTime(2, 8), kNoTime);
    EXPECT_EQ(test.state.LevelRecord[2], kNoTime);
}

TEST_F(ResultsFile, TornOrForeignRecordsAreSkippedAndTheLoadGoesOn)
{
    ResultRecord negativeDate = runRecord(day(), 3, 1, 20);
    negativeDate.EntryDate = -5;
    store({runRecord(day(), 6000, 1, 1), runRecord(day(), -4, 1, 1), runRecord(day(), 3, 36, 1),
           runRecord(day(), 3, -1, 1), negativeDate, runRecord(day(), 3, 1, 25)});
    LoadResults(test.context);
    ASSERT_EQ(test.state.LoadedResults.size(), 1u);
    EXPECT_EQ(test.state.LoadedResults[0].Seconds, 25);
    EXPECT_EQ(test.state.BestTime(1, 3), 20); // an undated record of a real student still counts as a best time
    EXPECT_TRUE(test.dialogs.messages.isEmpty());
}

TEST_F(ResultsFile, LoadTakesTheNewestRecordsOfALongFile)
{
    std::vector<ResultRecord> records;
    records.push_back(runRecord(day(-30), 60, 1, 5)); // falls out of the window
    for (int i = 1; i < kLoadWindowRecords + 5; ++i)
        records.push_back(runRecord(day(), 1 + i % 50, 1, 100 + i));
    store(records);
    LoadResults(test.context);
    const auto& loaded = test.state.LoadedResults;
    ASSERT_EQ(loaded.size(), static_cast<size_t>(kLoadWindowRecords));
    EXPECT_EQ(loaded.front().Seconds, 105);
    EXPECT_EQ(loaded.back().Seconds, 100 + kLoadWindowRecords + 4);
    EXPECT_EQ(test.state.BestTime(1, 60), kNoTime);
}

TEST_F(ResultsFile, AppendWritesTheFinishedRunAfterTheLastCompleteRecord)
{
    test.files.put(kTestResultsFile, QByteArray(100, 'x')); // two records and a torn fragment
    test.state.CurrentStudentNo = 12;
    test.state.CurrentLevel = 3;
    test.state.RecordedTime = 47;
    test.state.SchoolCode = "12345";
    AppendResult(test.context);

    const QByteArray bytes = test.files.contents(kTestResultsFile);
    ASSERT_EQ(bytes.size(), 88 + kRecordSize);
    const ResultRecord written = decodeRecord(bytes.constData() + 88);
    EXPECT_EQ(written.EntryDate, entryDateOf(test.today()));
    EXPECT_DOUBLE_EQ(written.EntryTime, 10.0 / 24); // the clock stands at 10:00
    EXPECT_EQ(written.StudentNo, 12);
    EXPECT_EQ(written.Level, 3);
    EXPECT_EQ(written.Seconds, 47);
    EXPECT_EQ(written.ExtraA, "12345");
    EXPECT_EQ(written.ExtraB, "     ");
    EXPECT_EQ(written.ExtraC, "0    ");
    EXPECT_EQ(written.ExtraD, QByteArray(5, '\0'));

    test.state.SchoolCode.clear();
    AppendResult(test.context);
    EXPECT_EQ(decodedRecords(test.files.contents(kTestResultsFile)).back().ExtraA, "     ");
}

TEST_F(ResultsFile, AppendStampsTheTimeOfDayInWholeSeconds)
{
    test.clock.advance(59'500); // 10:00:59.5
    AppendResult(test.context);
    const ResultRecord written = decodedRecords(test.files.contents(kTestResultsFile)).at(0);
    EXPECT_EQ(timeOfEntry(written.EntryTime), QTime(10, 0, 59));
    EXPECT_EQ(written.EntryTime, (10 * 3600 + 59) / 86400.0);
}

TEST_F(ResultsFile, AppendWaitsForAFileHeldByAnotherComputer)
{
    test.files.lockHeldByOtherTries = 3;
    const qint64 start = test.clock.elapsedMilliseconds();
    appendRecord(test.context, runRecord(day(), 1, 1, 30));
    EXPECT_EQ(test.files.lockAttempts, 4);
    EXPECT_GE(test.clock.elapsedMilliseconds() - start, 3000);
    EXPECT_EQ(decodedRecords(test.files.contents(kTestResultsFile)).size(), 1u);
}

TEST_F(ResultsFile, LoadGivesUpOnAMissingFolderAtTheFourthTry)
{
    test.files.failures.insert(kTestResultsFile, {FileError::Kind::NotFound, "No such file or directory", 2});
    const qint64 start = test.clock.elapsedMilliseconds();
    EXPECT_THROW(LoadResults(test.context), ProgramEnded);
    EXPECT_GE(test.clock.elapsedMilliseconds() - start, 15000); // three waits of five seconds
    EXPECT_LT(test.clock.elapsedMilliseconds() - start, 16000);
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_EQ(test.dialogs.messages[0].text, "ファイルがありません 1 No such file or directory 2");
}

TEST_F(ResultsFile, OtherErrorsShowWhatFailedAndEndTheProgram)
{
    test.files.failures.insert(kTestResultsFile, {FileError::Kind::Other, "Input/output error", 5});
    EXPECT_THROW(appendRecord(test.context, runRecord(day(), 1, 1, 30)), ProgramEnded);
    EXPECT_THROW(LoadResults(test.context), ProgramEnded);
    ASSERT_EQ(test.dialogs.messages.size(), 2);
    EXPECT_EQ(test.dialogs.messages[0].text, "成績ランダムファイル記録 Input/output error");
    EXPECT_TRUE(test.dialogs.messages[1].text.startsWith("成績ランダムファイル表示 1 5 Input/output error"));
}

TEST_F(ResultsFile, RecordsAreReachedByNumber)
{
    store({runRecord(day(), 1, 1, 10), runRecord(day(), 2, 1, 20), runRecord(day(), 3, 1, 30)});
    EXPECT_EQ(countResultRecords(test.context), 3);
    EXPECT_EQ(readResultRecord(test.context, 2).StudentNo, 2);
    EXPECT_EQ(readResultRecord(test.context, 4).StudentNo, 0); // beyond the end: a record of no one
    const QByteArray whole = test.files.contents(kTestResultsFile);
    test.files.put(kTestResultsFile, whole + "torn"); // a fragment at the end is no record
    EXPECT_EQ(readAllResultBytes(test.context), whole);
}

TEST_F(ResultsFile, NewestRecordsComeInFileOrderWithoutForeignOnes)
{
    store({runRecord(day(), 1, 1, 10), runRecord(day(), 2, 1, 20), runRecord(day(), 3, 40, 30),
           runRecord(day(), 0, 2, 40), runRecord(day(), 5, 1, 50)});
    const std::vector<LoadedResult> newest = ReadNewestRecords(test.context, 4);
    ASSERT_EQ(newest.size(), 3u); // level 40 has no table
    EXPECT_EQ(newest[0].Seconds, 20);
    EXPECT_EQ(newest[1].StudentNo, 0);
    EXPECT_EQ(newest[2].Seconds, 50);
    EXPECT_EQ(ReadNewestRecords(test.context, 100).size(), 4u);
}
// The disk's files, where another computer cuts the results file short
// right after its size has been taken.
class ShrinkingResultsFile final : public FileSystem {
public:
    explicit ShrinkingResultsFile(qint64 bytesLeft) : bytesLeft_(bytesLeft) {}

    FileError readFile(const QString& path, QByteArray& bytes) const override { return disk_.readFile(path, bytes); }
    FileError replaceFile(const QString& path, const QByteArray& bytes) override
    {
        return disk_.replaceFile(path, bytes);
    }
    FileError stamp(const QString& path, FileStamp& stamp) const override { return disk_.stamp(path, stamp); }
    FileError openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file) override
    {
        std::unique_ptr<RecordFile> opened;
        if (const FileError error = disk_.openRecordFile(path, opened))
            return error;
        file = std::make_unique<Shrinking>(std::move(opened), path, bytesLeft_);
        return FileError::none();
    }

private:
    class Shrinking final : public RecordFile {
    public:
        Shrinking(std::unique_ptr<RecordFile> file, QString path, qint64 bytesLeft)
            : file_(std::move(file)), path_(std::move(path)), bytesLeft_(bytesLeft) {}
        FileError lockWhole() override { return file_->lockWhole(); }
        void unlock() override { file_->unlock(); }
        FileError size(qint64& bytes) const override
        {
            const FileError error = file_->size(bytes);
            EXPECT_TRUE(QFile::resize(path_, bytesLeft_));
            return error;
        }
        FileError read(qint64 offset, char* data, qint64 length, qint64& got) const override
        {
            return file_->read(offset, data, length, got);
        }
        FileError write(qint64 offset, const char* data, qint64 length) override
        {
            return file_->write(offset, data, length);
        }
        FileError flushToDisk() override { return file_->flushToDisk(); }
        FileError replaceContents(const QString& temporaryPath, const QByteArray& bytes) override
        {
            return file_->replaceContents(temporaryPath, bytes);
        }

    private:
        std::unique_ptr<RecordFile> file_;
        QString path_;
        qint64 bytesLeft_;
    };

    PosixFileSystem disk_;
    qint64 bytesLeft_;
};

TEST(ResultsFileOnDisk, ALoadEndsWhereTheFileEndsWhenItBecameShorterMeanwhile)
{
    constexpr int kRecords = 1500; // more than one slice of reading
    const struct {
        qint64 bytesLeft;
        int loaded;
    } cases[] = {
        {0, 0}, {2 * kRecordSize + 10, 2}, {1100 * kRecordSize + 20, 1100}, {kRecords * kRecordSize, kRecords}};
    for (const auto& c : cases) {
        QTemporaryDir folder;
        ResultsTest test;
        test.state.ProgramDataFolder = folder.path() + u'/';
        std::vector<ResultRecord> records;
        for (int i = 0; i < kRecords; ++i)
            records.push_back(runRecord(test.today(), 1 + i % 50, 1, 100 + i));
        ASSERT_FALSE(PosixFileSystem().replaceFile(resultsFilePath(test.state), recordBytes(records)));

        ShrinkingResultsFile files(c.bytesLeft);
        AppContext context{test.state,   test.clock,   test.clock,     test.random, files,
                           test.dialogs, test.program, test.navigator, test.sound, test.printing, test.hold};
        LoadResults(context);
        ASSERT_EQ(test.state.LoadedResults.size(), static_cast<size_t>(c.loaded)) << c.bytesLeft << " bytes left";
        if (c.loaded > 0) {
            EXPECT_EQ(test.state.LoadedResults.back().Seconds, 100 + c.loaded - 1);
        }
        EXPECT_TRUE(test.dialogs.messages.isEmpty()) << c.bytesLeft << " bytes left";
    }
}

// Another computer opened the file for an append and waits for its lock
// while a teacher deletes a run: the append goes into the new file, after
// its last record, and leaves nothing in the temporary file.
TEST(ResultsFileOnDisk, AnAppendWaitingDuringADeleteGoesIntoTheNewFile)
{
    DiskResultsTest test;
    PosixFileSystem& disk = test.disk;
    AppContext& context = test.onDisk;
    const std::vector<ResultRecord> records = {runRecord(test.today(), 1, 1, 10), runRecord(test.today(), 2, 1, 20),
                                               runRecord(test.today(), 3, 1, 30)};
    ASSERT_FALSE(disk.replaceFile(resultsFilePath(test.state), recordBytes(records)));

    std::unique_ptr<RecordFile> waiting;
    ASSERT_FALSE(disk.openRecordFile(resultsFilePath(test.state), waiting));
    RecordBytes shown;
    encodeRecord(records[1], shown.data());
    ASSERT_EQ(deleteResultRecord(context, 2, shown).outcome, RecordRewrite::Outcome::Written);

    ASSERT_FALSE(waiting->lockWhole());
    qint64 size = 0;
    ASSERT_FALSE(waiting->size(size));
    EXPECT_EQ(size, 2 * kRecordSize);
    RecordBytes appended;
    encodeRecord(runRecord(test.today(), 4, 1, 40), appended.data());
    ASSERT_FALSE(waiting->write(size, appended.data(), kRecordSize));
    waiting->unlock();

    QByteArray bytes;
    ASSERT_FALSE(disk.readFile(resultsFilePath(test.state), bytes));
    EXPECT_EQ(decodedRecords(bytes), (std::vector<ResultRecord>{records[0], records[2], runRecord(test.today(), 4, 1, 40)}));
    EXPECT_EQ(QDir(test.folder.path()).entryList(QDir::Files), QStringList{kResultsFileName});
}
} // namespace
