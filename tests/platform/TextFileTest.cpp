#include "platform/TextFile.h"

#include <gtest/gtest.h>

namespace {
struct ItemCase {
    const char* name;
    const char16_t* text;
    QList<QStringList> lines;
};

class ItemReader : public ::testing::TestWithParam<ItemCase> {};

TEST_P(ItemReader, SplitsLinesIntoItems)
{
    EXPECT_EQ(parseItemLines(QString::fromUtf16(GetParam().text)), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ItemReader,
    ::testing::Values(
        ItemCase{"plain", u"a,b,c\r\n", {{"a", "b", "c"}}},
        ItemCase{"lastLineWithoutLineEnd", u"a,b\r\nc,d", {{"a", "b"}, {"c", "d"}}},
        ItemCase{"quotesRemovedAndKeepCommas", u"\"x, y\",\" z \"\r\n", {{"x, y", " z "}}},
        ItemCase{"spacesAroundUnquotedDropped", u"  12 , 名前 ,3\r\n", {{"12", u"名前"_qs, "3"}}},
        ItemCase{"emptyItems", u"1,,3,,\r\n", {{"1", "", "3", "", ""}}},
        ItemCase{"emptyQuotedItem", u"\"\",x\r\n", {{"", "x"}}},
        ItemCase{"textAfterClosingQuoteIgnored", u"\"ab\"cd,e\r\n", {{"ab", "e"}}},
        ItemCase{"blankLinesHaveNoItems", u"a\r\n\r\n  \r\nb\r\n", {{"a"}, {"b"}}},
        ItemCase{"bareLineFeeds", u"a\nb\n", {{"a"}, {"b"}}},
        ItemCase{"emptyText", u"", {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ItemReader, FlattensItemsOverLines)
{
    EXPECT_EQ(parseItems(QStringLiteral("a,b\r\n\r\nc\r\n")), QStringList({"a", "b", "c"}));
}

TEST(ItemReader, AsAStreamEveryLineEndEndsAnItem)
{
    const std::pair<const char*, QStringList> cases[] = {
        {"a\r\n\r\nb\r\n", {"a", "", "b"}},
        {"a,b\r\n\r\n\r\n", {"a", "b", "", ""}},
        {"1,\r\nx", {"1", "", "x"}},
        {"  \r\n\"\"\r\n", {"", ""}},
        {"\r\n", {""}},
        {"a\n\nb", {"a", "", "b"}},
        {"", {}},
    };
    for (const auto& [text, items] : cases)
        EXPECT_EQ(parseItemStream(QString::fromLatin1(text)), items) << text;
}

TEST(CodePage932, RoundTripsTheProgramsOwnTexts)
{
    const QString texts[] = {
        QStringLiteral("～－①"),           QStringLiteral("１０－＊"),
        QStringLiteral("レベル４－1"),       QStringLiteral("ﾊﾞｰｼﾞｮﾝ情報"),
        QStringLiteral("ｸﾘｱﾎﾟｲﾝﾄ"),         QStringLiteral("音声がでません。先生を呼びなさい。"),
        QStringLiteral("★山田先生　花子"),
    };
    for (const QString& text : texts)
        EXPECT_EQ(decodeCp932(encodeCp932(text)), text) << text.toStdString();
    EXPECT_EQ(encodeCp932(QStringLiteral("～－①")), QByteArray("\x81\x60\x81\x7C\x87\x40"));
}

TEST(LineWriter, EndsEveryLineWithCrLf)
{
    EXPECT_EQ(encodeLines({QStringLiteral("目標"), "1,2"}), encodeCp932(QStringLiteral("目標")) + "\r\n1,2\r\n");
}

TEST(LeadingNumber, ReadsTheNumberAtTheStart)
{
    const std::pair<QString, double> cases[] = {
        {"12345", 12345}, {"00000", 0},  {"  42abc", 42}, {"1.5", 1.5}, {"-3", -3},
        {"abc", 0},       {"", 0},       {".5", 0.5},     {"12345みなも", 12345}, {"+", 0},
    };
    for (const auto& [text, value] : cases)
        EXPECT_DOUBLE_EQ(leadingNumber(text), value) << text.toStdString();
}
} // namespace
