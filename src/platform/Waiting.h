#pragma once
#include "platform/Clock.h"
#include "platform/ProgramControl.h"
#include "platform/ProgramHold.h"

// A wait for a file that another computer holds (or that a dropped share
// hides for a moment). Window events run, so the screens are painted, but
// the program holds still for as long as the wait lives: no key, click or
// timer of a screen acts until the file is done with, so nothing changes
// or closes the screen that waits. The pointer shows that it is busy.
class FileWait {
public:
    FileWait(ProgramHold& hold, const Clock& clock, ProgramControl& program);
    ~FileWait();
    FileWait(const FileWait&) = delete;
    FileWait& operator=(const FileWait&) = delete;

    // Waits the given seconds by the seconds-since-midnight clock. A wait
    // that crosses midnight ends on time.
    void wait(double seconds);

private:
    ProgramHold::Scope hold_;
    const Clock& clock_;
    ProgramControl& program_;
};
