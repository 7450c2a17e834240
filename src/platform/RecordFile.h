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
    // Reads up to `length` bytes from `offset`. `got` falls short only where
    // the file ends, which may be sooner than its size said a moment ago:
    // another computer may have rewritten it meanwhile.
    virtual FileError read(qint64 offset, char* data, qint64 length, qint64& got) const = 0;
    virtual FileError write(qint64 offset, const char* data, qint64 length) = 0;
    // Returns once the written bytes are on disk.
    virtual FileError flushToDisk() = 0;
};
