#pragma once
#include <QDate>
#include <QDateTime>

#include <cstdint>

// The only source of time in the program.
class Clock {
public:
    virtual ~Clock() = default;

    // Local date and time.
    virtual QDateTime now() const = 0;
    // Millisecond tick counter; wraps around after 2^32 ms.
    virtual std::uint32_t tickCount() const = 0;

    QDate today() const { return now().date(); }
    double secondsSinceMidnight() const { return now().time().msecsSinceStartOfDay() / 1000.0; }
};
