// The data maintenance screen on a results file of 100 000 records and a
// roster of 2 000 students: opening it with the list in sight, the plain
// list of rows alone, a delete (rewrite and flush included) and a
// correction in place.
#include "BenchSchool.h"
#include "maintenance/FrmData.h"
#include "results/ResultsFile.h"

#include <QListView>

#include <benchmark/benchmark.h>

namespace {
using bench::school;

AppContext& context() { return school().program.context(); }

RecordBytes recordAt(qint64 number)
{
    RecordBytes bytes;
    encodeRecord(readResultRecord(context(), number), bytes.data());
    return bytes;
}

// Everything the teacher waits for: the screen made, the roster and the
// results file read, the list built and its first screenful drawn.
void BM_OpenWithListInSight(benchmark::State& run)
{
    int rows = 0;
    for (auto _ : run) {
        FrmData screen(context());
        screen.show();
        screen.activate();
        benchmark::DoNotOptimize(screen.grab());
        rows = screen.List1->model()->rowCount();
    }
    run.counters["rows"] = rows;
}

void BM_ReadAndListRows(benchmark::State& run)
{
    for (auto _ : run)
        benchmark::DoNotOptimize(maintenanceList(readAllResultBytes(context())).rowCount());
}

void BM_ReadRosterTables(benchmark::State& run)
{
    for (auto _ : run) {
        std::vector<RosterEntry> roster;
        readRosterFile(context().files, context().state.DataRoot, roster);
        benchmark::DoNotOptimize(maintenanceRoster(roster, 2026).size());
        benchmark::DoNotOptimize(studentChoices(roster).size());
    }
}

// Each delete takes one record out of the middle of the file.
void BM_Delete(benchmark::State& run)
{
    constexpr qint64 kNumber = 50'000;
    for (auto _ : run) {
        run.PauseTiming();
        const RecordBytes shown = recordAt(kNumber);
        run.ResumeTiming();
        if (deleteResultRecord(context(), kNumber, shown).outcome != RecordRewrite::Outcome::Written)
            run.SkipWithError("the delete was not written");
    }
    run.counters["records_left"] = static_cast<double>(countResultRecords(context()));
}

void BM_Correct(benchmark::State& run)
{
    constexpr qint64 kNumber = 50'000;
    RecordBytes shown = recordAt(kNumber);
    ResultRecord record = decodeRecord(shown.data());
    for (auto _ : run) {
        record.Seconds = record.Seconds == 40 ? 41 : 40;
        if (correctResultRecord(context(), kNumber, shown, record).outcome != RecordRewrite::Outcome::Written)
            run.SkipWithError("the correction was not written");
        encodeRecord(record, shown.data());
    }
}
} // namespace

BENCHMARK(BM_OpenWithListInSight)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadAndListRows)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadRosterTables)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_Delete)->Unit(benchmark::kMillisecond)->Iterations(20)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_Correct)->Unit(benchmark::kMillisecond)->Iterations(50)->Repetitions(5)->ReportAggregatesOnly(true);
