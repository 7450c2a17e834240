#pragma once
#include "platform/FileError.h"

#include <QByteArray>
#include <QString>

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

    // Writes `bytes` to `temporaryPath` (beside this file), flushes them to
    // disk and renames the temporary file over this file's path, so that the
    // path always names a complete file: the old one or the new one. Called
    // under the whole-file lock; afterwards this file is the old one, fit
    // only for unlocking.
    virtual FileError replaceContents(const QString& temporaryPath, const QByteArray& bytes) = 0;
};
