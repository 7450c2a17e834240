// The program holds still while a sound plays: keys, clicks and timers of
// the context wait, then come in the order the children's computers gave
// them. The sounds here take virtual time; tests/sound/SoundDeviceTest.cpp
// plays real ones.
#include "support/TestContext.h"

#include <QKeyEvent>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace {
// Writes each key that reaches it into the log.
class KeyLog final : public QWidget {
public:
    explicit KeyLog(QStringList& log) : log_(log) {}
    std::function<void(int key)> onKey;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        log_ << QStringLiteral("key ") + event->text();
        if (onKey)
            onKey(event->key());
    }

private:
    QStringList& log_;
};

class HeldPlay : public ::testing::Test {
protected:
    void SetUp() override
    {
        tick->setInterval(100);
        tick->setHandler([this] { log << QStringLiteral("tick %1").arg(test.clock.elapsedMilliseconds()); });
        tick->setEnabled(true);
        QObject::connect(&button, &QPushButton::clicked, [this] { log << QStringLiteral("click"); });
    }

    void play()
    {
        ++plays;
        test.context.sound.playToEnd(QStringLiteral("/data/音フォルダ/seikai1.wav"));
    }

    TestContext test;
    QStringList log;
    KeyLog keys{log};
    QPushButton button;
    std::unique_ptr<Timer> tick = test.context.timers.createTimer();
    int plays = 0;
};

TEST_F(HeldPlay, KeysAndClicksDuringASoundComeAfterItInTheirOrderThenTheTimerOnce)
{
    test.soundsTake(350, [this](const QString&, int played) {
        if (played == 50)
            QTest::keyClick(&keys, 'a');
        if (played == 150)
            QTest::mouseClick(&button, Qt::LeftButton);
        if (played == 250)
            QTest::keyClick(&keys, 'b');
    });
    test.clock.advance(50);
    play(); // 50 to 400 ms: the timer falls due four times
    EXPECT_TRUE(log.isEmpty());

    test.returnToEventLoop();
    EXPECT_EQ(log, (QStringList{"key a", "click", "key b", "tick 400"}));
    test.clock.advance(100);
    EXPECT_EQ(log, (QStringList{"key a", "click", "key b", "tick 400", "tick 500"})); // on its own beat again
}

TEST_F(HeldPlay, ASoundPlayedForAHeldKeyHoldsTheKeysBehindIt)
{
    keys.onKey = [this](int key) {
        if (key == Qt::Key_A)
            play();
    };
    QStringList duringSecondSound;
    test.soundsTake(300, [&](const QString&, int played) {
        if (played == 50 && plays == 1) {
            QTest::keyClick(&keys, 'a');
            QTest::keyClick(&keys, 'b');
        }
        if (played == 50 && plays == 2)
            QTest::keyClick(&keys, 'c');
        if (played == 300 && plays == 2)
            duringSecondSound = log;
    });
    play();
    test.returnToEventLoop();
    EXPECT_EQ(duringSecondSound, QStringList{"key a"});
    EXPECT_EQ(log, (QStringList{"key a", "key b", "key c", "tick 600"}));
}

TEST_F(HeldPlay, ATimerSwitchedOffOrGoneDuringTheSoundDoesNotFireAfterIt)
{
    std::unique_ptr<Timer> other = test.context.timers.createTimer();
    other->setInterval(100);
    other->setHandler([this] { log << QStringLiteral("other"); });
    other->setEnabled(true);
    test.soundsTake(250, [&](const QString&, int played) {
        if (played == 200) {
            tick->setEnabled(false);
            other.reset();
        }
    });
    play();
    test.returnToEventLoop();
    test.clock.advance(1000);
    EXPECT_TRUE(log.isEmpty());
}

TEST_F(HeldPlay, WithoutASoundNothingWaits)
{
    QTest::keyClick(&keys, 'a');
    test.clock.advance(100);
    play(); // a sound that takes no time holds nothing
    QTest::keyClick(&keys, 'b');
    EXPECT_EQ(log, (QStringList{"key a", "tick 100", "key b"}));
}
} // namespace
