#include "sound/SoundTable.h"

#include "platform/TextFile.h"

#include <QStringList>

namespace {
const std::array<QString, kSoundCategories + 1> kCategoryNames = {
    QString(),
    QStringLiteral("正解音1"),
    QStringLiteral("正解音2"),
    QStringLiteral("間違い音1"),
    QStringLiteral("間違い音2"),
    QStringLiteral("最高音1"),
    QStringLiteral("最高音2"),
    QStringLiteral("自己最高音1"),
    QStringLiteral("自己最高音2"),
    QStringLiteral("自己最高音3"),
    QStringLiteral("不合格音1"),
};
const QString kBlockEnd = QStringLiteral("*");

int categoryOf(const QString& item)
{
    for (int category = 1; category <= kSoundCategories; ++category)
        if (kCategoryNames[category] == item)
            return category;
    return 0;
}
} // namespace

int recordingCount(const SoundTable& table, int category)
{
    return table[kSoundCountRow][category].toInt();
}

bool parseSoundTable(const QByteArray& bytes, SoundTable& table, QString& error)
{
    SoundTable read{};
    for (int category = 1; category <= kSoundCategories; ++category)
        read[0][category] = kCategoryNames[category];

    const QStringList items = parseItems(decodeCp932(bytes));
    qsizetype next = 0;
    while (next < items.size()) {
        const int category = categoryOf(items[next++]);
        if (category == 0)
            continue; // not a block's start
        for (int row = 1; row <= kRecordingsPerCategory; ++row) {
            if (next >= items.size()) {
                error = QStringLiteral("「%1」の終わりの * がありません").arg(kCategoryNames[category]);
                return false;
            }
            const QString& item = items[next++];
            if (item == kBlockEnd) {
                read[kSoundCountRow][category] = QString::number(row - 1);
                break;
            }
            read[row][category] = item;
        }
    }
    table = read;
    return true;
}
