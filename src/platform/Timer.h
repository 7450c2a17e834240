#pragma once
#include <functional>
#include <memory>

// A repeating timer: while enabled, its handler runs every interval
// milliseconds. An interval of 0 never fires. Enabling an enabled timer
// does not restart it; a new interval restarts the count.
class Timer {
public:
    virtual ~Timer() = default;
    virtual void setInterval(int milliseconds) = 0;
    virtual int interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;
    virtual void setHandler(std::function<void()> handler) = 0;
};

class TimerFactory {
public:
    virtual ~TimerFactory() = default;
    virtual std::unique_ptr<Timer> createTimer() = 0;
};
