#include "results/CriteriaTable.h"

#include "platform/TextFile.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {
// Times beyond a few days act as "never reached" in every rule; held
// there, no sum or difference of them can overflow.
constexpr std::int32_t kLongestTime = 999'999;
// A run earns at most 55 points; a factor held to ±1000 keeps the points of
// the newest 20 000 runs within a 32-bit sum.
constexpr double kLargestMultiplier = 1000;

// Whole-number columns round like the original program's number
// conversion (halves to even) and are held within their type's range.
template <typename Int>
Int wholeNumber(const QString& text)
{
    const double value = std::nearbyint(leadingNumber(text));
    constexpr double low = std::numeric_limits<Int>::min();
    constexpr double high = std::numeric_limits<Int>::max();
    return static_cast<Int>(value < low ? low : value > high ? high : value);
}

void storeLine(int index, const QStringList& cells, CriteriaTable& table)
{
    table.Cells[index] = cells.mid(0, kCriteriaColumns);
    table.TargetTime[index] = std::clamp(wholeNumber<std::int32_t>(cells[0]), -kLongestTime, kLongestTime);
    table.MinimumTime[index] = std::clamp(wholeNumber<std::int32_t>(cells[1]), -kLongestTime, kLongestTime);
    table.ClearPoints[index] = wholeNumber<std::int32_t>(cells[2]);
    table.ClearCount[index] = wholeNumber<std::int16_t>(cells[3]);
    table.PointMultiplier[index] =
        static_cast<float>(std::clamp(leadingNumber(cells[4]), -kLargestMultiplier, kLargestMultiplier));
    table.LimitCount[index] = leadingNumber(cells[5]);
    table.LimitPoints[index] = leadingNumber(cells[6]);
    table.JudgeDays[index] = leadingNumber(cells[7]);
    table.LimitDays[index] = leadingNumber(cells[8]);
}
} // namespace

bool parseCriteriaTable(const QByteArray& bytes, CriteriaTable& table, QString& error)
{
    const QList<QStringList> lines = parseItemLines(decodeCp932(bytes));
    if (lines.isEmpty()) {
        error = QStringLiteral("基準データがありません");
        return false;
    }
    CriteriaTable read;
    for (int index = 0; index < lines.size() && index < kLevelSlots; ++index) {
        QStringList cells = lines[index];
        if (index == 0) { // the titles are free text, however many
            while (cells.size() < kCriteriaColumns)
                cells << QString();
        } else if (cells.size() < kCriteriaColumns) {
            error = QStringLiteral("%1 行目の値が %2 個しかありません（%3 個必要です）")
                        .arg(index + 1)
                        .arg(cells.size())
                        .arg(kCriteriaColumns);
            return false;
        }
        storeLine(index, cells, read);
        read.LineCount = index + 1;
    }
    table = std::move(read);
    return true;
}
