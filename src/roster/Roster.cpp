#include "roster/Roster.h"

#include "platform/TextFile.h"

#include <array>
#include <limits>

namespace {
constexpr int kFields = 8;
constexpr int kNameLength = 20;

std::optional<int> numberField(const QString& text, int lowest, int highest)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < lowest || value > highest)
        return std::nullopt;
    return value;
}

std::optional<int> shortNumber(const QString& text)
{
    return numberField(text, std::numeric_limits<std::int16_t>::min(),
                       std::numeric_limits<std::int16_t>::max());
}

QString fixedText(const QString& text) { return text.left(kNameLength).leftJustified(kNameLength); }

std::optional<RosterEntry> parseLine(const QStringList& fields)
{
    if (fields.size() < kFields)
        return std::nullopt;
    const auto studentNo = numberField(fields[0], 0, 5000);
    const auto birthYear = numberField(fields[1], 1000, 9999);
    const auto reserved1 = shortNumber(fields[2]);
    const auto reserved2 = shortNumber(fields[3]);
    const auto status = shortNumber(fields[5]);
    if (!studentNo || !birthYear || !reserved1 || !reserved2 || !status)
        return std::nullopt;
    return RosterEntry{*studentNo, *birthYear,          *reserved1,         *reserved2,
                       fixedText(fields[4]), *status, fixedText(fields[6]), fixedText(fields[7])};
}
} // namespace

std::vector<RosterEntry> parseRoster(const QString& text)
{
    std::vector<RosterEntry> entries;
    for (const QStringList& fields : parseItemLines(text))
        if (auto entry = parseLine(fields))
            entries.push_back(std::move(*entry));
    return entries;
}

FileError readRosterFile(const FileSystem& files, const QString& dataRoot,
                         std::vector<RosterEntry>& entries)
{
    QByteArray bytes;
    const FileError error = files.readFile(dataRoot + kRosterFileName, bytes);
    entries = error ? std::vector<RosterEntry>{} : parseRoster(decodeCp932(bytes));
    return error;
}

QString rosterUnreadableText(const QString& dataRoot, const FileError& error)
{
    return QStringLiteral("名簿を読めませんでした。\n%1\n%2").arg(dataRoot + kRosterFileName, error.text);
}

int SchoolYearOn(const QDate& date, int schoolYearStartMonth)
{
    return date.month() < schoolYearStartMonth ? date.year() - 1 : date.year();
}

std::optional<QString> fullGradeName(int gradeNumber)
{
    static const std::array<const char16_t*, 11> names = {
        u"幼３", u"小１", u"小２", u"小３", u"小４", u"小５", u"小６", u"中１", u"中２", u"中３", u"高１"};
    if (gradeNumber < 0 || gradeNumber >= static_cast<int>(names.size()))
        return std::nullopt;
    return QString::fromUtf16(names[gradeNumber]);
}

QString ShortGradeLabel(int gradeNumber)
{
    if (gradeNumber < -2)
        return QStringLiteral("幼-");
    if (gradeNumber <= 0)
        return QStringLiteral("幼") + QString::number(gradeNumber + 3);
    if (gradeNumber <= 6)
        return QStringLiteral("小") + QString::number(gradeNumber);
    if (gradeNumber <= 9)
        return QStringLiteral("中") + QString::number(gradeNumber - 6);
    if (gradeNumber <= 12)
        return QStringLiteral("高") + QString::number(gradeNumber - 9);
    return QStringLiteral("大+");
}
