#include "student_menu/LevelLocks.h"

#include "foundation/TextColumns.h"
#include "results/Evaluation.h"

namespace {
constexpr int kNoClearCondition = 9999;

bool opensNextLevel(const SharedState& state, int level)
{
    const int next = level + 1;
    return (next <= kMaxLevel && state.Criteria.ClearPoints[next] == kNoClearCondition) || state.AllLevelsOpen ||
           withoutHalfWidthSpaces(state.CurrentStudentName) == u"先生" ||
           LevelPassed(state, level, state.CurrentStudentNo);
}
} // namespace

LevelLocks levelLocks(const SharedState& state)
{
    const int student = state.CurrentStudentNo;
    const int levels = state.LevelCount;
    LevelLocks locks;
    locks.finalLevelCleared = LevelPassed(state, state.FinalLevelNo, student);
    locks.buttons.resize(static_cast<std::size_t>(levels) + 1);
    if (levels >= 1)
        locks.buttons[1].enabled = true;
    // The last level opens nothing and so is never locked.
    for (int level = 1; level < levels; ++level) {
        if (!opensNextLevel(state, level))
            continue;
        locks.buttons[level + 1].enabled = true;
        if (!locks.finalLevelCleared && OverdoingLocked(state, level, student))
            locks.buttons[level] = {false, true};
    }
    return locks;
}
