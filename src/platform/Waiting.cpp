#include "platform/Waiting.h"

namespace {
constexpr double kSecondsPerDay = 86400.0;
constexpr int kWaitSliceMilliseconds = 20;
} // namespace

void waitLettingEventsRun(const Clock& clock, ProgramControl& program, double seconds)
{
    const double start = clock.secondsSinceMidnight();
    for (;;) {
        double passed = clock.secondsSinceMidnight() - start;
        if (passed < 0)
            passed += kSecondsPerDay;
        if (passed >= seconds)
            return;
        program.letEventsRunFor(kWaitSliceMilliseconds);
    }
}
