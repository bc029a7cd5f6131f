#include "engine/analysis/SymbolMemo.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// UTF-8 of one code point below U+10000.
std::string utf8Of(char32_t cp)
{
    std::string s;
    if (cp < 0x80) {
        s += static_cast<char>(cp);
    } else if (cp < 0x800) {
        s += static_cast<char>(0xC0 | (cp >> 6));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        s += static_cast<char>(0xE0 | (cp >> 12));
        s += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
        s += static_cast<char>(0x80 | (cp & 0x3F));
    }
    return s;
}

// Brute force against the calendar's own names: every character of the Basic Multilingual Plane is a stem, a branch
// or none, and only the stems and branches have an index.
TEST(SymbolIndex, FindsExactlyTheStemsAndBranches)
{
    int found = 0;
    for (char32_t cp = 1; cp < 0x10000; ++cp) {
        if (cp >= 0xD800 && cp <= 0xDFFF)
            continue;
        const std::string text = utf8Of(cp);
        int expected = -1;
        for (int i = 0; i < 10; ++i)
            if (engine::stemName(i) == text)
                expected = i;
        for (int i = 0; i < 12; ++i)
            if (engine::branchName(i) == text)
                expected = 10 + i;
        ASSERT_EQ(engine::memo::symbolIndex(text), expected) << static_cast<unsigned>(cp);
        found += expected >= 0;
    }
    EXPECT_EQ(found, engine::memo::kSymbols);
    // Texts of other lengths, and bytes that only look like a three-byte character.
    EXPECT_EQ(engine::memo::symbolIndex("甲子"), -1);
    EXPECT_EQ(engine::memo::symbolIndex(""), -1);
    EXPECT_EQ(engine::memo::symbolIndex(std::string("\xE7\x94", 2)), -1);
    EXPECT_EQ(engine::memo::symbolIndex("\xE7\x94\xE2"), -1);
    EXPECT_EQ(engine::memo::symbolIndex("\xF0\x94\xB2"), -1);
}

} // namespace
