#include "platform/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QBuffer>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QTimer>
#include <QtEndian>

namespace {
constexpr int kGuardMilliseconds = 2000;
// The latency asked of the sound server: short, so that a sound starts at
// once and its end is known soon; long enough that the sound does not break
// when the server takes it in bursts (with 100 ms it did now and then) or the
// program is busy for a moment.
constexpr qint64 kLatencyMicroseconds = 200'000;
constexpr qsizetype kRiffHeaderSize = 12;
constexpr quint16 kIntegerSamples = 1;
constexpr quint16 kFloatSamples = 3;
constexpr quint16 kExtensibleFormat = 0xFFFE;

quint16 little16(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint16>(bytes.constData() + at);
}

quint32 little32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

QAudioFormat::SampleFormat sampleFormat(quint16 encoding, int bitsPerSample)
{
    if (encoding == kIntegerSamples && bitsPerSample == 8)
        return QAudioFormat::UInt8;
    if (encoding == kIntegerSamples && bitsPerSample == 16)
        return QAudioFormat::Int16;
    if (encoding == kIntegerSamples && bitsPerSample == 32)
        return QAudioFormat::Int32;
    if (encoding == kFloatSamples && bitsPerSample == 32)
        return QAudioFormat::Float;
    return QAudioFormat::Unknown;
}

// The body of a "fmt " chunk; an invalid format when Qt cannot play it.
QAudioFormat audioFormat(const QByteArray& chunk)
{
    if (chunk.size() < 16)
        return {};
    quint16 encoding = little16(chunk, 0);
    // The extensible form names its encoding in the first two bytes of a GUID.
    if (encoding == kExtensibleFormat && chunk.size() >= 26)
        encoding = little16(chunk, 24);
    QAudioFormat format;
    format.setChannelCount(little16(chunk, 2));
    format.setSampleRate(int(little32(chunk, 4)));
    format.setSampleFormat(sampleFormat(encoding, little16(chunk, 14)));
    return format;
}

// Silence to follow a sound, as long as the stream's latency. PulseAudio
// holds about the latency asked for (the stream's buffer and the device's
// share) and drops it when the stream stops: once that much silence has
// followed the sound, the sound has been heard and only silence is dropped.
QByteArray trailingSilence(const QAudioFormat& format, qsizetype latencyBytes)
{
    const char zero = format.sampleFormat() == QAudioFormat::UInt8 ? char(0x80) : char(0);
    return QByteArray(latencyBytes - latencyBytes % format.bytesPerFrame(), zero);
}

QString outputFailure(QAudio::Error error, const QString& wavPath)
{
    const QString what = error == QAudio::OpenError ? QStringLiteral("the output device cannot be opened")
                                                    : QStringLiteral("the output device failed");
    return QStringLiteral("%1: %2").arg(what, wavPath);
}
} // namespace

int PcmWav::durationMilliseconds() const
{
    return int(format.durationForBytes(samples.size()) / 1000);
}

std::optional<PcmWav> readPcmWav(const QByteArray& bytes)
{
    if (bytes.size() < kRiffHeaderSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return {};
    QAudioFormat format;
    for (qsizetype at = kRiffHeaderSize; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const qsizetype size = little32(bytes, at + 4);
        const QByteArray body = bytes.mid(at + 8, size); // cut short where the file is
        if (id == "fmt ")
            format = audioFormat(body);
        if (id == "data") {
            if (!format.isValid())
                return {};
            return PcmWav{format, body.left(body.size() - body.size() % format.bytesPerFrame())};
        }
        at += 8 + size + (size & 1);
    }
    return {};
}

struct QtSoundPlayer::LoadedSound {
    PcmWav wav;
    QAudioDevice output;
    std::unique_ptr<QAudioSink> sink;

    QAudioSink& sinkOn(const QAudioDevice& device);
    SoundPlayResult playOn(const QAudioDevice& device, const QString& wavPath);
};

QAudioSink& QtSoundPlayer::LoadedSound::sinkOn(const QAudioDevice& device)
{
    if (!sink || device != output) {
        // Qt 6.4's PulseAudio sink runs pending events, keys among them, in its
        // destructor: delete it in the caller's event loop.
        if (sink)
            sink.release()->deleteLater();
        sink = std::make_unique<QAudioSink>(device, wav.format);
        output = device;
    }
    return *sink;
}

SoundPlayResult QtSoundPlayer::LoadedSound::playOn(const QAudioDevice& device, const QString& wavPath)
{
    QAudioSink& audio = sinkOn(device);
    // Asked at each start: the sink keeps what the server granted last time,
    // and asking for that would shrink the buffer play after play.
    audio.setBufferSize(wav.format.bytesForDuration(kLatencyMicroseconds));
    QByteArray stream = wav.samples + trailingSilence(wav.format, audio.bufferSize());
    QBuffer source(&stream);
    source.open(QIODevice::ReadOnly);

    SoundPlayResult result{false, QStringLiteral("timed out: the output device did not finish %1").arg(wavPath)};
    QEventLoop loop;
    const auto watch = QObject::connect(&audio, &QAudioSink::stateChanged, &loop, [&](QAudio::State state) {
        if (state == QAudio::IdleState && source.atEnd()) {
            result = {};
            loop.quit();
        } else if (state == QAudio::StoppedState) {
            result = {false, outputFailure(audio.error(), wavPath)};
            loop.quit();
        }
    });
    // Precise: a coarse timer may end the play a twentieth early.
    QTimer::singleShot(wav.durationMilliseconds() + kGuardMilliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
    audio.start(&source);
    if (audio.state() == QAudio::StoppedState)
        result = {false, outputFailure(audio.error(), wavPath)};
    else // every event runs, so that the hold around the play sees the keys and clicks
        loop.exec();
    QObject::disconnect(watch);
    audio.stop();
    return result;
}

QtSoundPlayer::QtSoundPlayer() = default;
QtSoundPlayer::~QtSoundPlayer() = default;

QtSoundPlayer::LoadedSound* QtSoundPlayer::load(const QString& wavPath, QString& error)
{
    if (const auto known = sounds_.find(wavPath); known != sounds_.end())
        return known->second.get();
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("file missing or unreadable: %1 (%2)").arg(wavPath, file.errorString());
        return nullptr;
    }
    std::optional<PcmWav> wav = readPcmWav(file.readAll());
    if (!wav) {
        error = QStringLiteral("not a PCM WAV file: %1").arg(wavPath);
        return nullptr;
    }
    auto& sound = sounds_[wavPath];
    sound = std::make_unique<LoadedSound>(LoadedSound{std::move(*wav), {}, {}});
    return sound.get();
}

SoundPlayResult QtSoundPlayer::playToEnd(const QString& wavPath)
{
    QString error;
    LoadedSound* sound = load(wavPath, error);
    if (!sound)
        return {false, error};
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull())
        return {false, QStringLiteral("no output device")};
    return sound->playOn(device, wavPath);
}
