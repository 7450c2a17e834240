#include "results/ResultsFile.h"

#include "platform/Waiting.h"

#include <algorithm>
#include <array>
#include <functional>
#include <limits>
#include <optional>
#include <utility>

namespace {
constexpr double kHeldRetrySeconds = 1;
constexpr double kMissingRetrySeconds = 5;
constexpr int kMissingTries = 4;

// The load's steps, named in its messages.
enum LoadStep { OpenStep = 1, SizeStep = 2, ReadStep = 3 };

// Runs a file operation until it succeeds or fails for good: a file held
// by another process is waited for without limit, a missing one for four
// tries. The program holds still from the first wait until the end.
FileError untilDone(AppContext& context, const std::function<FileError()>& operation)
{
    std::optional<FileWait> waiting;
    const auto wait = [&](double seconds) {
        if (!waiting)
            waiting.emplace(context.hold, context.clock, context.program);
        waiting->wait(seconds);
    };
    int missing = 0;
    for (;;) {
        const FileError error = operation();
        if (!error)
            return error;
        if (error.kind == FileError::Kind::HeldByOther) {
            wait(kHeldRetrySeconds);
            continue;
        }
        if (error.kind == FileError::Kind::NotFound && ++missing < kMissingTries) {
            wait(kMissingRetrySeconds);
            continue;
        }
        return error;
    }
}

[[noreturn]] void endWithMessage(AppContext& context, const QString& text)
{
    context.dialogs.showMessage(text, context.state.ProgramTitle);
    context.navigator.closeAll();
    context.program.endProgram(1);
}

[[noreturn]] void endWriting(AppContext& context, const FileError& error)
{
    endWithMessage(context, QStringLiteral("成績ランダムファイル記録 ") + error.text);
}

[[noreturn]] void endReading(AppContext& context, LoadStep step, const FileError& error)
{
    if (error.kind == FileError::Kind::NotFound)
        endWithMessage(context, QStringLiteral("ファイルがありません %1 %2 %3")
                                    .arg(step)
                                    .arg(error.text)
                                    .arg(error.code));
    endWithMessage(context, QStringLiteral("成績ランダムファイル表示 %1 %2 %3 %2 line%1")
                                .arg(step)
                                .arg(error.code)
                                .arg(error.text));
}

FileError openFile(AppContext& context, std::unique_ptr<RecordFile>& file)
{
    const QString path = resultsFilePath(context.state);
    return untilDone(context, [&] { return context.files.openRecordFile(path, file); });
}

// Opens the results file and takes its lock, waiting as long as another
// process holds it.
FileError openLocked(AppContext& context, std::unique_ptr<RecordFile>& file)
{
    if (const FileError error = openFile(context, file))
        return error;
    return untilDone(context, [&] { return file->lockWhole(); });
}

// The file under the whole-file lock, for as long as it lives.
class LockedFile {
public:
    explicit LockedFile(AppContext& context) : context_(context)
    {
        if (const FileError error = openLocked(context, file_))
            endWriting(context, error);
    }
    ~LockedFile() { file_->unlock(); }

    // Writes and flushes; a failure ends the program (after unlocking).
    void write(qint64 offset, const ResultRecord& record)
    {
        RecordBytes bytes;
        encodeRecord(record, bytes.data());
        FileError error = file_->write(offset, bytes.data(), kRecordSize);
        if (!error)
            error = file_->flushToDisk();
        if (error)
            fail(error);
    }
    qint64 size()
    {
        qint64 bytes = 0;
        if (const FileError error = file_->size(bytes))
            fail(error);
        return bytes;
    }

private:
    [[noreturn]] void fail(const FileError& error)
    {
        file_->unlock();
        endWriting(context_, error);
    }

