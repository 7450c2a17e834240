#include "platform/PosixFileSystem.h"

#include <QFileInfo>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <ctime>
#include <unistd.h>

namespace {
QByteArray nativePath(const QString& path) { return path.toUtf8(); }

FileError errorFromErrno(int error, bool heldByOther = false)
{
    FileError result;
    result.text = QString::fromLocal8Bit(std::strerror(error));
    result.code = error;
    if (error == ENOENT || error == ENOTDIR)
        result.kind = FileError::Kind::NotFound;
    else if (heldByOther || error == EBUSY || error == ETXTBSY)
        result.kind = FileError::Kind::HeldByOther;
    else
        result.kind = FileError::Kind::Other;
    return result;
}

FileError lastError() { return errorFromErrno(errno); }

FileError writeAll(int fd, qint64 offset, const char* data, qint64 length)
{
    while (length > 0) {
        const ssize_t written = ::pwrite(fd, data, static_cast<size_t>(length), offset);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return lastError();
        }
        data += written;
        offset += written;
        length -= written;
    }
    return FileError::none();
}

// The school's computers may write the shared files as different users:
// the new file keeps the permissions and the group of the one it replaces,
// as far as the system lets this user give them (a share without
// permissions takes the file all the same).
void takeModeAndGroupOf(const QByteArray& path, int fd)
{
    struct stat replaced {};
    if (::stat(path.constData(), &replaced) != 0)
        return; // nothing to replace yet
    [[maybe_unused]] const int group = ::fchown(fd, static_cast<uid_t>(-1), replaced.st_gid);
    [[maybe_unused]] const int mode = ::fchmod(fd, replaced.st_mode & 07777);
}

// Writes the temporary file, flushes it and renames it over `path`; a
// failure leaves `path` as it was and removes the temporary file.
FileError replaceThroughTemporary(const QString& path, const QString& temporaryPath, const QByteArray& bytes)
{
    const QByteArray target = nativePath(path);
    const QByteArray temporary = nativePath(temporaryPath);
    const int fd = ::open(temporary.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    takeModeAndGroupOf(target, fd);
    FileError error = writeAll(fd, 0, bytes.constData(), bytes.size());
    if (!error && ::fsync(fd) != 0)
        error = lastError();
    ::close(fd);
    if (!error && ::rename(temporary.constData(), target.constData()) != 0)
        error = lastError();
    if (error) {
        ::unlink(temporary.constData());
        return error;
    }
    // Make the rename itself durable.
    const int folder = ::open(nativePath(QFileInfo(path).absolutePath()).constData(), O_RDONLY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return FileError::none();
}

class PosixRecordFile final : public RecordFile {
public:
    PosixRecordFile(QString path, int fd) : path_(std::move(path)), fd_(fd) {}
    ~PosixRecordFile() override { ::close(fd_); }

    FileError lockWhole() override
    {
        for (;;) {
            struct flock lock {};
            lock.l_type = F_WRLCK;
            lock.l_whence = SEEK_SET; // start 0, length 0: the whole file, however long
            if (::fcntl(fd_, F_OFD_SETLK, &lock) != 0) {
                const int error = errno;
                const bool held = error == EAGAIN || error == EACCES;
                return errorFromErrno(error, held);
            }
            // A rewrite renames a new file over the path while we waited;
            // our descriptor then points at the old one. Follow the path.
            if (stillAtPath())
                return FileError::none();
            const int fresh = ::open(nativePath(path_).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
            if (fresh < 0)
                return lastError();
            ::close(fd_);
            fd_ = fresh;
        }
    }

    void unlock() override
    {
        struct flock lock {};
        lock.l_type = F_UNLCK;
        lock.l_whence = SEEK_SET;
        ::fcntl(fd_, F_OFD_SETLK, &lock);
    }

    FileError size(qint64& bytes) const override
    {
        struct stat info {};
        if (::fstat(fd_, &info) != 0)
            return lastError();
        bytes = info.st_size;
        return FileError::none();
    }

    FileError read(qint64 offset, char* data, qint64 length, qint64& got) const override
    {
        got = 0;
        while (got < length) {
            const ssize_t part = ::pread(fd_, data + got, static_cast<size_t>(length - got), offset + got);
            if (part < 0) {
                if (errno == EINTR)
                    continue;
                return lastError();
            }
            if (part == 0)
                break; // the end of the file
            got += part;
        }
        return FileError::none();
    }

    FileError write(qint64 offset, const char* data, qint64 length) override
    {
        return writeAll(fd_, offset, data, length);
    }

    FileError flushToDisk() override { return ::fsync(fd_) == 0 ? FileError::none() : lastError(); }

    FileError replaceContents(const QString& temporaryPath, const QByteArray& bytes) override
    {
        return replaceThroughTemporary(path_, temporaryPath, bytes);
    }

private:
    bool stillAtPath() const
    {
        struct stat open {}, named {};
        if (::fstat(fd_, &open) != 0 || ::stat(nativePath(path_).constData(), &named) != 0)
            return false;
        return open.st_dev == named.st_dev && open.st_ino == named.st_ino;
    }

    QString path_;
    int fd_;
};
} // namespace

FileError PosixFileSystem::readFile(const QString& path, QByteArray& bytes) const
{
    const int fd = ::open(nativePath(path).constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return lastError();
    bytes.clear();
    char buffer[65536];
    for (;;) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            const FileError error = lastError();
            ::close(fd);
            return error;
        }
        if (got == 0)
            break;
        bytes.append(buffer, got);
    }
    ::close(fd);
    return FileError::none();
}

FileError PosixFileSystem::replaceFile(const QString& path, const QByteArray& bytes)
{
    return replaceThroughTemporary(path, path + QStringLiteral(".tmp"), bytes);
}

FileError PosixFileSystem::stamp(const QString& path, FileStamp& stamp) const
{
    struct stat info {};
    if (::stat(nativePath(path).constData(), &info) != 0)
        return lastError();
    // A network disk's times may step by whole seconds.
    constexpr qint64 kCoarsestStepNanoseconds = 2'000'000'000;
    struct timespec now {};
    ::clock_gettime(CLOCK_REALTIME, &now);
    const auto nanoseconds = [](const struct timespec& time) {
        return static_cast<qint64>(time.tv_sec) * 1'000'000'000 + time.tv_nsec;
    };
    stamp.device = info.st_dev;
    stamp.inode = info.st_ino;
    stamp.size = info.st_size;
    stamp.modifiedNanoseconds = nanoseconds(info.st_mtim);
    stamp.settled = nanoseconds(now) - stamp.modifiedNanoseconds > kCoarsestStepNanoseconds;
    return FileError::none();
}

FileError PosixFileSystem::openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file)
{
    const int fd = ::open(nativePath(path).constData(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
    if (fd < 0)
        return lastError();
    file = std::make_unique<PosixRecordFile>(path, fd);
    return FileError::none();
}
