#include "platform/fakes/FakeClock.h"

#include <algorithm>

class FakeTimer final : public Timer {
public:
    explicit FakeTimer(FakeClock& clock) : clock_(&clock) { clock.timers_.push_back(this); }
    ~FakeTimer() override
    {
        *alive_ = false;
        if (clock_)
            std::erase(clock_->timers_, this);
    }

    void setInterval(int milliseconds) override
    {
        interval_ = milliseconds;
        restart();
    }
    int interval() const override { return interval_; }
    void setEnabled(bool enabled) override
    {
        if (enabled == enabled_)
            return;
        enabled_ = enabled;
        restart();
    }
    bool isEnabled() const override { return enabled_; }
    void setHandler(std::function<void()> handler) override { handler_ = std::move(handler); }

    bool armed() const { return enabled_ && interval_ > 0 && !running_; }
    qint64 due() const { return due_; }

    void fire()
    {
        due_ += interval_;
        if (!handler_)
            return;
        // Like a real timer, this one does not fire again inside its own
        // handler; the handler may also destroy it.
        const auto alive = alive_;
        const auto handler = handler_;
        running_ = true;
        handler();
        if (*alive)
            running_ = false;
    }

    void detach() { clock_ = nullptr; }

private:
    void restart()
    {
        if (clock_)
            due_ = clock_->elapsed_ + interval_;
    }

    FakeClock* clock_;
    int interval_ = 0;
    bool enabled_ = false;
    bool running_ = false;
    qint64 due_ = 0;
    std::function<void()> handler_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

FakeClock::FakeClock(QDateTime start) : start_(std::move(start)) {}

FakeClock::~FakeClock()
{
    for (FakeTimer* timer : timers_)
        timer->detach();
}

QDateTime FakeClock::now() const { return start_.addMSecs(elapsed_); }

std::uint32_t FakeClock::tickCount() const
{
    return startTick_ + static_cast<std::uint32_t>(elapsed_);
}

std::unique_ptr<Timer> FakeClock::createTimer() { return std::make_unique<FakeTimer>(*this); }

FakeTimer* FakeClock::nextDueBy(qint64 limit) const
{
    FakeTimer* next = nullptr;
    for (FakeTimer* timer : timers_)
        if (timer->armed() && timer->due() <= limit && (!next || timer->due() < next->due()))
            next = timer;
    return next;
}

void FakeClock::advance(qint64 milliseconds)
{
    const qint64 target = elapsed_ + milliseconds;
    while (FakeTimer* timer = nextDueBy(target)) {
        elapsed_ = std::max(elapsed_, timer->due());
        timer->fire(); // may create, destroy or re-arm timers, or advance time itself
    }
    elapsed_ = std::max(elapsed_, target);
}
