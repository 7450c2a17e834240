#pragma once
// The feedback sounds. Each play returns once the sound has ended.

#include "foundation/AppContext.h"

// Plays a file of the sound folder and keeps what it reported.
SoundPlayResult PlaySound(AppContext& context, const QString& fileName);

// The answer sounds: a random recording of their category. The fourth
// failure in a row tells the child to call the teacher and ends the program.
void PlayCorrectSound(AppContext& context);
void PlayWrongSound(AppContext& context);

// The other cues stay silent when they fail.
void PlayWarningSound(AppContext& context);
void PlayLevelRecordSound(AppContext& context);
void PlayFinalLevelSound(AppContext& context);
void PlayPersonalBestSound(AppContext& context);
void PlayNoRecordSound(AppContext& context);

// A recording of a category picked at random, as a file name; a category
// without recordings names no file and its play fails.
QString randomRecording(AppContext& context, int category);
