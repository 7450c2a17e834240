#pragma once
#include <QString>

struct SoundPlayResult {
    bool ok = true;
    QString errorText; // what failed: no output device, file missing or unreadable, timed out
};

// Plays WAV files, one at a time, each to its end.
class SoundPlayer {
public:
    virtual ~SoundPlayer() = default;
    // Returns once the sound has ended. Events run meanwhile; the context's
    // player holds the program still around each play (ProgramHold.h).
    virtual SoundPlayResult playToEnd(const QString& wavPath) = 0;
};
