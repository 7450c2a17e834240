#pragma once
#include "platform/SoundPlayer.h"

// Plays through Qt Multimedia. A play ends by itself: a device that never
// reports the end (as with no audio output) fails after the file's length
// and two seconds more.
class QtSoundPlayer final : public SoundPlayer {
public:
    SoundPlayResult playToEnd(const QString& wavPath) override;
};

// The playing time of a PCM WAV file in milliseconds; -1 when the bytes are
// not such a file.
int wavDurationMilliseconds(const QByteArray& bytes);
