#pragma once
#include "platform/SoundPlayer.h"

#include <QAudioFormat>
#include <QByteArray>

#include <map>
#include <memory>
#include <optional>

// The samples of a WAV file and their format.
struct PcmWav {
    QAudioFormat format;
    QByteArray samples;
    int durationMilliseconds() const;
};

// Reads a RIFF/WAVE file of 8, 16 or 32-bit integer or 32-bit float samples;
// nothing when the bytes are not such a file.
std::optional<PcmWav> readPcmWav(const QByteArray& bytes);

// Plays through a Qt Multimedia audio sink, asking the sound server for a
// short latency so that a sound starts at once. Each file is read once and
// keeps its sink for the plays to come. A play ends by itself: a device that
// never takes the whole sound fails after the file's length and two seconds
// more.
class QtSoundPlayer final : public SoundPlayer {
public:
    QtSoundPlayer();
    ~QtSoundPlayer() override;
    SoundPlayResult playToEnd(const QString& wavPath) override;

private:
    struct LoadedSound;
    LoadedSound* load(const QString& wavPath, QString& error);

    std::map<QString, std::unique_ptr<LoadedSound>> sounds_;
};
