#include "platform/PosixFileSystem.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <sys/stat.h>
#include <unistd.h>

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

// Another computer of the school, writing as another user of the same
// group, must still be able to append after a rewrite.
TEST_F(PosixFiles, AReplacedFileKeepsTheModeAndGroupOfTheOldOne)
{
    constexpr gid_t kSchoolGroup = 4242;
    const bool mayGiveGroups = ::geteuid() == 0;
    const auto replaceByPath = [this](const QString& name) { return files.replaceFile(path(name), "new"); };
    const auto replaceLocked = [this](const QString& name) {
        std::unique_ptr<RecordFile> file;
        if (const FileError error = files.openRecordFile(path(name), file))
            return error;
        return file->replaceContents(path(name + ".tmp"), "new");
    };
    for (const auto& [name, replace] :
         {std::pair<QString, std::function<FileError(const QString&)>>{"基準.txt", replaceByPath}, {"成績.dat", replaceLocked}}) {
        SCOPED_TRACE(name.toStdString());
        ASSERT_FALSE(files.replaceFile(path(name), "old"));
        const QByteArray native = path(name).toUtf8();
        ASSERT_EQ(::chmod(native.constData(), 0666), 0);
        if (mayGiveGroups)
            ASSERT_EQ(::chown(native.constData(), static_cast<uid_t>(-1), kSchoolGroup), 0);
        ASSERT_FALSE(replace(name));
        struct stat info {};
        ASSERT_EQ(::stat(native.constData(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, 0666u);
        if (mayGiveGroups)
            EXPECT_EQ(info.st_gid, kSchoolGroup);
        EXPECT_EQ(info.st_size, 3);
    }
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
