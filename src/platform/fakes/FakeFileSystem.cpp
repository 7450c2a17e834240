#include "platform/fakes/FakeFileSystem.h"

#include <algorithm>
#include <cstring>

namespace {
FileError notFound() { return {FileError::Kind::NotFound, QStringLiteral("No such file or directory"), 2}; }

class FakeRecordFile final : public RecordFile {
public:
    FakeRecordFile(FakeFileSystem& files, std::shared_ptr<QByteArray> bytes)
        : files_(files), bytes_(std::move(bytes)) {}

    FileError lockWhole() override
    {
        ++files_.lockAttempts;
        if (files_.lockHeldByOtherTries > 0) {
            --files_.lockHeldByOtherTries;
            return {FileError::Kind::HeldByOther, QStringLiteral("Resource temporarily unavailable"), 11};
        }
        return FileError::none();
    }
    void unlock() override {}

    FileError size(qint64& bytes) const override
    {
        bytes = bytes_->size();
        return FileError::none();
    }
    FileError read(qint64 offset, char* data, qint64 length, qint64& got) const override
    {
        ++files_.reads;
        if (offset < 0)
            return {FileError::Kind::Other, QStringLiteral("Invalid argument"), 22};
        got = std::clamp<qint64>(bytes_->size() - offset, 0, length);
        if (got > 0)
            std::memcpy(data, bytes_->constData() + offset, static_cast<size_t>(got));
        return FileError::none();
    }
    FileError write(qint64 offset, const char* data, qint64 length) override
    {
        if (bytes_->size() < offset + length)
            bytes_->resize(offset + length, '\0');
        std::memcpy(bytes_->data() + offset, data, static_cast<size_t>(length));
        ++files_.changes;
        return FileError::none();
    }
    FileError flushToDisk() override { return FileError::none(); }
    FileError replaceContents(const QString& temporaryPath, const QByteArray& bytes) override
    {
        if (files_.failures.contains(temporaryPath))
            return files_.failures.value(temporaryPath);
        *bytes_ = bytes; // the path names the new contents at once
        ++files_.replacements;
        ++files_.changes;
        return FileError::none();
    }

private:
    FakeFileSystem& files_;
    std::shared_ptr<QByteArray> bytes_;
};
} // namespace

QByteArray FakeFileSystem::contents(const QString& path) const
{
    const auto file = files_.value(path);
    return file ? *file : QByteArray();
}

FileError FakeFileSystem::readFile(const QString& path, QByteArray& bytes) const
{
    if (failures.contains(path))
        return failures.value(path);
    const auto file = files_.value(path);
    if (!file)
        return notFound();
    bytes = *file;
    return FileError::none();
}

FileError FakeFileSystem::replaceFile(const QString& path, const QByteArray& bytes)
{
    if (failures.contains(path))
        return failures.value(path);
    put(path, bytes);
    return FileError::none();
}

FileError FakeFileSystem::stamp(const QString& path, FileStamp& stamp) const
{
    if (failures.contains(path))
        return failures.value(path);
    const auto file = files_.value(path);
    if (!file)
        return notFound();
    stamp.inode = reinterpret_cast<quintptr>(file.get());
    stamp.size = file->size();
    stamp.modifiedNanoseconds = changes;
    stamp.settled = stampsSettled;
    return FileError::none();
}

FileError FakeFileSystem::openRecordFile(const QString& path, std::unique_ptr<RecordFile>& file)
{
    if (failures.contains(path))
        return failures.value(path);
    auto& bytes = files_[path];
    if (!bytes)
        bytes = std::make_shared<QByteArray>();
    file = std::make_unique<FakeRecordFile>(*this, bytes);
    return FileError::none();
}
