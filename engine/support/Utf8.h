#pragma once

#include <cstddef>
#include <string_view>

// Character positions and counts in UTF-8 text. A character is one code point; malformed bytes count as one
// character each, so no input can make these read past the end.
namespace engine::utf8 {

inline constexpr std::size_t npos = std::string_view::npos;

constexpr bool isContinuation(unsigned char c)
{
    return (c & 0xC0) == 0x80;
}

// Byte offset of character `pos`, or s.size() when the text is shorter.
constexpr std::size_t offsetOf(std::string_view s, std::size_t pos)
{
    std::size_t i = 0;
    while (pos > 0 && i < s.size()) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i])))
            ++i;
        --pos;
    }
    return i;
}

// Length in characters, counted as offsetOf walks them.
constexpr std::size_t length(std::string_view s)
{
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size(); ++n) {
        ++i;
        while (i < s.size() && isContinuation(static_cast<unsigned char>(s[i])))
            ++i;
    }
    return n;
}

constexpr std::string_view mid(std::string_view s, std::size_t pos, std::size_t count = npos)
{
    const std::size_t begin = offsetOf(s, pos);
    const std::string_view rest = s.substr(begin);
    return count == npos ? rest : rest.substr(0, offsetOf(rest, count));
}

// The character at `pos`; empty past the end.
constexpr std::string_view at(std::string_view s, std::size_t pos)
{
    return mid(s, pos, 1);
}

constexpr std::string_view left(std::string_view s, std::size_t n)
{
    return mid(s, 0, n);
}

constexpr std::string_view right(std::string_view s, std::size_t n)
{
    const std::size_t len = length(s);
    return n >= len ? s : mid(s, len - n);
}

// Chart columns as the saved file counts them: 1 per ASCII byte, 2 per other character.
constexpr int width(std::string_view s)
{
    int w = 0;
    for (const char c : s) {
        const auto b = static_cast<unsigned char>(c);
        if (b < 0x80)
            w += 1;
        else if (!isContinuation(b))
            w += 2;
    }
    return w;
}

// Whether s.substr(pos, count) starts and ends on character boundaries of s. In valid text that is exactly when the
// piece is whole characters, and so valid itself; a piece cut out of a character is not.
constexpr bool isWhole(std::string_view s, std::size_t pos, std::size_t count)
{
    const auto startsCharacter = [s](std::size_t i) {
        return i >= s.size() || !isContinuation(static_cast<unsigned char>(s[i]));
    };
    return pos <= s.size() && count <= s.size() - pos && startsCharacter(pos) && startsCharacter(pos + count);
}

// The length in bytes (1 to 4) of the well-formed character that starts at s[i], or 0 when none does (no overlong
// forms, surrogates or values past U+10FFFF).
constexpr std::size_t sequenceLength(std::string_view s, std::size_t i)
{
    const auto b = static_cast<unsigned char>(s[i]);
    if (b < 0x80)
        return 1;
    std::size_t extra = 0;
    char32_t cp = 0;
    if (b >= 0xC2 && b <= 0xDF) {
        extra = 1;
        cp = b & 0x1F;
    } else if (b >= 0xE0 && b <= 0xEF) {
        extra = 2;
        cp = b & 0x0F;
    } else if (b >= 0xF0 && b <= 0xF4) {
        extra = 3;
        cp = b & 0x07;
    } else {
        return 0;
    }
    if (i + extra >= s.size())
        return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto c = static_cast<unsigned char>(s[i + k]);
        if (!isContinuation(c))
            return 0;
        cp = (cp << 6) | (c & 0x3F);
    }
    const char32_t minimum = extra == 2 ? 0x800 : extra == 3 ? 0x10000 : 0x80;
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
        return 0;
    return extra + 1;
}

// True when the bytes are well-formed UTF-8.
constexpr bool isValid(std::string_view s)
{
    for (std::size_t i = 0; i < s.size();) {
        const std::size_t length = sequenceLength(s, i);
        if (length == 0)
            return false;
        i += length;
    }
    return true;
}

} // namespace engine::utf8
