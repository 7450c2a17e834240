#include "platform/PosixFileSystem.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
class PosixFiles : public ::testing::Test {
protected:
    QString path(const QString& name) const { return folder.filePath(name); }
    QTemporaryDir folder;
    PosixFileSystem files;
};

TEST_F(PosixFiles, MissingFileIsNotFoundWithTheSystemsText)
{
    QByteArray bytes;
    const FileError error = files.readFile(path("無い.txt"), bytes);
    EXPECT_EQ(error.kind, FileError::Kind::NotFound);
    EXPECT_EQ(error.text, "No such file or directory");
}

TEST_F(PosixFiles, ReplaceWritesTheWholeFileAndLeavesNoTemporary)
{
    ASSERT_FALSE(files.replaceFile(path("基準.txt"), "old"));
    ASSERT_FALSE(files.replaceFile(path("基準.txt"), "new contents"));
    QByteArray bytes;
    ASSERT_FALSE(files.readFile(path("基準.txt"), bytes));
    EXPECT_EQ(bytes, "new contents");
    EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files), QStringList{"基準.txt"});
}

TEST_F(PosixFiles, ReplaceIntoMissingFolderFails)
{
    EXPECT_EQ(files.replaceFile(path("no/such/file.txt"), "x").kind, FileError::Kind::NotFound);
}

TEST_F(PosixFiles, RecordFileIsCreatedAndReadsBackWhatWasWritten)
{
    std::unique_ptr<RecordFile> file;
    ASSERT_FALSE(files.openRecordFile(path("成績.dat"), file));
    qint64 size = -1;
    ASSERT_FALSE(file->size(size));
    EXPECT_EQ(size, 0);
    ASSERT_FALSE(file->write(44, "abcd", 4));
    ASSERT_FALSE(file->flushToDisk());
    ASSERT_FALSE(file->size(size));
    EXPECT_EQ(size, 48);
    char back[4];
    qint64 got = 0;
    ASSERT_FALSE(file->read(44, back, 4, got));
    EXPECT_EQ(QByteArray(back, got), "abcd");
    ASSERT_FALSE(file->read(46, back, 4, got)); // the end of the file is no error
    EXPECT_EQ(QByteArray(back, got), "cd");
    ASSERT_FALSE(file->read(100, back, 4, got));
    EXPECT_EQ(got, 0);
}

// Each open file is its own lock owner, as another computer would be.
TEST_F(PosixFiles, WholeFileLockIsHeldAgainstAnotherOpening)
{
    std::unique_ptr<RecordFile> first, second;
    ASSERT_FALSE(files.openRecordFile(path("成績.dat"), first));
    ASSERT_FALSE(files.openRecordFile(path("成績.dat"), second));
    ASSERT_FALSE(first->lockWhole());
    EXPECT_EQ(second->lockWhole().kind, FileError::Kind::HeldByOther);
    first->unlock();
    EXPECT_FALSE(second->lockWhole());
}

TEST_F(PosixFiles, LockFollowsAFileRenamedOverThePath)
{
    std::unique_ptr<RecordFile> appender;
    ASSERT_FALSE(files.openRecordFile(path("成績.dat"), appender));
    ASSERT_FALSE(files.replaceFile(path("成績.dat"), "rewritten"));
    ASSERT_FALSE(appender->lockWhole());
    qint64 size = 0;
    ASSERT_FALSE(appender->size(size));
    EXPECT_EQ(size, 9); // the new file, not the unlinked old one
    ASSERT_FALSE(appender->write(size, "+", 1));
    QByteArray bytes;
    ASSERT_FALSE(files.readFile(path("成績.dat"), bytes));
    EXPECT_EQ(bytes, "rewritten+");
}
} // namespace
