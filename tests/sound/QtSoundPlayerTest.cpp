// The sound player without a sound device: reading WAV files and the plays
// that fail before any sound is made. tests/sound/SoundDeviceTest.cpp plays.
#include "platform/QtSoundPlayer.h"

#include "sound/WavBytes.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {
TEST(ReadPcmWav, ReadsTheFormatsQtPlays)
{
    const QByteArray oddListChunk = QByteArray("LIST") + QByteArray::fromHex("03000000") + "abc" + '\0';
    struct Case {
        const char* name;
        WavLayout layout;
        QByteArray samples;
        QAudioFormat::SampleFormat sampleFormat;
        int durationMilliseconds;
        QByteArray samplesRead;
    };
    const QByteArray half16BitSecond(22050, 'x');
    const Case cases[] = {
        {"16-bit mono", {}, half16BitSecond, QAudioFormat::Int16, 500, half16BitSecond},
        {"8-bit stereo", {.channels = 2, .sampleRate = 8000, .bitsPerSample = 8}, QByteArray(16000, 'x'),
         QAudioFormat::UInt8, 1000, QByteArray(16000, 'x')},
        {"32-bit integer", {.bitsPerSample = 32}, QByteArray(44100, 'x'), QAudioFormat::Int32, 500,
         QByteArray(44100, 'x')},
        {"32-bit float", {.encoding = 3, .sampleRate = 44100, .bitsPerSample = 32}, QByteArray(44100, 'x'),
         QAudioFormat::Float, 250, QByteArray(44100, 'x')},
        {"extensible float", {.encoding = 0xFFFE, .extensibleEncoding = 3, .bitsPerSample = 32},
         QByteArray(88200, 'x'), QAudioFormat::Float, 1000, QByteArray(88200, 'x')},
        {"odd-sized chunk before the data", {.chunksBeforeData = oddListChunk}, half16BitSecond,
         QAudioFormat::Int16, 500, half16BitSecond},
        {"data cut short in a frame", {.declaredDataSize = 100000}, QByteArray(4411, 'x'), QAudioFormat::Int16, 100,
         QByteArray(4410, 'x')},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::optional<PcmWav> wav = readPcmWav(wavBytes(c.layout, c.samples));
        ASSERT_TRUE(wav.has_value());
        EXPECT_EQ(wav->format.sampleFormat(), c.sampleFormat);
        EXPECT_EQ(wav->format.channelCount(), c.layout.channels);
        EXPECT_EQ(wav->format.sampleRate(), int(c.layout.sampleRate));
        EXPECT_EQ(wav->durationMilliseconds(), c.durationMilliseconds);
        EXPECT_EQ(wav->samples, c.samplesRead);
    }
}

TEST(ReadPcmWav, RefusesWhatQtCannotPlay)
{
    const QByteArray samples(4410, 'x');
    QByteArray dataBeforeFormat = wavBytes({}, samples);
    dataBeforeFormat.replace("fmt ", "junk");
    const struct {
        const char* name;
        QByteArray bytes;
    } cases[] = {
        {"24-bit samples", wavBytes({.bitsPerSample = 24}, samples)},
        {"compressed samples", wavBytes({.encoding = 2}, samples)},
        {"extensible compressed", wavBytes({.encoding = 0xFFFE, .extensibleEncoding = 2}, samples)},
        {"no format before the data", dataBeforeFormat},
        {"no data", wavBytes({}, samples).left(36)},
        {"not RIFF", "not a sound"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(readPcmWav(c.bytes).has_value());
    }
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
