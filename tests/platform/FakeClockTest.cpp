#include "platform/QtPlatform.h"
#include "platform/fakes/FakeClock.h"

#include <QElapsedTimer>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct Fired {
    QString timer;
    qint64 at;
    bool operator==(const Fired&) const = default;
};

TEST(VirtualTimers, FireInTimeOrderAtTheirOwnMoments)
{
    FakeClock clock;
    QList<Fired> fired;
    auto fast = clock.createTimer();
    auto slow = clock.createTimer();
    fast->setInterval(100);
    slow->setInterval(250);
    fast->setHandler([&] { fired.append({"fast", clock.elapsedMilliseconds()}); });
    slow->setHandler([&] { fired.append({"slow", clock.elapsedMilliseconds()}); });
    fast->setEnabled(true);
    slow->setEnabled(true);

    clock.advance(500);

    const QList<Fired> expected = {{"fast", 100}, {"fast", 200}, {"slow", 250}, {"fast", 300},
                                   {"fast", 400}, {"fast", 500}, {"slow", 500}};
    EXPECT_EQ(fired, expected); // timers due together fire in the order they were made
    EXPECT_EQ(clock.elapsedMilliseconds(), 500);
}

TEST(VirtualTimers, OneShotStageSwitchesItselfOffAndRestartsOnNewInterval)
{
    FakeClock clock;
    int ticks = 0;
    auto stage = clock.createTimer();
    stage->setInterval(300);
    stage->setHandler([&] {
        ++ticks;
        stage->setEnabled(false);
    });
    stage->setEnabled(true);
    clock.advance(200);
    stage->setEnabled(true); // already on: the count goes on
    clock.advance(100);
    EXPECT_EQ(ticks, 1);
    clock.advance(1000);
    EXPECT_EQ(ticks, 1);

    stage->setEnabled(true);
    clock.advance(200);
    stage->setInterval(300); // a new interval restarts the count
    clock.advance(200);
    EXPECT_EQ(ticks, 1);
    clock.advance(100);
    EXPECT_EQ(ticks, 2);
}

TEST(VirtualTimers, HandlerThatLetsEventsRunDoesNotReenterItself)
{
    FakeClock clock;
    int depth = 0, deepest = 0, ticks = 0;
    auto timer = clock.createTimer();
    timer->setInterval(10);
    timer->setHandler([&] {
        ++ticks;
        deepest = std::max(deepest, ++depth);
        if (ticks == 1)
            clock.advance(100); // a wait inside the handler
        --depth;
    });
    timer->setEnabled(true);
    clock.advance(10);
    EXPECT_EQ(deepest, 1);
}

TEST(VirtualTimers, TimerMayBeDestroyedByItsOwnHandler)
{
    FakeClock clock;
    auto timer = clock.createTimer();
    timer->setInterval(50);
    timer->setHandler([&] { timer.reset(); });
    timer->setEnabled(true);
    clock.advance(200);
    EXPECT_EQ(timer, nullptr);
}

TEST(VirtualTimers, ClockAndTickCounterMoveTogether)
{
    FakeClock clock(QDateTime(QDate(2026, 12, 9), QTime(23, 59, 59, 500)));
    const std::uint32_t tick = clock.tickCount();
    clock.advance(1500);
    EXPECT_EQ(clock.tickCount() - tick, 1500u);
    EXPECT_EQ(clock.today(), QDate(2026, 12, 10));
    EXPECT_DOUBLE_EQ(clock.secondsSinceMidnight(), 1.0);
}

TEST(QtTimers, IntervalZeroNeverFiresAndEnabledTimerRepeats)
{
    QtTimerFactory factory;
    auto idle = factory.createTimer();
    auto busy = factory.createTimer();
    int idleTicks = 0, busyTicks = 0;
    idle->setHandler([&] { ++idleTicks; });
    busy->setHandler([&] { ++busyTicks; });
    idle->setEnabled(true);
    busy->setInterval(5);
    busy->setEnabled(true);
    QElapsedTimer waited;
    waited.start();
    while (busyTicks < 3 && waited.elapsed() < 5000)
        QTest::qWait(5);
    EXPECT_GE(busyTicks, 3);
    EXPECT_EQ(idleTicks, 0);
}
} // namespace

#include "platform/Waiting.h"
#include "platform/fakes/FakePlatform.h"

#include <QLineEdit>

namespace {
// A key typed while another computer holds a file reaches the screen only
// once the wait is over.
TEST(FileWait, LetsEventsRunForTheWholeWaitAlsoAcrossMidnightAndHoldsTheKeys)
{
    for (const QTime start : {QTime(10, 0), QTime(23, 59, 59, 500)}) {
        FakeClock clock(QDateTime(QDate(2026, 12, 9), start));
        FakeProgramControl program;
        ProgramHold hold;
        QLineEdit typing;
        program.onWait = [&](int milliseconds) {
            if (clock.elapsedMilliseconds() == 1000)
                QTest::keyClick(&typing, 'a');
            QCoreApplication::sendPostedEvents(&hold);
            clock.advance(milliseconds);
        };
        {
            FileWait wait(hold, clock, program);
            wait.wait(5);
            EXPECT_EQ(typing.text(), QString());
        }
        EXPECT_GE(clock.elapsedMilliseconds(), 5000);
        EXPECT_LT(clock.elapsedMilliseconds(), 5100);
        QCoreApplication::sendPostedEvents(&hold);
        EXPECT_EQ(typing.text(), QStringLiteral("a"));
    }
}
} // namespace
