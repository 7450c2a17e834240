// The name list, redrawn at each load, option change and class change of
// the name selection: recount, roster read, rows, sort and list, for a
// roster of 2 000 students and a results file of 100 000 records.
#include "BenchSchool.h"
#include "results/Evaluation.h"
#include "roster/NameList.h"
#include "roster/namesel.h"

#include <QListWidget>

#include <benchmark/benchmark.h>

namespace {
using bench::school;

namesel& nameSelection()
{
    static namesel screen(school().program.context());
    return screen;
}

void BM_NameListRedraw(benchmark::State& run)
{
    namesel& screen = nameSelection();
    for (auto _ : run) {
        screen.名簿表示();
        benchmark::DoNotOptimize(screen.List1->count());
    }
    run.counters["rows"] = screen.List1->count();
}

// The shares of one redraw.
void BM_RosterRead(benchmark::State& run)
{
    AppContext& context = school().program.context();
    std::vector<RosterEntry> roster;
    for (auto _ : run) {
        readRosterFile(context.files, context.state.DataRoot, roster);
        benchmark::DoNotOptimize(roster.data());
    }
}

void BM_NameListRows(benchmark::State& run)
{
    AppContext& context = school().program.context();
    std::vector<RosterEntry> roster;
    readRosterFile(context.files, context.state.DataRoot, roster);
    context.state.SchoolYear = 2026;
    for (auto _ : run)
        benchmark::DoNotOptimize(buildNameList(context.state, roster, 1, QStringLiteral("全学年"), false));
}

void BM_ListWidgetFill(benchmark::State& run)
{
    AppContext& context = school().program.context();
    std::vector<RosterEntry> roster;
    readRosterFile(context.files, context.state.DataRoot, roster);
    const NameList list = buildNameList(context.state, roster, 1, QStringLiteral("全学年"), false);
    QListWidget& widget = *nameSelection().List1;
    for (auto _ : run) {
        widget.clear();
        widget.addItems(list.rows);
        widget.setCurrentRow(0);
    }
}

BENCHMARK(BM_NameListRedraw)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_RosterRead)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_NameListRows)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_ListWidgetFill)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
} // namespace
