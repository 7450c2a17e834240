#pragma once
// Lists of fixed-pitch rows (rankings, period lists), which may run to
// tens of thousands of rows.

#include <QStringList>

class QListWidget;

// Shows the rows in the list. Qt would measure every row to find the width
// of the horizontal scroll; in the lists' font a full-width character is
// exactly two half-width ones wide, so the row of most columns is the
// widest: only that row is measured, and every row takes its size.
void showFixedPitchRows(QListWidget* list, const QStringList& rows);
