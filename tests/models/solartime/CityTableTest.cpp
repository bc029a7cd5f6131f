#include "models/solartime/CityTable.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <charconv>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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
        {17, "汕头     116度40分  -13分20秒"},  // three-digit degrees, mended from a dropped digit
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

// The number that starts `text`, and the rest after `unit` ("116度40分" -> 116, "40分").
std::optional<std::pair<int, std::string_view>> numberBefore(std::string_view text, std::string_view unit)
{
    int value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    const std::string_view rest = text.substr(static_cast<std::size_t>(end - text.data()));
    if (error != std::errc{} || !rest.starts_with(unit))
        return std::nullopt;
    return std::pair{value, rest.substr(unit.size())};
}

// One minute of arc east of 120度 puts mean solar time 4 seconds ahead of zone time. The rule is exact: every row
// is a whole number of arc minutes, so its difference is a whole number of seconds and nothing is rounded.
TEST(CityTable, EveryDifferenceFollowsFromTheLongitude)
{
    for (std::size_t i = 1; i < std::size(kCityRows); ++i) {
        const std::string_view row = kCityRows[i];
        SCOPED_TRACE(std::string(row));
        const auto degrees = numberBefore(row.substr(row.find_first_of("0123456789")), "度");
        ASSERT_TRUE(degrees);
        const auto minutes = numberBefore(degrees->second, "分");
        ASSERT_TRUE(minutes);
        const std::string_view difference = row.substr(row.find_first_of("+-"));
        const auto diffMinutes = numberBefore(difference.substr(1), "分");
        ASSERT_TRUE(diffMinutes);
        const auto diffSeconds = numberBefore(diffMinutes->second, "秒");
        ASSERT_TRUE(diffSeconds);
        EXPECT_LT(minutes->first, 60);
        EXPECT_LT(diffSeconds->first, 60);
        const int arcMinutesEast = degrees->first * 60 + minutes->first - 120 * 60;
        const int sign = difference.front() == '-' ? -1 : 1;
        EXPECT_EQ(sign * (diffMinutes->first * 60 + diffSeconds->first), arcMinutesEast * 4);
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
