#include "models/records/TextCodec.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(TextCodec, DecodesUtf8AndGb18030)
{
    const struct
    {
        const char* why;
        std::string bytes;
        std::optional<std::string> text;
    } kCases[] = {
        {"UTF-8 is kept", "张三\r\n", "张三\r\n"},
        {"a UTF-8 byte-order mark is dropped", "\xEF\xBB\xBF张三", "张三"},
        {"GB18030 two-byte 张三 (D5C5 C8FD in the GB 2312 table)", "\xD5\xC5\xC8\xFD", "张三"},
        {"GB18030 four-byte U+0080, the first four-byte code 81308130", "\x81\x30\x81\x30", "\xC2\x80"},
        {"ASCII is the same in both", "abc", "abc"},
        {"a lead byte cut off at the end is neither", "\xD5", std::nullopt},
        {"0xFF is no GB18030 lead byte", "\xFF\xFF", std::nullopt},
        {"empty bytes are empty text", "", ""},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
#ifdef _WIN32
        if (c.bytes.starts_with("\x81\x30") && !IsValidCodePage(54936))
            continue; // Wine has only the two-byte code page 936
#endif
        EXPECT_EQ(models::decodeStoredText(c.bytes), c.text);
    }
}

} // namespace
