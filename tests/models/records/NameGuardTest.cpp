#include "models/records/NameGuard.h"

#include "models/records/RecordFile.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(NameGuard, NamesThatCannotBeFileNamesAreRefused)
{
    std::string chinese83;
    for (int i = 0; i < 83; ++i)
        chinese83 += "张"; // 249 bytes: with ".txt" 253
    const struct
    {
        const char* why;
        std::string name;
        bool refused;
    } kCases[] = {
        {"a Chinese name", "张三", false},
        {"a new group", "新建组3", false},
        {"a dot inside", "Mr. Li", false},
        {"a device name inside a longer word", "CONSOLE", false},
        {"COM0 is no device", "COM0", false},
        {"longest that fits with .txt", chinese83, false},
        {"one character too long", chinese83 + "张", true},
        {"256 ASCII bytes", std::string(252, 'a'), true},
        {"empty", "", true},
        {"current folder", ".", true},
        {"parent folder", "..", true},
        {"climbs out", "../outside", true},
        {"Windows climb", "..\\outside", true},
        {"absolute", "/etc", true},
        {"colon: a drive or a stream", "C:x", true},
        {"wildcard", "a*", true},
        {"quote", "a\"b", true},
        {"pipe", "a|b", true},
        {"angle", "<a>", true},
        {"tab", "a\tb", true},
        {"line feed", "a\nb", true},
        {"delete", "a\x7F", true},
        {"leading space", " a", true},
        {"trailing space", "a ", true},
        {"trailing dot", "a.", true},
        {"device", "CON", true},
        {"device in lower case with an extension", "nul.txt", true},
        {"printer port", "LPT9", true},
        {"broken UTF-8", "\xFF\xFE", true},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(models::nameProblem(c.name, models::kRecordExtension).has_value(), c.refused);
    }
    EXPECT_FALSE(models::nameProblem(std::string(255, 'a'))); // a folder name has no extension to add
    EXPECT_TRUE(models::nameProblem(std::string(256, 'a')));
}

} // namespace
