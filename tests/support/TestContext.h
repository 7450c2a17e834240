#pragma once
// A context of fakes for screen and rule tests.

#include "foundation/AppContext.h"
#include "platform/fakes/FakeClock.h"
#include "platform/fakes/FakeFileSystem.h"
#include "platform/fakes/FakePlatform.h"
#include "platform/fakes/FakeSoundPlayer.h"

#include <memory>

struct TestContext {
    // The clock outlives the screens (and their timers) in the navigator.
    FakeClock clock;
    FakeRandomSource random;
    FakeFileSystem files;
    FakeDialogs dialogs;
    FakeProgramControl program;
    FakeSoundPlayer sound;
    Navigator navigator;
    std::unique_ptr<SharedState> statePointer = std::make_unique<SharedState>();
    SharedState& state = *statePointer;
    AppContext context{state, clock, clock, random, files, dialogs, program, navigator, sound};

    // Letting events run takes 10 ms of virtual time; a wait takes its time.
    TestContext()
    {
        program.onProcessEvents = [this] { clock.advance(10); };
        program.onWait = [this](int milliseconds) { clock.advance(milliseconds); };
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
