#pragma once
// A context of fakes for screen and rule tests.

#include "foundation/AppContext.h"
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeFileSystem.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/fakes/FakePrinting.h"
#include "platform/fakes/FakeSoundPlayer.h"
#include "platform/ProgramHold.h"

#include <QCoreApplication>

#include <functional>
#include <memory>

struct TestContext {
    // The clock and the hold outlive the screens (and their timers) in the navigator.
    FakeClock clock;
    ProgramHold hold;
    HoldingTimerFactory timers{hold, clock};
    FakeRandomSource random;
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeProgramControl program;
    FakeSoundPlayer sound; // plays at once unless soundsTake() says otherwise
    HoldingSoundPlayer holdingSound{hold, sound};
    FakePrinting printing;
    Navigator navigator;
    std::unique_ptr<SharedState> statePointer = std::make_unique<SharedState>();
    SharedState& state = *statePointer;
    AppContext context{state, clock, timers, random, files, dialogs, program, navigator, holdingSound, printing, hold};

    // Letting events run takes 10 ms of virtual time; a wait takes its time.
    TestContext()
    {
        program.onProcessEvents = [this] { letEventsRun(10); };
        program.onWait = [this](int milliseconds) { letEventsRun(milliseconds); };
    }

    // What the event loop does once a handler has returned: it delivers the
    // keys and clicks held back during a sound, then the timers held back.
    void returnToEventLoop() { QCoreApplication::sendPostedEvents(&hold); }
    void letEventsRun(int milliseconds)
    {
        returnToEventLoop();
        clock.advance(milliseconds);
    }

    // Every play lasts `milliseconds` of virtual time, spinning the event
    // loop in 10 ms steps as the real player does; `meanwhile` runs after
    // each step with the time played so far (a key pressed during the sound).
    using DuringPlay = std::function<void(const QString& wavPath, int playedMilliseconds)>;
    void soundsTake(int milliseconds, DuringPlay meanwhile = {})
    {
        sound.whilePlaying = [this, milliseconds, meanwhile](const QString& wavPath) {
            for (int played = 10; played <= milliseconds; played += 10) {
                letEventsRun(10);
                if (meanwhile)
                    meanwhile(wavPath, played);
            }
        };
    }
};

// A screen that only counts its activations.
class RecordingScreen final : public Screen {
public:
    explicit RecordingScreen(int* activations = nullptr) : activations_(activations) {}
    void activate() override
    {
        if (activations_)
            ++*activations_;
    }

private:
    int* activations_;
};
