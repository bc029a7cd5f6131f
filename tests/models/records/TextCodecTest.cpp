#include "models/records/TextCodec.h"

#include <gtest/gtest.h>

#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

const std::string kBad(models::kReplacementCharacter);

TEST(TextCodec, DecodesUtf8AndGb18030)
{
    const struct
    {
        const char* why;
        std::string bytes;
        std::string text;
        std::size_t replaced;
    } kCases[] = {
        {"UTF-8 is kept", "张三\r\n", "张三\r\n", 0},
        {"a UTF-8 byte-order mark is dropped", "\xEF\xBB\xBF张三", "张三", 0},
        {"GB18030 two-byte 张三 (D5C5 C8FD in the GB 2312 table)", "\xD5\xC5\xC8\xFD", "张三", 0},
        {"GB18030 four-byte U+0080, the first four-byte code 81308130", "\x81\x30\x81\x30", "\xC2\x80", 0},
        {"ASCII is the same in both", "abc", "abc", 0},
        {"a lead byte cut off at the end", "\xD5", kBad, 1},
        {"0xFF is no GB18030 lead byte, twice", "\xFF\xFF", kBad + kBad, 2},
        {"empty bytes are empty text", "", "", 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
#ifdef _WIN32
        if (c.bytes.starts_with("\x81\x30") && !IsValidCodePage(54936))
            continue; // Wine has only the two-byte code page 936
#endif
        const models::DecodedText decoded = models::decodeStoredText(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.replaced, c.replaced);
    }
}

// Where each U+FFFD goes and what it stands for: the bytes after a bad lead byte are read again, so text after it,
// a line end above all, is never swallowed.
TEST(TextCodec, ReplacesEachUnreadableSequenceOnce)
{
    const struct
    {
        const char* why;
        std::string bytes;
        std::string text;
        std::size_t replaced;
    } kCases[] = {
        {"a lead byte before a line end: the line end stays", "\xD5\xC5\xD5\r\n", "张" + kBad + "\r\n", 1},
        {"a lead byte before ASCII that is no trail byte", "\xD5\x20\xC8\xFD", kBad + " 三", 1},
        {"0x80 starts nothing", "\x80\xD5\xC5", kBad + "张", 1},
        {"a four-byte start without its third byte: the digit comes back", "\x81\x30\x41", kBad + "0A", 1},
        {"a four-byte start cut off at the end", "\xD5\xC5\x81\x30\x81", "张" + kBad + "0" + kBad, 2},
        {"a well-formed four-byte code beyond U+FFFF's last one, FE39FE39", "\xFE\x39\xFE\x39\xD5\xC5", kBad + "张", 1},
        {"a run of stray bytes, one U+FFFD each", "\xFF\x80\xFF", kBad + kBad + kBad, 3},
        {"a byte-order mark before GB18030 is dropped too", "\xEF\xBB\xBF\xD5\xC5", "张", 0},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const models::DecodedText decoded = models::decodeStoredText(c.bytes);
        EXPECT_EQ(decoded.text, c.text);
        EXPECT_EQ(decoded.replaced, c.replaced);
    }
}

} // namespace