    AppContext& context_;
    std::unique_ptr<RecordFile> file_;
};

qint64 sizeOrEnd(AppContext& context, RecordFile& file)
{
    qint64 bytes = 0;
    if (const FileError error = untilDone(context, [&] { return file.size(bytes); }))
        endReading(context, SizeStep, error);
    return bytes;
}

void takeIn(SharedState& state, const char* bytes)
{
    LoadedResult& result = state.LoadedResults.emplace_back();
    decodeNumbers(bytes, result);
    if (!fitsTables(result)) {
        state.LoadedResults.pop_back(); // a torn or foreign write: it neither counts nor stops the school
        return;
    }
    std::int32_t& best = state.BestTime(result.Level, result.StudentNo);
    best = std::min(best, result.Seconds);
    if (!isValidRecord(result))
        state.LoadedResults.pop_back();
}

void computeLevelRecords(SharedState& state)
{
    constexpr int kLastStudentInLevelRecord = 1000;
    for (int level = 1; level <= kMaxLevel; ++level) {
        std::int32_t best = kNoTime;
        for (int student = 1; student <= kLastStudentInLevelRecord; ++student)
            best = std::min(best, std::as_const(state).BestTime(level, student));
        state.LevelRecord[level] = best;
    }
}
} // namespace

QString resultsFilePath(const SharedState& state) { return state.ProgramDataFolder + kResultsFileName; }

std::unique_ptr<RecordFile> OpenResultsFile(AppContext& context)
{
    std::unique_ptr<RecordFile> file;
    if (const FileError error = openFile(context, file))
        endReading(context, OpenStep, error);
    return file;
}

void appendRecord(AppContext& context, const ResultRecord& record)
{
    LockedFile file(context);
    const qint64 completeRecords = file.size() / kRecordSize;
    file.write(completeRecords * kRecordSize, record);
}

void AppendResult(AppContext& context)
{
    const SharedState& state = context.state;
    const QDateTime now = context.clock.now();
    ResultRecord record;
    record.EntryDate = entryDateOf(now.date());
    record.EntryTime = entryTimeOf(now.time());
    record.StudentNo = static_cast<std::int16_t>(state.CurrentStudentNo);
    record.Level = static_cast<std::int16_t>(state.CurrentLevel);
    record.Seconds = state.RecordedTime;
    record.ExtraA = recordText(state.SchoolCode);
    appendRecord(context, record);
}

namespace {
// Reads up to `length` bytes at `offset` and returns how many there were;
// an error ends the program.
qint64 readOrEnd(AppContext& context, const RecordFile& file, qint64 offset, char* data, qint64 length)
{
    qint64 got = 0;
    if (const FileError error = untilDone(context, [&] { return file.read(offset, data, length, got); }))
        endReading(context, ReadStep, error);
    return got;
}

// Hands each slice of the newest `count` complete records to `takeSlice`, in file order.
template <typename TakeSlice>
void readNewestSlices(AppContext& context, qint64 count, TakeSlice takeSlice)
{
    const std::unique_ptr<RecordFile> file = OpenResultsFile(context);
    const qint64 records = sizeOrEnd(context, *file) / kRecordSize;
    const qint64 first = std::max<qint64>(0, records - count);
    // Read in slices that stay in the processor's cache while they are taken in.
    constexpr qint64 kSliceRecords = 1024;
    std::array<char, kSliceRecords * kRecordSize> slice;
    for (qint64 start = first; start < records; start += kSliceRecords) {
        const qint64 length = std::min(kSliceRecords, records - start) * kRecordSize;
        const qint64 got = readOrEnd(context, *file, start * kRecordSize, slice.data(), length);
        takeSlice(slice.data(), got / kRecordSize * kRecordSize);
        if (got < length)
            return; // another computer shortened the file meanwhile: its end ends the records
    }
}

// Hands each of the newest `count` complete records to `takeRecord`, in file order.
template <typename TakeRecord>
void readNewest(AppContext& context, qint64 count, TakeRecord takeRecord)
{
    readNewestSlices(context, count, [&](const char* records, qint64 length) {
        for (qint64 offset = 0; offset < length; offset += kRecordSize)
            takeRecord(records + offset);
    });
}
} // namespace

void LoadResults(AppContext& context)
{
    SharedState& state = context.state;
    state.BestTime.reset();
    state.LoadedResults.clear();
    state.LoadedResults.reserve(kLoadWindowRecords);
    readNewest(context, kLoadWindowRecords, [&](const char* bytes) { takeIn(state, bytes); });
    computeLevelRecords(state);
}

