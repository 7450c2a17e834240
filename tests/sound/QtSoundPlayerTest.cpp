#include "platform/QtSoundPlayer.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

namespace {
QByteArray pcmWav(int sampleRate, int samples)
{
    QByteArray bytes;
    const auto put32 = [&](quint32 value) { bytes.append(reinterpret_cast<const char*>(&value), 4); };
    const auto put16 = [&](quint16 value) { bytes.append(reinterpret_cast<const char*>(&value), 2); };
    bytes += "RIFF";
    put32(36 + samples * 2);
    bytes += "WAVEfmt ";
    put32(16);
    put16(1);
    put16(1);
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    bytes += "data";
    put32(samples * 2);
    bytes += QByteArray(samples * 2, '\0');
    return bytes;
}

TEST(WavDuration, ReadsTheLengthFromTheHeader)
{
    EXPECT_EQ(wavDurationMilliseconds(pcmWav(22050, 11025)), 500);
    EXPECT_EQ(wavDurationMilliseconds("not a sound"), -1);
}

TEST(QtSoundPlayer, MissingOrBrokenFileFailsWithWhatWentWrong)
{
    QTemporaryDir folder;
    QtSoundPlayer player;
    const SoundPlayResult missing = player.playToEnd(folder.filePath("seikai1.wav"));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.errorText.startsWith("file missing or unreadable")) << missing.errorText.toStdString();

    QFile broken(folder.filePath("broken.wav"));
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("RIFF....junk");
    broken.close();
    const SoundPlayResult notWav = player.playToEnd(broken.fileName());
    EXPECT_FALSE(notWav.ok);
    EXPECT_TRUE(notWav.errorText.startsWith("not a PCM WAV file")) << notWav.errorText.toStdString();
}
} // namespace
