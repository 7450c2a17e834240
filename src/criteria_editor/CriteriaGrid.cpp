#include "criteria_editor/CriteriaGrid.h"

#include "platform/TextFile.h"

using namespace Qt::StringLiterals;

std::vector<QStringList> criteriaGridRows(const CriteriaTable& table)
{
    std::vector<QStringList> rows;
    rows.push_back({u"レベル"_s, u"目標Time"_s, u"最低Time"_s, u"ｸﾘｱﾎﾟｲﾝﾄ"_s, u"ｸﾘｱ回数"_s, u"ﾎﾟｲﾝﾄ倍率"_s, u"禁回"_s,
                    u"禁点"_s, u"判期間"_s, u"禁期間"_s, QString(), QString(), QString()});
    for (int level = 1; level < table.LineCount; ++level) {
        QStringList row{QString::number(level)};
        for (const QString& value : table.Cells[static_cast<std::size_t>(level)])
            row << plainCellText(value);
        rows.push_back(row);
    }
    return rows;
}

QString plainCellText(const QString& value)
{
    bool isNumber = false;
    const double number = value.trimmed().toDouble(&isNumber);
    return isNumber ? QString::number(number, 'g', 15) : value;
}

QString columnHelp(int column)
{
    static const QStringList help = {
        QString(),
        u"合格基準タイム\n　大部分の人ががんばったら出せそうなタイムにしてください"_s,
        u"合格最低ラインタイム\n  この５倍が時間切れになります"_s,
        u"目標ポイント\n　　 目標ポイント"_s,
        u"目標回数\n　　 目標回数"_s,
        u"ポイント倍率\n  ポイントを何倍にして加算するか\n  むずかしいレベルや生徒のいやがるレベルは高くしてください"_s,
        u"やりすぎ禁止回数\n  何回やったらやりすぎ禁止にするか\n  "_s,
        u"やりすぎ禁止ポイント\n  何ポイントとったらやりすぎ禁止にするか\n "_s,
        u"合格判定をする日数\n　何日前からのポイントを有効にするか"_s,
        u"やりすぎ判定をする日数\n　何日前からのポイントを有効にするか"_s,
    };
    return column >= 0 && column < help.size() ? help[column] : QString();
}

CriteriaFileRest criteriaFileRest(const QByteArray& bytes)
{
    CriteriaFileRest rest;
    const QList<QStringList> lines = parseItemLines(decodeCp932(bytes));
    for (qsizetype line = 0; line < lines.size(); ++line) {
        if (line < kLevelSlots)
            rest.valuesAfterGrid.push_back(lines[line].mid(kCriteriaColumns));
        else
            rest.linesAfterGrid << lines[line];
    }
    return rest;
}

namespace {
// A value that holds a comma goes back in the quotes it was read in.
QString fileLine(const QStringList& values)
{
    QStringList items;
    for (const QString& value : values)
        items << (value.contains(u',') ? u'"' + value + u'"' : value);
    return items.join(u',');
}
} // namespace

QByteArray criteriaFileBytes(const std::vector<QStringList>& rows, const CriteriaFileRest& rest)
{
    QStringList lines;
    for (std::size_t row = 0; row < rows.size(); ++row) {
        QStringList values = rows[row].mid(1, kCriteriaColumns);
        while (values.size() < kCriteriaColumns)
            values << QString();
        if (row < rest.valuesAfterGrid.size())
            values << rest.valuesAfterGrid[row];
        lines << fileLine(values);
    }
    for (const QStringList& line : rest.linesAfterGrid)
        lines << fileLine(line);
    return encodeLines(lines);
}
