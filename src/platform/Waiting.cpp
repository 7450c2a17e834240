#include "platform/Waiting.h"

#include <QCursor>
#include <QGuiApplication>

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr int kWaitSliceMilliseconds = 20;

bool hasWindows() { return qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr; }
} // namespace

FileWait::FileWait(ProgramHold& hold, const Clock& clock, ProgramControl& program)
    : hold_(hold), clock_(clock), program_(program)
{
    if (hasWindows())
        QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

FileWait::~FileWait()
{
    if (hasWindows())
        QGuiApplication::restoreOverrideCursor();
}

void FileWait::wait(double seconds)
{
    const double start = clock_.secondsSinceMidnight();
    for (;;) {
        double passed = clock_.secondsSinceMidnight() - start;
        if (passed < 0)
            passed += kSecondsPerDay;
        if (passed >= seconds)
            return;
        program_.letEventsRunFor(kWaitSliceMilliseconds);
    }
}
