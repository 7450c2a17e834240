#pragma once
#include "platform/FileError.h"
#include "platform/RecordFile.h"

#include <QByteArray>
#include <QString>

#include <memory>

// Whole-file access to the school tree.
class FileSystem {
public:
    virtual ~FileSystem() = default;

    virtual FileError readFile(const QString& path, QByteArray& bytes) const = 0;

    // Writes the bytes to a temporary file beside `path`, flushes it to disk
    // and renames it over `path`, so that readers see the old or the new
    // file and never a half-written one.
    virtual FileError replaceFile(const QString& path, const QByteArray& bytes) = 0;

    // Opens (creating it when missing) a record file for reading and writing.
    virtual FileError openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file) = 0;
};
