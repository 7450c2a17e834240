// The criteria editor's distribution on results files of 100 000 and
// 1 000 000 records: the first count (cold), a key press in the edit box
// while the file stands still, and a key press after another computer has
// appended a run (the file counted again). A key press includes the
// redraw of both lists.
#include "BenchSchool.h"
#include "criteria_editor/Distribution.h"
#include "criteria_editor/FrmTimeData.h"
#include "results/ResultsFile.h"

#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
bench::School& schoolOf(int records)
{
    static bench::School small(100'000);
    static bench::School large(1'000'000);
    bench::School& school = records == 100'000 ? small : large;
    SharedState& state = school.program.state();
    if (!QFile::exists(state.ProgramDataFolder + kCriteriaFileName)) {
        QStringList lines{QStringLiteral("目標Time,最低Time,ｸﾘｱﾎﾟｲﾝﾄ,ｸﾘｱ回数,ﾎﾟｲﾝﾄ倍率,禁回,禁点,判期間,禁期間,,,")};
        for (int level = 1; level <= bench::kLevels; ++level)
            lines << QStringLiteral("%1,%2,100,5,1,0,0,7,1,,,").arg(30 + 10 * level).arg(60 + 10 * level);
        school.program.context().files.replaceFile(state.ProgramDataFolder + kCriteriaFileName, encodeLines(lines));
    }
    return school;
}

void BM_FirstCount(benchmark::State& run)
{
    AppContext& context = schoolOf(static_cast<int>(run.range(0))).program.context();
    for (auto _ : run) {
        DistributionCache cache;
        const DistributionTables& tables = cache.refresh(context);
        benchmark::DoNotOptimize(allRunLines(tables, 2));
        benchmark::DoNotOptimize(bestRunLines(tables, 2));
    }
}

FrmTimeData& editorOn(int records)
{
    static std::map<int, FrmTimeData*> editors;
    FrmTimeData*& editor = editors[records];
    if (!editor) {
        editor = new FrmTimeData(schoolOf(records).program.context());
        editor->show();
        editor->activate();
    }
    return *editor;
}

// Left and right in turn: each key moves the edit box, refreshes the lists
// and puts the cell into the edit box; then the event loop paints the screen.
void pressKey(FrmTimeData& editor, int i)
{
    QTest::keyClick(editor.Gridinputtext, i % 2 ? Qt::Key_Left : Qt::Key_Right);
    QCoreApplication::processEvents();
}

void BM_KeyPress(benchmark::State& run)
{
    FrmTimeData& editor = editorOn(static_cast<int>(run.range(0)));
    pressKey(editor, 0);
    int i = 1;
    for (auto _ : run)
        pressKey(editor, i++);
}

void BM_KeyPressAfterAnAppend(benchmark::State& run)
{
    AppContext& context = schoolOf(static_cast<int>(run.range(0))).program.context();
    FrmTimeData& editor = editorOn(static_cast<int>(run.range(0)));
    ResultRecord record;
    record.EntryDate = entryDateOf(context.clock.today());
    record.StudentNo = 7;
    record.Level = 1;
    record.Seconds = 44;
    int i = 0;
    for (auto _ : run) {
        run.PauseTiming();
        appendRecord(context, record);
        run.ResumeTiming();
        pressKey(editor, i++);
    }
}
} // namespace

BENCHMARK(BM_FirstCount)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeyPress)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_KeyPressAfterAnAppend)->Arg(100'000)->Arg(1'000'000)->Unit(benchmark::kMillisecond)->Iterations(30)->Repetitions(5)->ReportAggregatesOnly(true);
