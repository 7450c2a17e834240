// The recount behind every menu activation, completion screen and name list:
// a results file of 100 000 records over 2 000 students and 5 levels, of
// which the newest 20 000 are loaded.
#include "foundation/ProgramContext.h"
#include "results/Evaluation.h"
#include "results/ResultsFile.h"

#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <random>

namespace {
constexpr int kRecords = 100'000;
constexpr int kStudents = 2'000;
constexpr int kLevels = 5;

struct School {
    QTemporaryDir folder;
    ProgramContext program;

    School()
    {
        SharedState& state = program.state();
        state.ProgramDataFolder = folder.path() + u'/';
        for (int level = 1; level <= kLevels; ++level) {
            state.Criteria.TargetTime[level] = 30 + 10 * level;
            state.Criteria.PointMultiplier[level] = level == 5 ? 1.5f : 1.0f;
            state.Criteria.JudgeDays[level] = 7;
            state.Criteria.LimitDays[level] = 1;
        }
        std::mt19937 random(20261209);
        const double today = entryDateOf(program.context().clock.today());
        QByteArray bytes;
        bytes.reserve(kRecords * kRecordSize);
        for (int i = 0; i < kRecords; ++i) {
            ResultRecord record;
            record.EntryDate = today - (kRecords - 1 - i) / 500; // about 500 runs a day, oldest first
            record.EntryTime = (i % 500) / 600.0;
            record.StudentNo = static_cast<std::int16_t>(1 + random() % kStudents);
            record.Level = static_cast<std::int16_t>(1 + random() % kLevels);
            record.Seconds = random() % 20 == 0 ? kNoTime : static_cast<int>(20 + random() % 100);
            RecordBytes one;
            encodeRecord(record, one.data());
            bytes.append(one.data(), kRecordSize);
        }
        program.context().files.replaceFile(resultsFilePath(state), bytes);
    }
};

School& school()
{
    static School instance;
    return instance;
}

void BM_RecountTallies(benchmark::State& run)
{
    AppContext& context = school().program.context();
    for (auto _ : run) {
        RecountTallies(context);
        benchmark::DoNotOptimize(context.state.Tallies(1, 1).TotalPoints);
    }
}

// The load alone: the recount's share spent taking in the records.
void BM_LoadResults(benchmark::State& run)
{
    AppContext& context = school().program.context();
    for (auto _ : run) {
        LoadResults(context);
        benchmark::DoNotOptimize(context.state.LevelRecord[1]);
    }
}

// The bare read of the bytes a recount loads.
void BM_ReadLoadedBytes(benchmark::State& run)
{
    AppContext& context = school().program.context();
    for (auto _ : run) {
        auto file = OpenResultsFile(context);
        qint64 size = 0;
        file->size(size);
        const qint64 window = std::min<qint64>(size / kRecordSize, kLoadWindowRecords) * kRecordSize;
        QByteArray bytes(window, Qt::Uninitialized);
        file->read(size / kRecordSize * kRecordSize - window, bytes.data(), window);
        benchmark::DoNotOptimize(bytes.data());
    }
}

// Clearing all of the nine [level][student] tables a recount rebuilds
// (the eight tallies and the best times), as a recount without any
// bookkeeping of the levels in use would.
void BM_ResetWholeTables(benchmark::State& run)
{
    std::vector<std::vector<std::int32_t>> tables(9, std::vector<std::int32_t>(kLevelSlots * kStudentSlots));
    for (auto _ : run) {
        for (auto& table : tables)
            std::fill(table.begin(), table.end(), 0);
        benchmark::DoNotOptimize(tables[8].data());
    }
}

BENCHMARK(BM_RecountTallies)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_LoadResults)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadLoadedBytes)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ResetWholeTables)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
} // namespace
