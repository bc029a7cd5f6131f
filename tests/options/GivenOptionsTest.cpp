#include "options/GivenOptions.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace {

using options::GivenOptions;
using options::NamedOption;

constexpr NamedOption kKnown[] = {{"--from", "a year"}, {"--leap"}};

struct Read
{
    std::vector<std::string_view> words;
    bool takesValues;
    std::string error; // empty when every word is used
    std::optional<std::string_view> from;
    std::vector<std::string_view> values;
    const char* why;
};

// clang-format off
const Read kReads[] = {
    {{"--from", "1984"}, false, "", "1984", {}, "the value as the next word"},
    {{"--from=1984"}, false, "", "1984", {}, "the value after '='"},
    {{"--from="}, false, "", "", {}, "an empty value after '=' is still given"},
    {{"--from=a=b"}, false, "", "a=b", {}, "only the first '=' separates"},
    {{"--from", "--leap"}, false, "--from needs a year", std::nullopt, {}, "a word with -- is no value"},
    {{"--from", "-5"}, false, "", "-5", {}, "a negative number is a value; the command judges it"},
    {{"--from"}, false, "--from needs a year", std::nullopt, {}, "the value is missing at the end"},
    {{"--leap=1"}, false, "--leap takes no value", std::nullopt, {}, "a flag takes none"},
    {{"--leap", "--leap"}, false, "--leap is given twice", std::nullopt, {}, "each option once"},
    {{"--json", "--json"}, false, "--json is given twice", std::nullopt, {}, "the common ones too"},
    {{"--fro", "1"}, false, "unknown option \"--fro\"", std::nullopt, {}, "no abbreviations"},
    {{"-x"}, true, "unknown option \"-x\"", std::nullopt, {}, "a single dash and a letter is an option"},
    {{"1984"}, false, "unexpected argument \"1984\"", std::nullopt, {}, "a request command takes no values"},
    {{"-5", "-", "x"}, true, "", std::nullopt, {"-5", "-", "x"}, "a negative number and - are values"},
    {{"--", "--leap", "-h"}, true, "", std::nullopt, {"--leap", "-h"}, "-- ends the options"},
    {{"--"}, false, "unknown option \"--\"", std::nullopt, {}, "-- ends options only where values are taken"},
    {{"a", "--from", "1", "b"}, true, "", "1", {"a", "b"}, "options and values mix"},
};
// clang-format on

TEST(GivenOptions, ReadsNamedOptionsAndValues)
{
    for (const Read& c : kReads) {
        SCOPED_TRACE(c.why);
        const GivenOptions given(c.words, kKnown, c.takesValues);
        EXPECT_EQ(given.error(), c.error);
        if (!c.error.empty())
            continue; // the words after the first bad one are not read
        EXPECT_EQ(given.value("--from"), c.from);
        EXPECT_EQ(given.values(), c.values);
        EXPECT_FALSE(given.help());
    }
}

TEST(GivenOptions, TakesALoneDashAnywhereWhenAskedTo)
{
    const struct
    {
        std::vector<std::string_view> words;
        bool dash;
        const char* error;
        const char* why;
    } cases[] = {
        {{"-", "--leap"}, true, "", "first"},
        {{"--leap", "-"}, true, "", "last"},
        {{"--from", "-", "--leap"}, false, "", "an option's value is not the dash"},
        {{"--from", "1", "-", "x"}, true, "unexpected argument \"x\"", "other words are still refused"},
        {{"--leap"}, false, "", "none"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const GivenOptions given(c.words, kKnown, false, true);
        EXPECT_EQ(given.error(), c.error);
        EXPECT_EQ(given.dash(), c.dash);
    }
    const std::vector<std::string_view> dash = {"-"};
    EXPECT_EQ(GivenOptions(dash, kKnown).error(), "unexpected argument \"-\""); // not asked to: refused
}

TEST(GivenOptions, HelpWinsOverAnyError)
{
    const struct
    {
        std::vector<std::string_view> words;
        bool help;
        const char* why;
    } cases[] = {
        {{"--bogus", "-h"}, true, "after an unknown option"},
        {{"--from", "--help"}, true, "where a value was wanted"},
        {{"-h", "--help"}, true, "given twice, under both names"},
        {{"--", "--help"}, false, "after -- it is a value"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(GivenOptions(c.words, kKnown, true).help(), c.help);
    }
}

TEST(GivenOptions, MissingNamesTheRequiredOptionsNotGiven)
{
    const std::vector<std::string_view> words = {"--leap", "--json"};
    const GivenOptions given(words, kKnown);
    EXPECT_TRUE(given.json());
    EXPECT_EQ(given.missing({"--from", "--leap", "--help"}), "missing --from, --help");
    EXPECT_EQ(given.missing({"--leap", "--json"}), std::nullopt);
}

} // namespace
