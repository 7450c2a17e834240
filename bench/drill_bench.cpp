// What a child waits for on the drill screen: a typed answer judged and the
// next problem on the screen, or a wrong one shown with its correction and
// confirmed. Offscreen, with silent sounds, so that only the screen's own
// work is timed.
#include "drill/MainFrm.h"
#include "foundation/LevelCatalogue.h"
#include "foundation/RunStart.h"
#include "foundation/ScreenNames.h"
#include "support/TestContext.h"

#include <QLabel>
#include <QTest>

#include <benchmark/benchmark.h>

namespace {
struct Drill {
    TestContext test;
    MainFrm* screen = nullptr;

    explicit Drill(int level)
    {
        fillLevelCatalogue(test.state);
        test.state.CurrentStudentNo = 1;
        test.state.CurrentLevel = level;
        test.state.Criteria.MinimumTime[level] = 1'000'000; // no time-out while measuring
        test.random.fallback = 0.99;                        // every problem is then 9 + 9
        test.navigator.registerScreen(ScreenNames::MainFrm, [this] {
            auto made = std::make_unique<MainFrm>(test.context);
            screen = made.get();
            return made;
        });
        StartRun(test.context);
    }
    void type(const QString& keys)
    {
        for (const QChar key : keys)
            QTest::keyClick(screen, key.toLatin1());
    }
    QString answer() const
    {
        const int a = screen->Keisan2Lbl2[0]->text().toInt(), b = screen->Keisan2Lbl2[1]->text().toInt();
        return QString::number(screen->Keisan2Lbl3[0]->text() == QStringLiteral("＋") ? a + b : a - b);
    }
};

void BM_CorrectAnswerToNextProblem(benchmark::State& run)
{
    Drill drill(3);
    for (auto _ : run) {
        drill.type(drill.answer() + u' ');
        drill.test.state.Drill.CorrectCount = 0; // never reach the run's end
    }
}
BENCHMARK(BM_CorrectAnswerToNextProblem)->Unit(benchmark::kMicrosecond);

void BM_WrongAnswerCorrectedAndConfirmed(benchmark::State& run)
{
    Drill drill(3);
    for (auto _ : run)
        drill.type(QStringLiteral("0 ++"));
}
BENCHMARK(BM_WrongAnswerCorrectedAndConfirmed)->Unit(benchmark::kMicrosecond);
} // namespace
