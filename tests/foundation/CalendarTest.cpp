#include "foundation/Calendar.h"

#include <gtest/gtest.h>

namespace {
TEST(SeasonColour, FollowsTheMonth)
{
    const QColor winter(255, 128, 0), spring(192, 255, 192), summer(0, 192, 192), autumn(192, 64, 0);
    const QColor expected[] = {winter, winter, spring, spring, spring, summer,
                               summer, summer, autumn, autumn, autumn, spring};
    for (int month = 1; month <= 12; ++month)
        EXPECT_EQ(seasonColour(month), expected[month - 1]) << "month " << month;
}

TEST(EraDateLabel, NamesEraYearMonthDayAndWeekday)
{
    const std::pair<QDate, QString> cases[] = {
        {QDate(2026, 12, 9), QStringLiteral("令和8年 12月 09日（水）")},
        {QDate(2019, 5, 1), QStringLiteral("令和1年 5月 01日（水）")},
        {QDate(2019, 4, 30), QStringLiteral("平成31年 4月 30日（火）")},
        {QDate(1989, 1, 7), QStringLiteral("昭和64年 1月 07日（土）")},
        {QDate(2027, 3, 14), QStringLiteral("令和9年 3月 14日（日）")},
    };
    for (const auto& [date, label] : cases)
        EXPECT_EQ(eraDateLabel(date), label) << date.toString().toStdString();
}
} // namespace
