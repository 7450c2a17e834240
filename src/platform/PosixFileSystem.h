#pragma once
#include "platform/FileSystem.h"

// Files on the local or a mounted network disk. The whole-file lock is an
// open-file-description lock, so two screens of one process exclude each
// other as two computers do.
class PosixFileSystem final : public FileSystem {
public:
    FileError readFile(const QString& path, QByteArray& bytes) const override;
    FileError replaceFile(const QString& path, const QByteArray& bytes) override;
    FileError stamp(const QString& path, FileStamp& stamp) const override;
    FileError openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file) override;
};
