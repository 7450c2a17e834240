#pragma once
// Everything a screen works with: the shared state and the platform's
// services. Each screen gets it in its constructor; tests build it from fakes.

#include "foundation/SharedState.h"
#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/FileSystem.h"
#include "platform/Navigator.h"
#include "platform/Printing.h"
#include "platform/ProgramHold.h"
#include "platform/ProgramControl.h"
#include "platform/RandomSource.h"
#include "platform/SoundPlayer.h"
#include "platform/Timer.h"

struct AppContext {
    SharedState& state;
    Clock& clock;
    TimerFactory& timers;
    RandomSource& random;
    FileSystem& files;
    Dialogs& dialogs;
    ProgramControl& program;
    Navigator& navigator;
    SoundPlayer& sound;
    Printing& printing;
    ProgramHold& hold; // holds the program still while a sound plays or another computer holds a file
};