std::vector<LoadedResult> ReadNewestRecords(AppContext& context, qint64 count)
{
    std::vector<LoadedResult> records;
    readNewest(context, count, [&](const char* bytes) {
        LoadedResult record;
        decodeNumbers(bytes, record);
        if (fitsTables(record))
            records.push_back(record);
    });
    return records;
}
qint64 countResultRecords(AppContext& context)
{
    return sizeOrEnd(context, *OpenResultsFile(context)) / kRecordSize;
}

ResultRecord readResultRecord(AppContext& context, qint64 number)
{
    const std::unique_ptr<RecordFile> file = OpenResultsFile(context);
    RecordBytes bytes{}; // what lies beyond the end reads as zeros: a record of no one
    readOrEnd(context, *file, (number - 1) * kRecordSize, bytes.data(), kRecordSize);
    return decodeRecord(bytes.data());
}

void forEachResultSlice(AppContext& context, const std::function<void(const char* records, qint64 length)>& take)
{
    readNewestSlices(context, std::numeric_limits<qint64>::max(), take);
}

QByteArray readAllResultBytes(AppContext& context)
{
    const std::unique_ptr<RecordFile> file = OpenResultsFile(context);
    QByteArray bytes(sizeOrEnd(context, *file) / kRecordSize * kRecordSize, Qt::Uninitialized);
    const qint64 got = readOrEnd(context, *file, 0, bytes.data(), bytes.size());
    bytes.truncate(got / kRecordSize * kRecordSize); // shortened meanwhile: its end ends the records
    return bytes;
}

namespace {
RecordRewrite failedRewrite(const FileError& error) { return {RecordRewrite::Outcome::Failed, error}; }
const RecordRewrite kRecordChanged{RecordRewrite::Outcome::RecordChanged, {}};

// Runs `rewrite` on the results file while holding its lock.
template <typename Rewrite>
RecordRewrite underLock(AppContext& context, Rewrite rewrite)
{
    std::unique_ptr<RecordFile> file;
    if (const FileError error = openLocked(context, file))
        return failedRewrite(error);
    const RecordRewrite outcome = rewrite(*file);
    file->unlock();
    return outcome;
}

// The complete records of the locked file.
FileError readLockedRecords(const RecordFile& file, QByteArray& bytes)
{
    qint64 size = 0;
    if (const FileError error = file.size(size))
        return error;
    bytes.resize(size / kRecordSize * kRecordSize);
    qint64 got = 0;
    if (const FileError error = file.read(0, bytes.data(), bytes.size(), got))
        return error;
    bytes.truncate(got / kRecordSize * kRecordSize);
    return FileError::none();
}

bool holdsShownRecord(const QByteArray& records, qint64 number, const RecordBytes& shown)
{
    const qint64 offset = (number - 1) * kRecordSize;
    return number >= 1 && offset + kRecordSize <= records.size() &&
           std::equal(shown.begin(), shown.end(), records.constData() + offset);
}
} // namespace

RecordRewrite correctResultRecord(AppContext& context, qint64 number, const RecordBytes& shown,
                                  const ResultRecord& corrected)
{
    return underLock(context, [&](RecordFile& file) {
        RecordBytes current{};
        qint64 got = 0;
        if (number < 1)
            return kRecordChanged;
        if (const FileError error = file.read((number - 1) * kRecordSize, current.data(), kRecordSize, got))
            return failedRewrite(error);
        if (got < kRecordSize || current != shown)
            return kRecordChanged;
        RecordBytes bytes;
        encodeRecord(corrected, bytes.data());
        FileError error = file.write((number - 1) * kRecordSize, bytes.data(), kRecordSize);
        if (!error)
            error = file.flushToDisk();
        return error ? failedRewrite(error) : RecordRewrite{};
    });
}

RecordRewrite deleteResultRecord(AppContext& context, qint64 number, const RecordBytes& shown)
{
    return underLock(context, [&](RecordFile& file) {
        QByteArray records;
        if (const FileError error = readLockedRecords(file, records))
            return failedRewrite(error);
        if (!holdsShownRecord(records, number, shown))
            return kRecordChanged;
        records.remove((number - 1) * kRecordSize, kRecordSize);
        const QString temporaryPath = context.state.ProgramDataFolder + kResultsTemporaryFileName;
        if (const FileError error = file.replaceContents(temporaryPath, records))
            return failedRewrite(error);
        return RecordRewrite{};
    });
}
