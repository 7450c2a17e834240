// The recount behind every menu activation, completion screen and name list:
// a results file of 100 000 records over 2 000 students and 5 levels, of
// which the newest 20 000 are loaded.
#include "BenchSchool.h"
#include "results/Evaluation.h"

#include <benchmark/benchmark.h>

namespace {
using bench::school;

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
        qint64 got = 0;
        file->read(size / kRecordSize * kRecordSize - window, bytes.data(), window, got);
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
