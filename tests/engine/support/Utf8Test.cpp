#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace utf8 = engine::utf8;

namespace {

// Two CJK characters, two ASCII letters, two CJK characters: 14 bytes.
constexpr std::string_view kMixed = "农历ab甲子";

TEST(Utf8, CountsAndCutsMixedTextByCharacter)
{
    EXPECT_EQ(utf8::length(kMixed), 6u);
    EXPECT_EQ(utf8::mid(kMixed, 2, 2), "ab");
    EXPECT_EQ(utf8::mid(kMixed, 1, 2), "历a");
    EXPECT_EQ(utf8::mid(kMixed, 4), "甲子");
    EXPECT_EQ(utf8::mid(kMixed, 5, 100), "子"); // count past the end stops at the end
    EXPECT_EQ(utf8::mid(kMixed, 6), "");
    EXPECT_EQ(utf8::mid(kMixed, 99, 1), "");
    EXPECT_EQ(utf8::at(kMixed, 0), "农");
    EXPECT_EQ(utf8::at(kMixed, 3), "b");
    EXPECT_EQ(utf8::at(kMixed, 5), "子");
    EXPECT_EQ(utf8::at(kMixed, 6), ""); // empty past the end
    EXPECT_EQ(utf8::left(kMixed, 3), "农历a");
    EXPECT_EQ(utf8::right(kMixed, 2), "甲子");
    EXPECT_EQ(utf8::right(kMixed, 3), "b甲子");
    EXPECT_EQ(utf8::right(kMixed, 6), kMixed);
    EXPECT_EQ(utf8::right(kMixed, 60), kMixed);
    EXPECT_EQ(utf8::right(kMixed, 0), "");
}

TEST(Utf8, WidthCountsTwoColumnsPerNonAsciiCharacter)
{
    const struct
    {
        std::string_view text;
        int width;
    } cases[] = {
        {"", 0},                 // nothing
        {"abc", 3},              // ASCII: one each
        {"甲子", 4},             // CJK: two each
        {kMixed, 10},            // 2 + 2 + 1 + 1 + 2 + 2
        {"地区     经度", 13},   // a header as the city table lays it out
        {"\xF0\xA0\x80\x80", 2}, // U+20000, four bytes, still two columns
        {"é", 2},                // any non-ASCII character counts two
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(utf8::width(c.text), c.width);
    }
}

TEST(Utf8, FourByteCharactersAreOneCharacter)
{
    constexpr std::string_view s = "a\xF0\xA0\x80\x80"
                                   "b"; // a, U+20000, b
    EXPECT_EQ(utf8::length(s), 3u);
    EXPECT_EQ(utf8::at(s, 1), "\xF0\xA0\x80\x80");
    EXPECT_EQ(utf8::at(s, 2), "b");
}

TEST(Utf8, MalformedTextNeverReadsPastTheEnd)
{
    const std::string_view cases[] = {
        "\xE7\x94",     // truncated 甲
        "a\xE7",        // lead byte at the end
        "\x80\x80",     // continuation bytes only
        "\xFF\xFE",     // bytes that never occur in UTF-8
        "\xF0\xA0\x80", // truncated four-byte character
    };
    for (const auto s : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(s)));
        for (std::size_t pos = 0; pos < 6; ++pos) {
            const auto piece = utf8::mid(s, pos, 2);
            EXPECT_GE(piece.data(), s.data());
            EXPECT_LE(piece.data() + piece.size(), s.data() + s.size());
        }
        EXPECT_LE(utf8::length(s), s.size());
        EXPECT_LE(utf8::right(s, 1).size(), s.size());
    }
}

TEST(Utf8, LengthAgreesWithAtOnAStrayLeadingContinuationByte)
{
    // Malformed bytes are meant to count as one character each, so length and at must agree on where the text ends.
    constexpr std::string_view s = "\x80"
                                   "a";
    EXPECT_EQ(utf8::at(s, 0), "\x80");
    EXPECT_EQ(utf8::at(s, 1), "a");
    EXPECT_EQ(utf8::length(s), 2u);
}

TEST(Utf8, IsValidAcceptsWellFormedAndRejectsMalformedBytes)
{
    const struct
    {
        std::string_view bytes;
        bool valid;
    } cases[] = {
        {"", true},                  // nothing
        {"abc", true},               // ASCII
        {kMixed, true},              // mixed CJK and ASCII
        {"\xC2\x80", true},          // U+0080, smallest two-byte value
        {"\xDF\xBF", true},          // U+07FF, largest two-byte value
        {"\xE0\xA0\x80", true},      // U+0800, smallest three-byte value
        {"\xED\x9F\xBF", true},      // U+D7FF, just below the surrogates
        {"\xEE\x80\x80", true},      // U+E000, just above the surrogates
        {"\xEF\xBF\xBF", true},      // U+FFFF
        {"\xF0\x90\x80\x80", true},  // U+10000, smallest four-byte value
        {"\xF4\x8F\xBF\xBF", true},  // U+10FFFF, the last code point
        {"\xC0\xAF", false},         // overlong '/'
        {"\xC1\xBF", false},         // overlong two-byte form
        {"\xE0\x80\xAF", false},     // overlong three-byte '/'
        {"\xE0\x9F\xBF", false},     // overlong U+07FF
        {"\xF0\x8F\xBF\xBF", false}, // overlong U+FFFF
        {"\xED\xA0\x80", false},     // high surrogate U+D800
        {"\xED\xBF\xBF", false},     // low surrogate U+DFFF
        {"\xF4\x90\x80\x80", false}, // U+110000, past the last code point
        {"\xF5\x80\x80\x80", false}, // lead byte that cannot start anything
        {"\xFF", false},             //
        {"\x80", false},             // stray continuation byte
        {"a\xBF"
         "b",
         false},             // stray continuation byte inside text
        {"\xE7\x94", false}, // 甲 cut short
        {"\xE7", false},     // lead byte alone at the end
        {"\xE7\x94"
         "a",
         false},                     // continuation replaced by ASCII
        {"\xF0\xA0\x80", false},     // four-byte character cut short
        {"\xBC\xD7\xD7\xD3", false}, // 甲子 in GB18030
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::string(c.bytes)));
        EXPECT_EQ(utf8::isValid(c.bytes), c.valid);
    }
}

TEST(Utf8, IsWholeTellsCharactersFromPiecesOfThem)
{
    // kMixed byte offsets: 农 0-2, 历 3-5, a 6, b 7, 甲 8-10, 子 11-13.
    const struct
    {
        std::size_t pos;
        std::size_t count;
        bool whole;
        const char* why;
    } cases[] = {
        {0, 3, true, "one character"},
        {3, 5, true, "a character and two letters"},
        {8, 6, true, "up to the end"},
        {14, 0, true, "empty at the end"},
        {6, 0, true, "empty between characters"},
        {0, 1, false, "a lead byte alone"},
        {9, 2, false, "the tail of 甲"},
        {10, 2, false, "the last byte of 甲 and the first of 子"},
        {11, 2, false, "子 cut short at the end of the text"},
        {1, 0, false, "empty inside a character"},
        {12, 5, false, "past the end"},
        {15, 0, false, "starting past the end"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(utf8::isWhole(kMixed, c.pos, c.count), c.whole);
    }
}

} // namespace
