#include "platform/QtSoundPlayer.h"

#include <QAudioDevice>
#include <QEventLoop>
#include <QFile>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

namespace {
constexpr int kGuardMilliseconds = 2000;
constexpr qsizetype kWavHeaderSize = 12;

quint32 little32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}
} // namespace

int wavDurationMilliseconds(const QByteArray& bytes)
{
    if (bytes.size() < kWavHeaderSize || !bytes.startsWith("RIFF") || bytes.mid(8, 4) != "WAVE")
        return -1;
    quint32 byteRate = 0;
    // Walk the chunks: "fmt " gives the byte rate, "data" the length.
    for (qsizetype at = kWavHeaderSize; at + 8 <= bytes.size();) {
        const QByteArray id = bytes.mid(at, 4);
        const quint32 size = little32(bytes, at + 4);
        if (id == "fmt " && at + 20 <= bytes.size())
            byteRate = little32(bytes, at + 16);
        if (id == "data")
            return byteRate == 0 ? -1 : static_cast<int>(qint64(size) * 1000 / byteRate);
        at += 8 + size + (size & 1);
    }
    return -1;
}

SoundPlayResult QtSoundPlayer::playToEnd(const QString& wavPath)
{
    QFile file(wavPath);
    if (!file.open(QIODevice::ReadOnly))
        return {false, QStringLiteral("file missing or unreadable: %1 (%2)").arg(wavPath, file.errorString())};
    const int duration = wavDurationMilliseconds(file.read(4096));
    if (duration < 0)
        return {false, QStringLiteral("not a PCM WAV file: %1").arg(wavPath)};
    if (QMediaDevices::defaultAudioOutput().isNull())
        return {false, QStringLiteral("no output device")};

    QSoundEffect effect;
    QEventLoop loop;
    SoundPlayResult result{false, QStringLiteral("timed out: the output device did not finish %1").arg(wavPath)};
    bool started = false;
    QObject::connect(&effect, &QSoundEffect::statusChanged, &loop, [&] {
        if (effect.status() == QSoundEffect::Error) {
            result = {false, QStringLiteral("cannot be played: %1").arg(wavPath)};
            loop.quit();
        }
    });
    QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (effect.isPlaying()) {
            started = true;
        } else if (started) {
            result = {};
            loop.quit();
        }
    });
    QTimer::singleShot(duration + kGuardMilliseconds, &loop, &QEventLoop::quit);
    effect.setSource(QUrl::fromLocalFile(wavPath));
    effect.play();
    // Keys and clicks wait until the sound has ended, as the children expect.
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    effect.stop();
    return result;
}
