#include "platform/QtPlatform.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <unistd.h>

QDateTime SystemClock::now() const { return QDateTime::currentDateTime(); }

std::uint32_t SystemClock::tickCount() const
{
    const auto sinceStart = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::milliseconds>(sinceStart).count());
}

namespace {
class QtTimer final : public Timer {
public:
    QtTimer()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (handler_)
                handler_();
        });
    }
    void setInterval(int milliseconds) override
    {
        timer_.setInterval(milliseconds);
        applyState();
    }
    int interval() const override { return timer_.interval(); }
    void setEnabled(bool enabled) override
    {
        if (enabled == enabled_)
            return;
        enabled_ = enabled;
        applyState();
    }
    bool isEnabled() const override { return enabled_; }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

private:
    // QTimer fires continuously at interval 0; these timers never do.
    void applyState()
    {
        if (enabled_ && timer_.interval() > 0)
            timer_.start();
        else
            timer_.stop();
    }

    QTimer timer_;
    bool enabled_ = false;
    std::function<void()> handler_;
};
} // namespace

std::unique_ptr<Timer> QtTimerFactory::createTimer() { return std::make_unique<QtTimer>(); }

void StdRandomSource::seed(double secondsSinceMidnight)
{
    std::uint64_t bits = 0;
    static_assert(sizeof bits == sizeof secondsSinceMidnight);
    std::memcpy(&bits, &secondsSinceMidnight, sizeof bits);
    engine_.seed(bits);
}

double StdRandomSource::next() { return uniform_(engine_); }

void QtDialogs::showMessage(const QString& text, const QString& title)
{
    QMessageBox::information(nullptr, title, text);
}

bool QtDialogs::askYesNo(const QString& text, const QString& title)
{
    return QMessageBox::question(nullptr, title, text, QMessageBox::Yes | QMessageBox::No) ==
           QMessageBox::Yes;
}

bool QtDialogs::askOkCancel(const QString& text, const QString& title)
{
    return QMessageBox::question(nullptr, title, text, QMessageBox::Ok | QMessageBox::Cancel) ==
           QMessageBox::Ok;
}

QString QtProgramControl::programFolderPath() const { return QCoreApplication::applicationDirPath(); }

void QtProgramControl::processPendingEvents() { QCoreApplication::processEvents(); }

void QtProgramControl::letEventsRunFor(int milliseconds)
{
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    loop.exec();
}

void QtProgramControl::endProcess(int exitStatus)
{
    // Every record is on disk before it is reported written, so nothing is
    // left to save: end at once, as the child expects.
    std::fflush(nullptr);
    ::_exit(exitStatus);
}

QString QtProgramControl::startDetached(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.setProgram(program);
    process.setArguments(arguments);
    return process.startDetached() ? QString() : process.errorString();
}
