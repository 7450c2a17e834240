#pragma once
#include "platform/FileSystem.h"

#include <QMap>

#include <memory>

// An in-memory file tree. A path can be made to fail, and the whole-file
// lock can be reported as held by another process for a number of tries.
class FakeFileSystem final : public FileSystem {
public:
    FileError readFile(const QString& path, QByteArray& bytes) const override;
    FileError replaceFile(const QString& path, const QByteArray& bytes) override;
    FileError stamp(const QString& path, FileStamp& stamp) const override;
    FileError openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file) override;

    void put(const QString& path, const QByteArray& bytes)
    {
        files_[path] = std::make_shared<QByteArray>(bytes);
        ++changes;
    }
    bool exists(const QString& path) const { return files_.contains(path); }
    QByteArray contents(const QString& path) const;

    QMap<QString, FileError> failures;   // paths whose every operation fails
    int lockHeldByOtherTries = 0;        // the next lock attempts that find the file held
    int lockAttempts = 0;
    int replacements = 0;                // record files replaced through a temporary file
    qint64 changes = 0;                  // every write anywhere: the modification time of the stamps
    bool stampsSettled = true;
    int reads = 0;                       // record file reads

private:
    QMap<QString, std::shared_ptr<QByteArray>> files_;
};
