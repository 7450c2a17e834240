#include "platform/TextFile.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace {
constexpr auto kCodePage932 = "windows-31j";

bool isBlank(QChar c) { return c == u' ' || c == u'\t'; }

// Reads the item that starts at `pos` and moves `pos` past the comma that
// ends it. Returns false when the item ended at the line's end instead.
bool takeItem(QStringView line, qsizetype& pos, QString& item)
{
    while (pos < line.size() && isBlank(line[pos]))
        ++pos;
    qsizetype end;
    if (pos < line.size() && line[pos] == u'"') {
        const qsizetype close = line.indexOf(u'"', pos + 1);
        end = close < 0 ? line.size() : close;
        item = line.mid(pos + 1, end - pos - 1).toString();
        // Anything between the closing quote and the comma is not part of the item.
        end = line.indexOf(u',', end);
    } else {
        end = line.indexOf(u',', pos);
        item = line.mid(pos, (end < 0 ? line.size() : end) - pos).toString();
        while (!item.isEmpty() && isBlank(item.back()))
            item.chop(1);
    }
    pos = end < 0 ? line.size() : end + 1;
    return end >= 0;
}

QStringList lineItems(QStringView line)
{
    QStringList items;
    if (line.trimmed().isEmpty())
        return items;
    qsizetype pos = 0;
    bool more = true;
    while (more) {
        QString item;
        more = takeItem(line, pos, item);
        items << item;
    }
    return items;
}

// The items of every line, blank lines included (with no items).
QList<QStringList> itemsOfEveryLine(const QString& text)
{
    QList<QStringList> lines;
    qsizetype start = 0;
    while (start < text.size()) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines << lineItems(QStringView(text).mid(start, end - start));
        if (end < text.size() && text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n')
            ++end;
        start = end + 1;
    }
    return lines;
}
} // namespace

QString decodeCp932(const QByteArray& bytes)
{
    QStringDecoder decoder(kCodePage932);
    return decoder.decode(bytes);
}

QByteArray encodeCp932(const QString& text)
{
    QStringEncoder encoder(kCodePage932);
    return encoder.encode(text);
}

QList<QStringList> parseItemLines(const QString& text)
{
    QList<QStringList> lines = itemsOfEveryLine(text);
    lines.removeAll(QStringList());
    return lines;
}

QStringList parseItems(const QString& text)
{
    QStringList items;
    for (const QStringList& line : parseItemLines(text))
        items << line;
    return items;
}

QStringList parseItemStream(const QString& text)
{
    QStringList items;
    for (const QStringList& line : itemsOfEveryLine(text))
        items << (line.isEmpty() ? QStringList{QString()} : line);
    return items;
}

QByteArray encodeLines(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += encodeCp932(line) + "\r\n";
    return bytes;
}

double leadingNumber(const QString& text)
{
    qsizetype pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    const qsizetype start = pos;
    if (pos < text.size() && (text[pos] == u'+' || text[pos] == u'-'))
        ++pos;
    const auto skipDigits = [&] {
        const qsizetype from = pos;
        while (pos < text.size() && text[pos] >= u'0' && text[pos] <= u'9')
            ++pos;
        return pos - from;
    };
    qsizetype digits = skipDigits();
    if (pos < text.size() && text[pos] == u'.') {
        ++pos;
        digits += skipDigits();
    }
    if (digits == 0)
        return 0.0;
    bool ok = false;
    const double value = text.mid(start, pos - start).toDouble(&ok);
    return ok ? value : 0.0;
}
