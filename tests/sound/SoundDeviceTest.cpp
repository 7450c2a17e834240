// The sound player against a real sound server. null_sink_test.sh starts a
// PulseAudio server with a null sink named "null" and runs this program; the
// sink's monitor lets the tests hear what was played.
#include "platform/ProgramHold.h"
#include "platform/QtPlatform.h"
#include "platform/QtSoundPlayer.h"

#include "sound/WavBytes.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <cstdlib>
#include <iostream>

namespace {
constexpr int kSampleRate = 22050;
constexpr int kGuardMilliseconds = 2000;
// A play takes the sound's length and at most this much more: the start of
// the stream and the silence that follows the sound.
constexpr int kPlayMarginMilliseconds = 600;

QString writeToneFile(const QTemporaryDir& folder, int milliseconds)
{
    const QString path = folder.filePath(QStringLiteral("tone%1.wav").arg(milliseconds));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(wavBytes({}, toneSamples(kSampleRate, milliseconds)));
    return path;
}

struct TimedPlay {
    SoundPlayResult result;
    qint64 milliseconds;
};

TimedPlay timedPlay(QtSoundPlayer& player, const QString& path)
{
    QElapsedTimer clock;
    clock.start();
    const SoundPlayResult result = player.playToEnd(path);
    return {result, clock.elapsed()};
}

// Records what the null sink plays, through its monitor.
class SinkMonitor {
public:
    SinkMonitor()
    {
        recorder_.start(QStringLiteral("parec"), {"--device=null.monitor", "--raw", "--format=s16le", "--channels=1",
                                                  QStringLiteral("--rate=%1").arg(kSampleRate), "--latency-msec=10"});
        recording_ = recorder_.waitForStarted() && recorder_.waitForReadyRead(5000);
    }

    ~SinkMonitor()
    {
        recorder_.kill();
        recorder_.waitForFinished();
    }

    bool recording() const { return recording_; }

    // From the first to the last sample that is not silence.
    int soundMilliseconds()
    {
        QTest::qWait(300); // the end of what was played comes through the monitor's latency
        const QByteArray bytes = recorder_.readAllStandardOutput();
        const auto* samples = reinterpret_cast<const qint16*>(bytes.constData());
        qsizetype first = -1, last = -1;
        for (qsizetype i = 0; i < bytes.size() / 2; ++i)
            if (std::abs(samples[i]) > 1000) {
                first = first < 0 ? i : first;
                last = i;
            }
        return first < 0 ? 0 : int((last - first) * 1000 / kSampleRate);
    }

private:
    QProcess recorder_;
    bool recording_ = false;
};

class PlaysToTheEnd : public testing::TestWithParam<int> {};

TEST_P(PlaysToTheEnd, FirstAndRepeatedPlaysLastAsLongAsTheSoundAndLetAllOfItBeHeard)
{
    const int length = GetParam();
    QTemporaryDir folder;
    const QString path = writeToneFile(folder, length);
    QtSoundPlayer player;
    for (const char* play : {"first play", "second play"}) {
        SCOPED_TRACE(play);
        SinkMonitor monitor;
        ASSERT_TRUE(monitor.recording());
        const TimedPlay timed = timedPlay(player, path);
        std::cout << length << " ms sound, " << play << ": " << timed.milliseconds << " ms\n";
        EXPECT_TRUE(timed.result.ok) << timed.result.errorText.toStdString();
        EXPECT_GE(timed.milliseconds, length);
        EXPECT_LE(timed.milliseconds, length + kPlayMarginMilliseconds);
        EXPECT_NEAR(monitor.soundMilliseconds(), length, 20);
    }
}

INSTANTIATE_TEST_SUITE_P(ShortAndLongSounds, PlaysToTheEnd, testing::Values(300, 1000));

// The context's player and timers around the real player: a key typed and
// a timer falling due while the sound plays both wait for its end.
TEST(HeldWhilePlaying, TheKeyThenTheTimerOnceComeRightAfterTheSound)
{
    constexpr int kLength = 800;
    QTemporaryDir folder;
    const QString path = writeToneFile(folder, kLength);
    ProgramHold hold;
    QtTimerFactory qtTimers;
    HoldingTimerFactory timers(hold, qtTimers);
    QtSoundPlayer qtPlayer;
    HoldingSoundPlayer player(hold, qtPlayer);

    QElapsedTimer clock;
    QStringList log;
    std::vector<qint64> tickTimes;
    QLineEdit typing;
    QObject::connect(&typing, &QLineEdit::textEdited, [&](const QString& text) { log << "key " + text; });
    const std::unique_ptr<Timer> tick = timers.createTimer();
    tick->setInterval(100);
    tick->setHandler([&] {
        log << "tick";
        tickTimes.push_back(clock.elapsed());
    });
    tick->setEnabled(true);
    // The window system hands over a key 300 ms into the sound.
    QTimer::singleShot(300, [&] { QTest::keyClick(&typing, 'a'); });

    clock.start();
    const SoundPlayResult result = player.playToEnd(path);
    const qint64 ended = clock.elapsed();
    ASSERT_TRUE(result.ok) << result.errorText.toStdString();
    EXPECT_GE(ended, kLength);
    EXPECT_TRUE(log.isEmpty()) << log.join(", ").toStdString();

    QTest::qWait(90); // less than one interval: one catch-up tick, perhaps one on the timer's own beat
    ASSERT_GE(log.size(), 2);
    EXPECT_EQ(log.mid(0, 2), (QStringList{"key a", "tick"}));
    EXPECT_LE(tickTimes.front() - ended, 30);
    EXPECT_LE(tickTimes.size(), 2u);
}

TEST(FailedPlays, MissingFileSaysSo)
{
    QTemporaryDir folder;
    QtSoundPlayer player;
    const SoundPlayResult missing = player.playToEnd(folder.filePath(QStringLiteral("seikai1.wav")));
    EXPECT_FALSE(missing.ok);
    EXPECT_TRUE(missing.errorText.startsWith("file missing or unreadable")) << missing.errorText.toStdString();
}

// A suspended sink takes nothing, like a hung device.
class SuspendedSink : public testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(QProcess::execute("pactl", {"suspend-sink", "null", "1"}), 0); }
    void TearDown() override { EXPECT_EQ(QProcess::execute("pactl", {"suspend-sink", "null", "0"}), 0); }
};

TEST_F(SuspendedSink, PlayTimesOutAfterTheLengthAndTwoSeconds)
{
    constexpr int kLength = 300;
    QTemporaryDir folder;
    QtSoundPlayer player;
    const TimedPlay timed = timedPlay(player, writeToneFile(folder, kLength));
    EXPECT_FALSE(timed.result.ok);
    EXPECT_TRUE(timed.result.errorText.startsWith("timed out")) << timed.result.errorText.toStdString();
    EXPECT_GE(timed.milliseconds, kLength + kGuardMilliseconds);
    EXPECT_LE(timed.milliseconds, kLength + kGuardMilliseconds + 500);
}

// Run by null_sink_test.sh with no sound server to reach.
TEST(NoOutputDevice, PlayFailsAtOnceAndSaysSo)
{
    QTemporaryDir folder;
    QtSoundPlayer player;
    const TimedPlay timed = timedPlay(player, writeToneFile(folder, 300));
    EXPECT_FALSE(timed.result.ok);
    EXPECT_EQ(timed.result.errorText, "no output device");
    EXPECT_LT(timed.milliseconds, 300);
}
} // namespace
