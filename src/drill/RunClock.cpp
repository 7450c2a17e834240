#include "drill/RunClock.h"

#include <algorithm>
#include <cmath>

namespace {
constexpr int kSegments = 10;
constexpr int kSecondsPerDay = 86400;
} // namespace

int elapsedRunSeconds(std::uint32_t startTick, std::uint32_t nowTick)
{
    const std::uint32_t milliseconds = nowTick - startTick; // modulo 2^32: the wrap is harmless
    return roundHalfEven(milliseconds / 1000.0);
}

int wholeMinutesSince(int loginTime, double secondsNow)
{
    int seconds = static_cast<int>(std::floor(secondsNow)) - loginTime;
    // The sign-in time is rounded to the nearest second, so for half a
    // second after signing in it may lie one second ahead of now.
    if (seconds == -1)
        return 0;
    if (seconds < 0)
        seconds += kSecondsPerDay; // signed in before midnight
    return seconds / 60;
}

int segmentsHiddenBefore(int elapsed, int time)
{
    if (time < elapsed)
        return 0;
    return std::clamp(elapsed - time + kSegments, 0, kSegments);
}

int segmentHiddenBeforeMinimum(int elapsed, int minimumTime)
{
    const int before = minimumTime - elapsed;
    return before >= 0 && before < kSegments ? kSegments - 1 - before : -1;
}
