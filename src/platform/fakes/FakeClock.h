#pragma once
#include "platform/Clock.h"
#include "platform/Timer.h"

#include <vector>

class FakeTimer;

// Virtual time for tests. Time stands still until advance() moves it; the
// timers made here then fire in the order they fall due (timers due
// together in the order they were made), each at its own moment.
class FakeClock final : public Clock, public TimerFactory {
public:
    explicit FakeClock(QDateTime start = QDateTime(QDate(2026, 12, 9), QTime(10, 0)));
    ~FakeClock() override;

    QDateTime now() const override;
    std::uint32_t tickCount() const override;
    std::unique_ptr<Timer> createTimer() override;

    void advance(qint64 milliseconds);
    qint64 elapsedMilliseconds() const { return elapsed_; }

private:
    friend class FakeTimer;
    FakeTimer* nextDueBy(qint64 limit) const;

    QDateTime start_;
    qint64 elapsed_ = 0;
    std::uint32_t startTick_ = 5'000'000;
    std::vector<FakeTimer*> timers_;
};
