#include "sound/SoundCues.h"

#include "support/TestContext.h"

#include <gtest/gtest.h>

namespace {
class SoundCues : public ::testing::Test {
protected:
    void SetUp() override
    {
        test.state.SoundFolder = "/data/音フォルダ/";
        SoundTable& table = test.state.Sounds;
        table[1][CorrectSound2] = "a";
        table[2][CorrectSound2] = "b";
        table[3][CorrectSound2] = "c";
        table[kSoundCountRow][CorrectSound2] = "3";
        table[1][WrongSound2] = "batu";
        table[kSoundCountRow][WrongSound2] = "1";
    }
    TestContext test;
};

TEST_F(SoundCues, CategoryRecordingIsPickedUniformlyByTheRandomNumber)
{
    test.random.values = {0.0, 0.33, 0.34, 0.66, 0.67, 0.999};
    for (int i = 0; i < 6; ++i)
        PlayCorrectSound(test.context);
    const QString folder = "/data/音フォルダ/";
    EXPECT_EQ(test.sound.played, QStringList({folder + "a.wav", folder + "a.wav", folder + "b.wav",
                                              folder + "b.wav", folder + "c.wav", folder + "c.wav"}));
}

TEST_F(SoundCues, FixedCuesPlayTheirFiles)
{
    PlayWarningSound(test.context);
    PlayLevelRecordSound(test.context);
    PlayFinalLevelSound(test.context);
    const QString folder = "/data/音フォルダ/";
    EXPECT_EQ(test.sound.played, QStringList({folder + "警告1.wav", folder + "最高1.wav", folder + "合格.wav"}));
}

TEST_F(SoundCues, ThreeFailedAnswerSoundsPassSilentlyTheFourthEndsTheProgram)
{
    test.sound.failAll = true;
    for (int i = 0; i < 3; ++i)
        PlayWrongSound(test.context);
    EXPECT_TRUE(test.dialogs.messages.isEmpty());
    EXPECT_EQ(test.state.LastSoundResult, "no output device");

    test.sound.failAll = false;
    PlayCorrectSound(test.context); // one that plays starts the count again
    test.sound.failAll = true;
    for (int i = 0; i < 3; ++i)
        PlayCorrectSound(test.context);
    PlayWarningSound(test.context); // the other cues do not count
    EXPECT_TRUE(test.dialogs.messages.isEmpty());

    EXPECT_THROW(PlayWrongSound(test.context), ProgramEnded);
    ASSERT_EQ(test.dialogs.messages.size(), 1);
    EXPECT_EQ(test.dialogs.messages[0].text, "音声がでません。先生を呼びなさい。\r\nno output device");
    EXPECT_EQ(test.dialogs.messages[0].title, "音声エラー");
}

TEST_F(SoundCues, CategoryWithoutRecordingsNamesNoFile)
{
    test.state.Sounds[kSoundCountRow][CorrectSound2] = "0";
    test.state.Sounds[1][CorrectSound2] = "";
    PlayCorrectSound(test.context);
    EXPECT_EQ(test.sound.played, QStringList({"/data/音フォルダ/.wav"}));
    EXPECT_EQ(randomRecording(test.context, PersonalBestSound2), ".wav"); // never listed
}
} // namespace
