#pragma once
// Fixed-pitch list rows: numbers right-aligned in columns, names padded
// with half-width spaces.

#include <QString>

// The text after `spaces` half-width spaces, cut to its last `width`
// characters: numbers stand right-aligned, and wider ones lose their
// leading digits.
inline QString lastOf(int width, int spaces, const QString& text)
{
    return (QString(spaces, u' ') + text).right(width);
}
inline QString lastOf(int width, int spaces, qint64 number) { return lastOf(width, spaces, QString::number(number)); }

// Only half-width spaces are padding: a full-width space belongs to the
// text (a name, the filler of a row).
inline QString withoutTrailingHalfWidthSpaces(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1] == u' ')
        --end;
    return text.left(end);
}
inline QString withoutHalfWidthSpaces(const QString& text)
{
    const QString trailingRemoved = withoutTrailingHalfWidthSpaces(text);
    qsizetype start = 0;
    while (start < trailingRemoved.size() && trailingRemoved[start] == u' ')
        ++start;
    return trailingRemoved.mid(start);
}

// The columns a text takes in a fixed-pitch row: a half-width character
// (ASCII or half-width katakana) one, any other character two.
inline int textColumns(const QString& text)
{
    int columns = 0;
    for (const QChar c : text) {
        const char16_t code = c.unicode();
        columns += code < 0x80 || (code >= 0xFF61 && code <= 0xFF9F) ? 1 : 2;
    }
    return columns;
}
