#include "foundation/FixedPitchList.h"

#include "foundation/TextColumns.h"

#include <QListWidget>

#include <algorithm>

void showFixedPitchRows(QListWidget* list, const QStringList& rows)
{
    list->clear();
    list->setUniformItemSizes(true);
    list->addItems(rows);
    if (rows.isEmpty())
        return;
    const auto widest = std::max_element(rows.begin(), rows.end(), [](const QString& a, const QString& b) {
        return textColumns(a) < textColumns(b);
    });
    const QSize rowSize = list->sizeHintForIndex(list->model()->index(static_cast<int>(widest - rows.begin()), 0));
    // The view takes the size of one row, its last, for all.
    list->item(list->count() - 1)->setSizeHint(rowSize);
}
