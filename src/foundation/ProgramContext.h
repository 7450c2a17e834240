#pragma once
// The context of a real run of the program: the real adapters and one
// shared state. The program, the tools and the multi-process tests use it.

#include "foundation/AppContext.h"
#include "platform/ProgramHold.h"
#include "platform/PosixFileSystem.h"
#include "platform/QtPlatform.h"
#include "platform/QtPrinting.h"
#include "platform/QtSoundPlayer.h"

#include <memory>

class ProgramContext {
public:
    // A command-line tool passes dialogs of its own (no windows to show them in).
    explicit ProgramContext(Dialogs* dialogs = nullptr) : dialogs_(dialogs ? *dialogs : windowDialogs_) {}
    ProgramContext(const ProgramContext&) = delete;
    ProgramContext& operator=(const ProgramContext&) = delete;

    AppContext& context() { return context_; }
    SharedState& state() { return *state_; }

private:
    SystemClock clock_;
    ProgramHold hold_;
    QtTimerFactory qtTimers_;
    HoldingTimerFactory timers_{hold_, qtTimers_};
    StdRandomSource random_;
    PosixFileSystem files_;
    QtDialogs windowDialogs_;
    Dialogs& dialogs_;
    QtProgramControl program_;
    Navigator navigator_;
    QtSoundPlayer qtSound_;
    HoldingSoundPlayer sound_{hold_, qtSound_};
    QtPrinting printing_;
    std::unique_ptr<SharedState> state_ = std::make_unique<SharedState>();
    AppContext context_{*state_, clock_, timers_, random_, files_, dialogs_, program_, navigator_, sound_, printing_, hold_};
};
