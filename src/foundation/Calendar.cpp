#include "foundation/Calendar.h"

#include <array>

QColor seasonColour(int month)
{
    if (month <= 2)
        return QColor(255, 128, 0);
    if (month <= 5)
        return QColor(192, 255, 192);
    if (month <= 8)
        return QColor(0, 192, 192);
    if (month <= 11)
        return QColor(192, 64, 0);
    return QColor(192, 255, 192);
}

namespace {
struct Era {
    QDate start;
    const char16_t* name;
};
// Newest first.
const std::array<Era, 5> kEras = {{
    {QDate(2019, 5, 1), u"令和"},
    {QDate(1989, 1, 8), u"平成"},
    {QDate(1926, 12, 25), u"昭和"},
    {QDate(1912, 7, 30), u"大正"},
    {QDate(1868, 1, 25), u"明治"},
}};
const std::array<const char16_t*, 7> kWeekdays = {u"月", u"火", u"水", u"木", u"金", u"土", u"日"};

QString eraYear(const QDate& date)
{
    for (const Era& era : kEras)
        if (date >= era.start)
            return QString::fromUtf16(era.name) + QString::number(date.year() - era.start.year() + 1);
    return QString::number(date.year());
}
} // namespace

QString eraDateLabel(const QDate& date)
{
    return QStringLiteral("%1年 %2月 %3日（%4）")
        .arg(eraYear(date))
        .arg(date.month())
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(QString::fromUtf16(kWeekdays[date.dayOfWeek() - 1]));
}
