// The student menu on a roster of 2 000 students and a results file of
// 100 000 records: one activation (recount, the points ranking of every
// level, figures and locks) and one build of the period list, out of sight
// and in sight.
#include "BenchSchool.h"
#include "results/ResultsFile.h"
#include "student_menu/seisekitime1.h"

#include <QListWidget>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {
using bench::school;

seisekitime1& menu()
{
    static seisekitime1* screen = new seisekitime1(bench::signedIn(1));
    return *screen;
}

void BM_MenuActivation(benchmark::State& run)
{
    seisekitime1& screen = menu();
    for (auto _ : run) {
        screen.activate();
        benchmark::DoNotOptimize(screen.List5[1]->count());
    }
    run.counters["ranked"] = screen.List5[1]->count();
}

void BM_PeriodList(benchmark::State& run)
{
    seisekitime1& screen = menu();
    screen.activate();
    for (auto _ : run) {
        screen.Option1[3]->click();
        benchmark::DoNotOptimize(screen.List5[1]->count());
    }
    int lines = 0;
    for (int level = 1; level <= 5; ++level)
        lines += screen.List5[level]->count();
    run.counters["lines"] = lines;
}

// The period list in the time display, which also colours every list by
// its last time.
void BM_PeriodListTimeDisplay(benchmark::State& run)
{
    seisekitime1& screen = menu();
    screen.activate();
    screen.Option2[0]->click();
    for (auto _ : run) {
        screen.Option1[3]->click();
        benchmark::DoNotOptimize(screen.List5[1]->count());
    }
}

// The period list on a screen in sight, as in the program: a list that is
// shown again lays out all its rows at once. A screen of its own, so that
// the others stay out of sight.
void BM_PeriodListInSight(benchmark::State& run)
{
    menu();
    static seisekitime1* screen = [] {
        auto* inSight = new seisekitime1(school().program.context());
        inSight->show();
        inSight->activate();
        return inSight;
    }();
    for (auto _ : run) {
        screen->Option1[3]->click();
        benchmark::DoNotOptimize(screen->List5[1]->count());
    }
}

// The shares of a period list: reading the records and building the lines.
void BM_PeriodListLines(benchmark::State& run)
{
    menu();
    AppContext& context = school().program.context();
    const ListingInputs inputs{context.state, QStringLiteral("全学年"), 5, context.clock.today()};
    for (auto _ : run)
        benchmark::DoNotOptimize(periodListLines(inputs, ReadNewestRecords(context, 20000), 30, 2));
}

void BM_ReadNewestRecords(benchmark::State& run)
{
    AppContext& context = school().program.context();
    for (auto _ : run)
        benchmark::DoNotOptimize(ReadNewestRecords(context, 20000));
}

BENCHMARK(BM_MenuActivation)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeriodList)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeriodListTimeDisplay)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeriodListInSight)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_PeriodListLines)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ReadNewestRecords)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
} // namespace
