#pragma once
// Text files of the school tree: code page 932, CR LF line ends, read as
// comma-separated items. Pure conversions; reading and writing the bytes
// goes through FileSystem.

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

QString decodeCp932(const QByteArray& bytes);
QByteArray encodeCp932(const QString& text);

// The items of each line. An item ends at a comma or a line end; spaces
// around an item are dropped; an item in double quotes keeps its commas and
// spaces and loses the quotes. Line ends are CR LF, LF or CR; a last line
// without a line end is read like any other. A blank line has no items.
QList<QStringList> parseItemLines(const QString& text);

// All items of a text in file order, blank lines skipped.
QStringList parseItems(const QString& text);

// All items of a text in file order, where every line end ends an item:
// a blank line is one empty item, so items keep their places.
QStringList parseItemStream(const QString& text);

// The lines in code page 932, each followed by CR LF.
QByteArray encodeLines(const QStringList& lines);

// The leading number of a text, as the settings readers take it: spaces
// are skipped, then an optional sign, digits and an optional fraction;
// text that does not start with a number reads as 0.
double leadingNumber(const QString& text);
