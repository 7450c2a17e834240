#pragma once
// While a sound plays, the whole program holds still, as the children's
// computers always did while a sound was playing: no timer of the context
// fires and no key or click reaches a screen. It holds still in the same way
// while it waits for a file that another computer holds, so that nothing
// changes or closes the screen that is waiting. Once the hold is over and
// the handler that took it has handed control back to the event loop, the
// held keys and clicks come first, in their order, and then each timer that
// fell due meanwhile fires once (not once per interval missed). So no
// handler of a screen ever runs inside another because of a sound or a wait.

#include "platform/SoundPlayer.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class ProgramHold final : public QObject {
public:
    // What a timer leaves with the hold when it falls due during a hold.
    struct TimerFiring {
        std::function<void()> handler;
        bool pending = false; // fell due during a hold and has not fired since
        bool running = false; // like any timer, it does not fire inside its own handler
    };

    // Holds the application's keys and clicks (none when there is no application yet).
    ProgramHold();
    ~ProgramHold() override;

    bool holding() const { return holds_ > 0; }

    // Holds the program still for as long as it lives; holds may nest.
    class Scope {
    public:
        explicit Scope(ProgramHold& hold) : hold_(hold) { hold_.begin(); }
        ~Scope() { hold_.end(); }
        Scope(const Scope&) = delete;
        Scope& operator=(const Scope&) = delete;

    private:
        ProgramHold& hold_;
    };

    // A timer fell due: fires it now, or once after the hold. The timer owns
    // its firing; one that is gone by then fires no more.
    void timerDue(const std::shared_ptr<TimerFiring>& firing);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    struct HeldInput {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    void begin();
    void end();
    static void fire(const std::shared_ptr<TimerFiring>& firing);
    void catchUpSoon();
    void catchUp();

    int holds_ = 0;
    bool catchUpPosted_ = false;
    std::deque<HeldInput> heldInput_;
    std::deque<std::weak_ptr<TimerFiring>> heldTimers_;
};

// The timers of a factory, each held while the program holds still.
class HoldingTimerFactory final : public TimerFactory {
public:
    HoldingTimerFactory(ProgramHold& hold, TimerFactory& timers) : hold_(hold), timers_(timers) {}
    std::unique_ptr<Timer> createTimer() override;

private:
    ProgramHold& hold_;
    TimerFactory& timers_;
};

// A sound player whose every play holds the program still.
class HoldingSoundPlayer final : public SoundPlayer {
public:
    HoldingSoundPlayer(ProgramHold& hold, SoundPlayer& player) : hold_(hold), player_(player) {}
    SoundPlayResult playToEnd(const QString& wavPath) override;

private:
    ProgramHold& hold_;
    SoundPlayer& player_;
};
