// The result graphs on a roster of 2 000 students and a results file of
// 100 000 records, of which the newest 20 000 are read: one drawing of
// three levels on the screen, and the graphs of five levels for 40
// students printed to PDF files.
#include "BenchSchool.h"
#include "platform/QtPrinting.h"
#include "results/Evaluation.h"
#include "student_menu/GraphPrinting.h"
#include "student_menu/GraphSurfaceView.h"
#include "student_menu/seisekitime1.h"

#include <QDir>
#include <QPushButton>
#include <QRadioButton>

#include <benchmark/benchmark.h>

namespace {
using bench::school;

AppContext& preparedContext()
{
    static AppContext& context = [] () -> AppContext& {
        AppContext& signedIn = bench::signedIn(7);
        RecountTallies(signedIn);
        return signedIn;
    }();
    return context;
}

// The panel in sight, drawn and painted, as a teacher clicks "表示".
void BM_GraphScreenThreeLevels(benchmark::State& run)
{
    static seisekitime1* screen = [] {
        auto* menu = new seisekitime1(preparedContext());
        menu->show();
        menu->activate();
        menu->Option2[2]->click();
        menu->Command17->click();
        return menu;
    }();
    for (auto _ : run) {
        screen->Command24[0]->click();
        screen->Picture12->repaint();
    }
    run.counters["items"] = static_cast<double>(screen->Picture12->page().size());
}

// The shares of a drawing: the records, then the pages.
void BM_GraphPagesThreeLevels(benchmark::State& run)
{
    AppContext& context = preparedContext();
    const ListingInputs inputs{context.state, QStringLiteral("全学年"), 5, context.clock.today()};
    const std::vector<LoadedResult> records = ReadNewestRecords(context, kGraphRecordCount);
    for (auto _ : run)
        benchmark::DoNotOptimize(
            graphPages(GraphRequest{inputs, records, 7, 1, {1, 2, 3}}, screenSurface(11520, 9540, 6)));
}

void BM_GraphSchoolFiguresThreeLevels(benchmark::State& run)
{
    AppContext& context = preparedContext();
    const ListingInputs inputs{context.state, QStringLiteral("全学年"), 5, context.clock.today()};
    for (auto _ : run)
        for (int level = 1; level <= 3; ++level)
            benchmark::DoNotOptimize(schoolFigures(inputs, level, 1, 7));
}

void BM_GraphPdfFortyStudentsFiveLevels(benchmark::State& run)
{
    AppContext& context = preparedContext();
    QtPrinting pdfOnly; // the PDF files, whatever printer the machine has
    struct NoPrinter final : Printing {
        QtPrinting& files;
        explicit NoPrinter(QtPrinting& f) : files(f) {}
        QString defaultPrinterName() override { return {}; }
        QString printOnDefaultPrinter(const PrintDocument&) override { return QStringLiteral("none"); }
        QString writePdf(const PrintDocument& document, const QString& path) override
        {
            return files.writePdf(document, path);
        }
    } printing(pdfOnly);
    const ListingInputs inputs{context.state, QStringLiteral("全学年"), 5, context.clock.today()};
    std::vector<int> students;
    for (int student = 1; student <= 40; ++student)
        students.push_back(student);
    const QString folder = context.state.ProgramDataFolder + QStringLiteral("グラフ印刷/bench/");
    for (auto _ : run) {
        const std::vector<LoadedResult> records = ReadNewestRecords(context, kGraphRecordCount);
        const GraphPrintJob job{GraphRequest{inputs, records, 0, 1, {1, 2, 3, 4, 5}}, students,
                                QStringLiteral("IPAGothic"), folder};
        benchmark::DoNotOptimize(printGraphs(printing, job, {}));
    }
    run.counters["files"] = static_cast<double>(QDir(folder).entryList(QDir::Files).size());
}

BENCHMARK(BM_GraphScreenThreeLevels)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GraphPagesThreeLevels)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GraphSchoolFiguresThreeLevels)->Unit(benchmark::kMillisecond)->Repetitions(9)->ReportAggregatesOnly(true);
BENCHMARK(BM_GraphPdfFortyStudentsFiveLevels)->Unit(benchmark::kMillisecond)->Iterations(1)->Repetitions(3);
} // namespace
