#pragma once
// The criteria table: per level, what time is good, what makes a pass and
// when a level has been done too often.

#include "foundation/Limits.h"
#include "platform/FileError.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>

inline constexpr int kCriteriaColumns = 12;
inline const QString kCriteriaFileName = QStringLiteral("タイム回数データ.txt");

struct CriteriaTable {
    // Index 0 receives the title line and is not a level.
    std::array<std::int32_t, kLevelSlots> TargetTime{};
    std::array<std::int32_t, kLevelSlots> MinimumTime{};
    std::array<std::int32_t, kLevelSlots> ClearPoints{};
    std::array<std::int16_t, kLevelSlots> ClearCount{};
    std::array<float, kLevelSlots> PointMultiplier{};
    std::array<double, kLevelSlots> LimitCount{};
    std::array<double, kLevelSlots> LimitPoints{};
    std::array<double, kLevelSlots> JudgeDays{};
    std::array<double, kLevelSlots> LimitDays{};
    // Every line's twelve texts as read: the titles of line 1 and the
    // columns no rule uses are kept for the editor.
    std::array<QStringList, kLevelSlots> Cells{};
    int LineCount = 0; // lines read, the title line included
};

// Reads the table from the file's bytes. Fails (with a text naming the
// line) when a line holds fewer than twelve values or the file has no
// line at all. Lines beyond the 36th are ignored; a value that is not a
// number reads as 0.
bool parseCriteriaTable(const QByteArray& bytes, CriteriaTable& table, QString& error);
