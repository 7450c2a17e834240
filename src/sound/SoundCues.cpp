#include "sound/SoundCues.h"

namespace {
constexpr int kSilentFailures = 3;

void playAnswerSound(AppContext& context, int category)
{
    SharedState& state = context.state;
    const SoundPlayResult result = PlaySound(context, randomRecording(context, category));
    if (result.ok) {
        state.SoundFailureCount = 0;
        return;
    }
    if (state.SoundFailureCount < kSilentFailures) {
        ++state.SoundFailureCount;
        return;
    }
    context.dialogs.showMessage(QStringLiteral("音声がでません。先生を呼びなさい。\r\n") + result.errorText,
                                QStringLiteral("音声エラー"));
    context.navigator.closeAll();
    context.program.endProgram(1);
}
} // namespace

SoundPlayResult PlaySound(AppContext& context, const QString& fileName)
{
    const SoundPlayResult result = context.sound.playToEnd(context.state.SoundFolder + fileName);
    context.state.LastSoundResult = result.errorText;
    return result;
}

QString randomRecording(AppContext& context, int category)
{
    const int count = recordingCount(context.state.Sounds, category);
    const int row = static_cast<int>(context.random.next() * count + 1);
    return context.state.Sounds[row][category] + QStringLiteral(".wav");
}

void PlayCorrectSound(AppContext& context) { playAnswerSound(context, CorrectSound2); }
void PlayWrongSound(AppContext& context) { playAnswerSound(context, WrongSound2); }
void PlayWarningSound(AppContext& context) { PlaySound(context, QStringLiteral("警告1.wav")); }
void PlayLevelRecordSound(AppContext& context) { PlaySound(context, QStringLiteral("最高1.wav")); }
void PlayFinalLevelSound(AppContext& context) { PlaySound(context, QStringLiteral("合格.wav")); }
void PlayPersonalBestSound(AppContext& context) { PlaySound(context, randomRecording(context, PersonalBestSound2)); }
void PlayNoRecordSound(AppContext& context) { PlaySound(context, randomRecording(context, NoRecordSound1)); }
