#include "drill/AnswerInput.h"
#include "drill/RunClock.h"

#include <QtCore/qnamespace.h>

#include <gtest/gtest.h>

namespace {
TEST(NumericValue, ReadsTheLeadingNumberOfTheTypedText)
{
    const std::pair<const char*, double> cases[] = {
        {"13", 13},  {"013", 13}, {"13.", 13},  {"13-", 13},  {"1-3", 1},  {"-13", -13}, {"1.5.2", 1.5},
        {"", 0},     {"*", 0},    {"/7", 0},    {",", 0},     {"-", 0},    {".", 0},     {"-.5", -0.5},
        {"9*9", 9},  {".5", 0.5},
    };
    for (const auto& [text, value] : cases)
        EXPECT_EQ(numericValue(QString::fromLatin1(text)), value) << '"' << text << '"';
}

TEST(AnswerCharacters, OnlyDigitsAndTheSignsAroundThemAreTyped)
{
    QString accepted;
    for (char16_t c = 32; c < 127; ++c)
        if (isAnswerCharacter(c))
            accepted += QChar(c);
    EXPECT_EQ(accepted, "*,-./0123456789");
}

TEST(TypedCharacter, ControlCharactersAreTypedBackspaceIsEightAndDeleteTypesNothing)
{
    constexpr int kNone = -1;
    const struct {
        int key;
        const char* text;
        int character;
    } cases[] = {
        {Qt::Key_5, "5", '5'},          {Qt::Key_Plus, "+", '+'},         {Qt::Key_Space, " ", ' '},
        {Qt::Key_Return, "\r", 13},     {Qt::Key_Enter, "\r", 13},        {Qt::Key_Return, "", 13},
        {Qt::Key_Escape, "\x1b", 27},   {Qt::Key_Escape, "", 27},          {Qt::Key_A, "\x01", 1},
        {Qt::Key_Tab, "\t", 9},         {Qt::Key_Backspace, "\x7f", 8},   {Qt::Key_Backspace, "", 8},
        {Qt::Key_Delete, "\x7f", kNone}, {Qt::Key_Shift, "", kNone},       {Qt::Key_F1, "", kNone},
    };
    for (const auto& c : cases) {
        const std::optional<char16_t> typed = typedCharacter(c.key, QString::fromLatin1(c.text));
        EXPECT_EQ(typed ? int(*typed) : kNone, c.character) << "key " << std::hex << c.key;
    }
}

TEST(RunClock, RoundsHalvesToEvenAndSurvivesTheCounterWrapping)
{
    EXPECT_EQ(roundHalfEven(0.5), 0);
    EXPECT_EQ(roundHalfEven(1.5), 2);
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(2.501), 3);
    EXPECT_EQ(elapsedRunSeconds(1000, 3499), 2);
    EXPECT_EQ(elapsedRunSeconds(1000, 4500), 4);
    EXPECT_EQ(elapsedRunSeconds(0xFFFFFC18u, 1000), 2); // 1000 ms before the wrap, 1000 after
}

TEST(RunClock, MinutesSinceSignInTurnOnTheWholeSecondAndCountOnAcrossMidnight)
{
    const struct {
        int loginTime;
        double now;
        int minutes;
    } cases[] = {
        {36000, 36000 + 119.5, 1}, // the fraction of now is dropped, not rounded
        {36000, 36000 + 119.99, 1},
        {36000, 36000 + 120, 2},
        {36001, 36000.9, 0},   // signed in at 36000.6, a moment ago
        {36000, 35999.5, 0},
        {86340, 60.5, 2},      // signed in at 23:59, now 00:01
        {86400, 0.2, 0},       // signed in at 23:59:59.6
        {86400, 86399.8, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(wholeMinutesSince(c.loginTime, c.now), c.minutes) << c.loginTime << " → " << c.now;
}

TEST(RunClock, RowsEmptyFromTheLeftDuringTheTenSecondsBeforeTheirTime)
{
    const struct {
        int elapsed, time, hidden;
    } rows[] = {{30, 40, 0}, {31, 40, 1}, {35, 40, 5}, {40, 40, 10}, {41, 40, 0}, {0, 0, 10},
                {0, 99999, 0}, {300, 99999, 0}, {5, 3, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(segmentsHiddenBefore(row.elapsed, row.time), row.hidden) << row.elapsed << " s, time " << row.time;

    const std::pair<int, int> minimum60[] = {{50, -1}, {51, 0}, {55, 4}, {60, 9}, {61, -1}};
    for (const auto& [elapsed, segment] : minimum60)
        EXPECT_EQ(segmentHiddenBeforeMinimum(elapsed, 60), segment) << elapsed << " s";
}
} // namespace
