#pragma once
#include "platform/FileError.h"

#include <QtGlobal>

// A binary file of fixed-size records, opened for reading and writing, that
// several processes (on several computers) may share. Appends and rewrites
// take the whole-file lock; readers take none.
class RecordFile {
public:
    virtual ~RecordFile() = default;

    // Takes the whole-file lock without waiting. Kind::HeldByOther means
    // another process has it; the caller decides how to wait.
    virtual FileError lockWhole() = 0;
    virtual void unlock() = 0;

    virtual FileError size(qint64& bytes) const = 0;
    virtual FileError read(qint64 offset, char* data, qint64 length) const = 0;
    virtual FileError write(qint64 offset, const char* data, qint64 length) = 0;
    // Returns once the written bytes are on disk.
    virtual FileError flushToDisk() = 0;
};
