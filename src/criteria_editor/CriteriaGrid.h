#pragma once
// The criteria editor's grid as plain texts: what a reload shows, what each
// column means, and the file a save writes. No widgets.

#include "results/CriteriaTable.h"

#include <QStringList>

#include <vector>

inline constexpr int kGridColumns = 1 + kCriteriaColumns; // the level number, then the twelve values

// Row 0: "レベル", the nine titles and three empty cells; row k: k and the
// twelve values of level line k, numbers in their plain decimal form.
std::vector<QStringList> criteriaGridRows(const CriteriaTable& table);

// A value as the grid shows it: a number plainly ("1.50" as "1.5"), any
// other text as it stands.
QString plainCellText(const QString& value);

// The explanation of a column, its lines separated by "\n".
QString columnHelp(int column);

// What a criteria file holds beyond the grid: the values after the twelfth
// of each line and the lines after the 36th. No rule reads them, but a
// save must not lose them.
struct CriteriaFileRest {
    std::vector<QStringList> valuesAfterGrid; // by line, the title line first
    QList<QStringList> linesAfterGrid;
};
CriteriaFileRest criteriaFileRest(const QByteArray& bytes);

// The criteria file of the grid's rows: columns 1..12 of each row, then
// the rest of its line, joined by ","; then the lines after the grid. Each
// line ended by CR LF, in code page 932.
QByteArray criteriaFileBytes(const std::vector<QStringList>& rows, const CriteriaFileRest& rest);

// A cell text that would break the file's fields apart.
inline bool breaksFields(const QString& text) { return text.contains(u',') || text.contains(u'"'); }
