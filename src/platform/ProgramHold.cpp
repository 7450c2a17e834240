#include "platform/ProgramHold.h"

#include <QCoreApplication>
#include <QEvent>

namespace {
bool isKeyOrClick(QEvent::Type type)
{
    switch (type) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::InputMethod:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::MouseMove:
    case QEvent::Wheel:
        return true;
    default:
        return false;
    }
}

// A timer whose firing goes through the hold.
class HeldTimer final : public Timer {
public:
    HeldTimer(ProgramHold& hold, std::unique_ptr<Timer> timer) : timer_(std::move(timer))
    {
        timer_->setHandler([&hold, firing = firing_] { hold.timerDue(firing); });
    }
    void setInterval(int milliseconds) override
    {
        timer_->setInterval(milliseconds);
        restarted();
    }
    int interval() const override { return timer_->interval(); }
    void setEnabled(bool enabled) override
    {
        if (enabled == timer_->isEnabled())
            return;
        timer_->setEnabled(enabled);
        restarted();
    }
    bool isEnabled() const override { return timer_->isEnabled(); }
    void setHandler(std::function<void()> handler) override { firing_->handler = std::move(handler); }

private:
    // Switched off or counting afresh: what fell due before is forgotten.
    void restarted() { firing_->pending = false; }

    std::shared_ptr<ProgramHold::TimerFiring> firing_ = std::make_shared<ProgramHold::TimerFiring>();
    std::unique_ptr<Timer> timer_;
};

} // namespace

ProgramHold::ProgramHold()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->installEventFilter(this);
}

ProgramHold::~ProgramHold()
{
    if (QCoreApplication* application = QCoreApplication::instance())
        application->removeEventFilter(this);
}

void ProgramHold::begin() { ++holds_; }

void ProgramHold::end()
{
    if (--holds_ == 0 && (!heldInput_.empty() || !heldTimers_.empty()))
        catchUpSoon();
}

void ProgramHold::timerDue(const std::shared_ptr<TimerFiring>& firing)
{
    if (holding()) {
        if (!firing->pending) {
            firing->pending = true;
            heldTimers_.push_back(firing);
        }
        return;
    }
    fire(firing);
}

void ProgramHold::fire(const std::shared_ptr<TimerFiring>& firing)
{
    const std::shared_ptr<TimerFiring> keep = firing; // the handler may destroy its timer
    keep->pending = false;
    if (keep->running || !keep->handler)
        return;
    keep->running = true;
    keep->handler();
    keep->running = false;
}

bool ProgramHold::eventFilter(QObject* receiver, QEvent* event)
{
    if (!holding() || !isKeyOrClick(event->type()))
        return false;
    heldInput_.push_back({receiver, std::unique_ptr<QEvent>(event->clone())});
    return true;
}

// Posted, so that it runs once control is back in an event loop: after the
// handler that took the hold, or where it lets pending events run.
void ProgramHold::catchUpSoon()
{
    if (catchUpPosted_)
        return;
    catchUpPosted_ = true;
    QMetaObject::invokeMethod(this, [this] { catchUp(); }, Qt::QueuedConnection);
}

void ProgramHold::catchUp()
{
    catchUpPosted_ = false;
    // A hold that starts meanwhile holds the rest; its end posts again.
    while (!holding() && !heldInput_.empty()) {
        HeldInput held = std::move(heldInput_.front());
        heldInput_.pop_front();
        if (held.receiver)
            QCoreApplication::sendEvent(held.receiver, held.event.get());
    }
    while (!holding() && !heldTimers_.empty()) {
        const std::shared_ptr<TimerFiring> firing = heldTimers_.front().lock();
        heldTimers_.pop_front();
        if (firing && firing->pending)
            fire(firing);
    }
}

std::unique_ptr<Timer> HoldingTimerFactory::createTimer()
{
    return std::make_unique<HeldTimer>(hold_, timers_.createTimer());
}

SoundPlayResult HoldingSoundPlayer::playToEnd(const QString& wavPath)
{
    const ProgramHold::Scope play(hold_);
    return player_.playToEnd(wavPath);
}
