#pragma once
// While a sound plays, the whole program holds still, as the children's
// computers always did while a sound was playing: no timer of the context
// fires and no key or click reaches a screen. Once the play is over and the
// handler that played it has handed control back to the event loop, the held
// keys and clicks come first, in their order, and then each timer that fell
// due meanwhile fires once (not once per interval missed). So no handler of
// a screen ever runs inside another because a sound was playing.

#include "platform/SoundPlayer.h"
#include "platform/Timer.h"

#include <QObject>
#include <QPointer>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

class PlaybackHold final : public QObject {
public:
    // What a timer leaves with the hold when it falls due during a play.
    struct TimerFiring {
        std::function<void()> handler;
        bool pending = false; // fell due during a play and has not fired since
        bool running = false; // like any timer, it does not fire inside its own handler
    };

    // Holds the application's keys and clicks (none when there is no application yet).
    PlaybackHold();
    ~PlaybackHold() override;

    bool holding() const { return playing_ > 0; }

    // Marks the length of one play; plays may nest.
    void beginPlay();
    void endPlay();

    // A timer fell due: fires it now, or once after the play. The timer owns
    // its firing; one that is gone by then fires no more.
    void timerDue(const std::shared_ptr<TimerFiring>& firing);

protected:
    bool eventFilter(QObject* receiver, QEvent* event) override;

private:
    struct HeldInput {
        QPointer<QObject> receiver;
        std::unique_ptr<QEvent> event;
    };

    static void fire(const std::shared_ptr<TimerFiring>& firing);
    void catchUpSoon();
    void catchUp();

    int playing_ = 0;
    bool catchUpPosted_ = false;
    std::deque<HeldInput> heldInput_;
    std::deque<std::weak_ptr<TimerFiring>> heldTimers_;
};

// The timers of a factory, each held while a sound plays.
class HoldingTimerFactory final : public TimerFactory {
public:
    HoldingTimerFactory(PlaybackHold& hold, TimerFactory& timers) : hold_(hold), timers_(timers) {}
    std::unique_ptr<Timer> createTimer() override;

private:
    PlaybackHold& hold_;
    TimerFactory& timers_;
};

// A sound player whose every play holds the program still.
class HoldingSoundPlayer final : public SoundPlayer {
public:
    HoldingSoundPlayer(PlaybackHold& hold, SoundPlayer& player) : hold_(hold), player_(player) {}
    SoundPlayResult playToEnd(const QString& wavPath) override;

private:
    PlaybackHold& hold_;
    SoundPlayer& player_;
};
