#include "drill/ProblemGeneration.h"

namespace {
const QString kPlus = QStringLiteral("＋");
const QString kMinus = QStringLiteral("－");

Problem sum(int a, int b) { return {a, b, kPlus, a + b}; }
Problem difference(int a, int b) { return {a, b, kMinus, a - b}; }

// Draws both operands again until the condition holds.
template <typename Accept>
Problem drawSum(RandomSource& random, int lo, int hi, Accept accept)
{
    for (;;) {
        const int a = uniformInt(random, lo, hi);
        const int b = uniformInt(random, lo, hi);
        if (accept(a + b))
            return sum(a, b);
    }
}
} // namespace

int uniformInt(RandomSource& random, int lo, int hi)
{
    return static_cast<int>(random.next() * (hi - lo + 1) + lo);
}

std::optional<Problem> drawProblem(int level, int lastOperandA, RandomSource& random)
{
    switch (level) {
    case 1: // no carry
        return drawSum(random, 2, 9, [](int total) { return total < 10; });
    case 2: // complements of ten
        return difference(10, uniformInt(random, 5, 9));
    case 3: // a carry
        return drawSum(random, 2, 9, [](int total) { return total > 10; });
    case 4: // take away five, never the same first number twice in a row
        for (;;) {
            const int a = uniformInt(random, 2, 9);
            if (a > 5 && a != lastOperandA)
                return difference(a, 5);
        }
    case 5: // two numbers from 5 to 8
        return drawSum(random, 5, 8, [](int total) { return total >= 10; });
    default:
        return std::nullopt;
    }
}

MakeTenHintPlan makeTenHintPlan(int a, int b)
{
    MakeTenHintPlan plan;
    const bool firstCompleted = a >= b;
    const int completed = firstCompleted ? a : b;
    const int other = firstCompleted ? b : a;
    const int completedBase = firstCompleted ? 0 : 10; // counter offset of each frame
    const int otherBase = firstCompleted ? 10 : 0;
    const int missing = 10 - completed;

    plan.completedFrame = firstCompleted ? 0 : 1;
    plan.caption = QStringLiteral("あと ") + QString::number(missing) + QStringLiteral(" で　１０");
    plan.moveText = QStringLiteral(" ") + QString::number(missing) + QStringLiteral(" いどう");
    plan.arrow = firstCompleted ? QStringLiteral("←") : QStringLiteral("→");
    for (int i = 1; i <= 10; ++i)
        plan.counters[completedBase + i] = i <= completed ? Counter::Blue : Counter::Red;
    for (int i = 1; i <= other; ++i)
        plan.counters[otherBase + i] = Counter::Green;
    for (int i = a + b - 9; i <= other; ++i) // the last `missing` counters of the other number
        plan.struck[otherBase + i] = true;
    plan.filledFrom = completedBase + completed + 1;
    plan.filledTo = completedBase + 10;
    return plan;
}

FiveFiveHintPlan fiveFiveHintPlan(int a, int b)
{
    FiveFiveHintPlan plan;
    for (int i = 1; i <= a; ++i)
        plan.shown[i] = true;
    for (int i = 1; i <= b; ++i)
        plan.shown[10 + i] = true;
    plan.firstLabel = QString::number(a) + u'=';
    plan.secondLabel = QString::number(b) + u'=';
    return plan;
}
