#pragma once
// The problems of the five levels and the picture aids of levels 3 and 5.

#include "platform/RandomSource.h"

#include <QString>

#include <array>
#include <optional>

struct Problem {
    int DrawA = 0;
    int DrawB = 0;
    QString sign; // "＋" or "－"
    int answer = 0;
};

// Uniform in lo..hi: the integer part of r × (hi − lo + 1) + lo.
int uniformInt(RandomSource& random, int lo, int hi);

// The next problem of a level; none for a level outside 1..5. A draw that
// fails its family's condition is drawn again in full, so every accepted
// problem is equally likely. `lastOperandA` is the first number of the
// problem shown last (0 before the first): level 4 never repeats it.
std::optional<Problem> drawProblem(int level, int lastOperandA, RandomSource& random);

// A counter of the picture aids.
enum class Counter { Hidden, Red, Blue, Green };

// Level 3's aid: two ten-frames (counters 1..10 under the first number,
// 11..20 under the second). The number nearer to ten is completed with
// counters struck out of the other one.
struct MakeTenHintPlan {
    int completedFrame = 0; // 0: the first number is completed, 1: the second
    QString caption;        // above the completed frame: "あと n で　１０"
    QString moveText;       // between the frames: " n いどう"
    QString arrow;          // "←" or "→"
    std::array<Counter, 21> counters{};     // [1..20] as prepared
    std::array<bool, 21> struck{};          // [1..20] strokes across counters
    int filledFrom = 0, filledTo = 0;       // counters that turn green in the second stage
};
MakeTenHintPlan makeTenHintPlan(int a, int b);

// Level 5's aid: two rows of ten counters, fives grouped, the first five of
// both rows framed as "10".
struct FiveFiveHintPlan {
    std::array<bool, 21> shown{}; // [1..10] first row, [11..20] second row
    QString firstLabel;           // "7="
    QString secondLabel;
};
FiveFiveHintPlan fiveFiveHintPlan(int a, int b);
