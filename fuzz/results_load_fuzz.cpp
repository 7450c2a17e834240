// The results file as the recount loads it, of any length, and one whose
// length changes between its size and its reads (another computer writing
// or rewriting it). The first two bytes give that change in bytes, the rest
// is the file. A load that ended the program would end the run as a crash.
#include "FuzzSupport.h"

#include "results/Evaluation.h"
#include "results/ResultsFile.h"

#include <algorithm>
#include <cstring>

namespace {
class ChangingLengthFile final : public RecordFile {
public:
    ChangingLengthFile(QByteArray bytes, qint64 sizeSaid) : bytes_(std::move(bytes)), sizeSaid_(sizeSaid) {}
    FileError lockWhole() override { return FileError::none(); }
    void unlock() override {}
    FileError size(qint64& bytes) const override
    {
        bytes = sizeSaid_;
        return FileError::none();
    }
    FileError read(qint64 offset, char* data, qint64 length, qint64& got) const override
    {
        got = std::clamp<qint64>(bytes_.size() - offset, 0, length);
        if (got > 0)
            std::memcpy(data, bytes_.constData() + offset, static_cast<std::size_t>(got));
        return FileError::none();
    }
    FileError write(qint64, const char*, qint64) override { return FileError::none(); }
    FileError flushToDisk() override { return FileError::none(); }
    FileError replaceContents(const QString&, const QByteArray&) override { return FileError::none(); }

private:
    QByteArray bytes_;
    qint64 sizeSaid_;
};

class ChangingLengthResults final : public FileSystem {
public:
    ChangingLengthResults(QByteArray bytes, qint64 sizeSaid) : bytes_(std::move(bytes)), sizeSaid_(sizeSaid) {}
    FileError readFile(const QString&, QByteArray&) const override { return FileError::none(); }
    FileError replaceFile(const QString&, const QByteArray&) override { return FileError::none(); }
    FileError stamp(const QString&, FileStamp&) const override { return FileError::none(); }
    FileError openRecordFile(const QString&, std::unique_ptr<RecordFile>& file) override
    {
        file = std::make_unique<ChangingLengthFile>(bytes_, sizeSaid_);
        return FileError::none();
    }

private:
    QByteArray bytes_;
    qint64 sizeSaid_;
};

SharedState& stateWithCriteria()
{
    SharedState& state = fuzzContext().state;
    for (int level = 1; level <= 5; ++level) {
        state.Criteria.TargetTime[level] = 40;
        state.Criteria.MinimumTime[level] = 60;
        state.Criteria.PointMultiplier[level] = 1.5f;
        state.Criteria.JudgeDays[level] = 7;
        state.Criteria.LimitDays[level] = 1;
    }
    state.ProgramDataFolder = QStringLiteral("/data/ミナモドリル/");
    return state;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 2)
        return 0;
    static SharedState& state = stateWithCriteria();
    TestContext& test = fuzzContext();
    const QByteArray bytes = inputBytes(data + 2, size - 2);
    const qint64 change = static_cast<std::int16_t>(data[0] | data[1] << 8);
    ChangingLengthResults files(bytes, std::max<qint64>(0, bytes.size() + change));
    AppContext context{state,        test.clock,   test.timers,    test.random,      files,
                       test.dialogs, test.program, test.navigator, test.holdingSound, test.printing, test.hold};
    RecountTallies(context);
    ReadNewestRecords(context, 100);
    countResultRecords(context);
    return 0;
}
