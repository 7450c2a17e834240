#pragma once
// Which start buttons of the student menu are open: a level opens the next
// once it is cleared (or when every level is open), and a level done too
// much recently is locked until the final level is cleared.

#include "foundation/SharedState.h"

#include <vector>

struct LevelButton {
    bool enabled = false;
    bool overdoingNotice = false; // "やりすぎ禁止" over the button
};

struct LevelLocks {
    bool finalLevelCleared = false;
    std::vector<LevelButton> buttons; // index 1..LevelCount; 0 unused
};

// For the current student.
LevelLocks levelLocks(const SharedState& state);
