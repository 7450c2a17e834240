#pragma once
#include "foundation/Limits.h"

#include <algorithm>
#include <array>
#include <cassert>
#include <vector>

// A table indexed [level 0..35][student 0..5000]. The students of one level
// lie side by side, since every rule walks one level's students.
//
// The tallies are rebuilt several times a second from a file that uses a
// handful of the 36 levels, so reset() restores only the levels written
// since the last reset: any access through a non-const table counts as a
// write.
template <typename T>
class LevelStudentTable {
public:
    explicit LevelStudentTable(T initial = T{})
        : initial_(initial), cells_(kLevelSlots * kStudentSlots, initial) {}

    T& operator()(int level, int student)
    {
        written_[static_cast<std::size_t>(level)] = true;
        return cells_[index(level, student)];
    }
    const T& operator()(int level, int student) const { return cells_[index(level, student)]; }

    // Every cell back to the initial value.
    void reset()
    {
        for (int level = 0; level <= kMaxLevel; ++level)
            if (written_[level]) {
                const auto first = cells_.begin() + index(level, 0);
                std::fill(first, first + kStudentSlots, initial_);
                written_[level] = false;
            }
    }

private:
    static std::size_t index(int level, int student)
    {
        assert(level >= 0 && level <= kMaxLevel && student >= 0 && student <= kMaxStudentNo);
        return static_cast<std::size_t>(level) * kStudentSlots + static_cast<std::size_t>(student);
    }

    T initial_;
    std::vector<T> cells_;
    std::array<bool, kLevelSlots> written_{};
};
