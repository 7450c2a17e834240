#pragma once
// What this program offers: its title and its levels.

#include "foundation/AppContext.h"

inline const QString kProgramTitle = QStringLiteral("ミナモドリル");

// Sets the title and the profile switches; part of loading the settings.
void InitProgramProfile(SharedState& state);

// Fills the level catalogue (levels 1..5 offered, 5 the goal).
void fillLevelCatalogue(SharedState& state);

// Fills the level catalogue and opens the student menu; runs each time a
// student confirms their name.
void InitLevelCatalogue(AppContext& context);

// A practice level is named with "練"; its runs are not recorded.
bool isPracticeLevel(const SharedState& state, int level);
