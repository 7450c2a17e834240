#pragma once
#include "platform/FileError.h"
#include "platform/RecordFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

// What tells whether a file changed: which file the path names, its size
// and its modification time.
struct FileStamp {
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;
    qint64 modifiedNanoseconds = 0;
    // Last modified long enough ago that a change now would show in the
    // modification time (file times move in coarse steps).
    bool settled = false;

    bool sameAs(const FileStamp& other) const
    {
        return device == other.device && inode == other.inode && size == other.size &&
               modifiedNanoseconds == other.modifiedNanoseconds;
    }
};

// Whole-file access to the school tree.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual FileError readFile(const QString& path, QByteArray& bytes) const = 0;

    // Writes the bytes to a temporary file beside `path`, flushes it to disk
    // and renames it over `path`, so that readers see the old or the new
    // file and never a half-written one.
    virtual FileError replaceFile(const QString& path, const QByteArray& bytes) = 0;

    virtual FileError stamp(const QString& path, FileStamp& stamp) const = 0;

    // Opens (creating it when missing) a record file for reading and writing.
    virtual FileError openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file) = 0;
};
