#include "models/solartime/CityTable.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <string_view>

using models::kCityRows;

namespace {

// Display column at which the text after `prefix` starts.
int columnAfter(std::string_view row, std::string_view prefix)
{
    return engine::utf8::width(row.substr(0, row.find(prefix) + prefix.size()));
}

TEST(CityTable, HeaderFirstThenPlacesInPrintedOrder)
{
    const struct
    {
        std::size_t index;
        const char* row;
    } kRows[] = {
        {0, "地区     经度       时差"},        // header
        {1, "台北     121度31分  +6分04秒"},    // first place
        {3, "石家庄   114度26分  -22分16秒"},   // three-character name
        {17, "汕头     16度40分   -13分20秒"},  // longitude kept as printed
        {23, "乌鲁木齐 87度36分   -129分36秒"}, // four-character name, two-digit degrees
        {99, "曲水     90度44分   -117分04秒"}, // last place
    };
    for (const auto& c : kRows) {
        SCOPED_TRACE(c.index);
        EXPECT_EQ(kCityRows[c.index], c.row);
    }
}

TEST(CityTable, ColumnsStartAtNineAndTwenty)
{
    for (std::size_t i = 1; i < std::size(kCityRows); ++i) {
        const std::string_view row = kCityRows[i];
        SCOPED_TRACE(std::string(row));
        const auto sign = row.find_first_of("+-");
        ASSERT_NE(sign, std::string_view::npos);
        EXPECT_EQ(engine::utf8::width(row.substr(0, sign)), 20);
        EXPECT_EQ(row[sign - 1], ' ');
        const auto digit = row.find_first_of("0123456789");
        EXPECT_EQ(engine::utf8::width(row.substr(0, digit)), 9);
        EXPECT_EQ(row[digit - 1], ' ');
        EXPECT_LT(row.find("度"), sign);
        EXPECT_EQ(columnAfter(row, "秒"), engine::utf8::width(row)); // nothing after the difference
    }
}

TEST(CityTable, TextEndsEveryLineWithCrLf)
{
    const std::string text = models::cityTableText();
    std::size_t lines = 0;
    for (auto pos = text.find("\r\n"); pos != std::string::npos; pos = text.find("\r\n", pos + 2))
        ++lines;
    EXPECT_EQ(lines, 100u);
    EXPECT_TRUE(text.ends_with("曲水     90度44分   -117分04秒\r\n"));
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 100); // no bare line feeds
}

} // namespace
