#pragma once
// The real adapters: system clock, Qt timers and dialogs, the process.

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/ProgramControl.h"
#include "platform/RandomSource.h"
#include "platform/Timer.h"

#include <random>

class SystemClock final : public Clock {
public:
    QDateTime now() const override;
    std::uint32_t tickCount() const override;
};

class QtTimerFactory final : public TimerFactory {
public:
    std::unique_ptr<Timer> createTimer() override;
};

class StdRandomSource final : public RandomSource {
public:
    void seed(double secondsSinceMidnight) override;
    double next() override;

private:
    std::mt19937_64 engine_;
    std::uniform_real_distribution<double> uniform_{0.0, 1.0};
};

class QtDialogs final : public Dialogs {
public:
    void showMessage(const QString& text, const QString& title) override;
    bool askYesNo(const QString& text, const QString& title) override;
    bool askOkCancel(const QString& text, const QString& title) override;
};

class QtProgramControl final : public ProgramControl {
public:
    QString programFolderPath() const override;
    void processPendingEvents() override;
    void letEventsRunFor(int milliseconds) override;
    QString startDetached(const QString& program, const QStringList& arguments) override;

protected:
    void endProcess(int exitStatus) override;
};
