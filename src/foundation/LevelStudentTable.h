#pragma once
#include "foundation/Limits.h"

#include <cassert>
#include <vector>

// A table indexed [level 0..35][student 0..5000]. The students of one level
// lie side by side, since every rule walks one level's students.
template <typename T>
class LevelStudentTable {
public:
    explicit LevelStudentTable(T initial = T{}) : cells_(kLevelSlots * kStudentSlots, initial) {}

    T& operator()(int level, int student) { return cells_[index(level, student)]; }
    const T& operator()(int level, int student) const { return cells_[index(level, student)]; }

    void fill(T value) { std::fill(cells_.begin(), cells_.end(), value); }

private:
    static std::size_t index(int level, int student)
    {
        assert(level >= 0 && level <= kMaxLevel && student >= 0 && student <= kMaxStudentNo);
        return static_cast<std::size_t>(level) * kStudentSlots + static_cast<std::size_t>(student);
    }

    std::vector<T> cells_;
};
