#pragma once

#include "engine/support/Utf8.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// What the fuzz targets share: stopping on a broken property, cutting the input into arguments, and a small JSON
// reader that accepts exactly the grammar of RFC 8259.
namespace fuzz {

// Stops the run: libFuzzer keeps the input that broke `property` and reports it as a crash.
[[noreturn]] inline void fail(std::string_view property)
{
    std::fprintf(stderr, "property broken: %.*s\n", static_cast<int>(property.size()), property.data());
    std::fflush(stderr);
    __builtin_trap();
}

inline void check(bool holds, std::string_view property)
{
    if (!holds)
        fail(property);
}

inline void checkUtf8(std::string_view text, std::string_view what)
{
    check(engine::utf8::isValid(text), what);
}

inline std::string_view asText(const std::uint8_t* data, std::size_t size)
{
    return {reinterpret_cast<const char*>(data), size};
}

// The input cut at every LF: one argument per line, so that seeds stay readable text files.
inline std::vector<std::string> lines(std::string_view text)
{
    std::vector<std::string> result;
    std::size_t begin = 0;
    for (std::size_t end = text.find('\n'); end != std::string_view::npos; end = text.find('\n', begin)) {
        result.emplace_back(text.substr(begin, end - begin));
        begin = end + 1;
    }
    result.emplace_back(text.substr(begin));
    return result;
}

// Reads one JSON value; nothing when the text is not JSON. A string value comes back decoded (escapes resolved,
// \u escapes written as UTF-8), so that a writer's output can be compared with what it was given.
class JsonReader
{
public:
    explicit JsonReader(std::string_view text) : m_text(text) {}

    // The whole text is one JSON value, blanks around it allowed.
    bool document()
    {
        skipBlanks();
        if (!value(0))
            return false;
        skipBlanks();
        return m_pos == m_text.size();
    }

    // The whole text is one JSON string; its decoded content.
    std::optional<std::string> stringDocument()
    {
        std::string decoded;
        if (!string(&decoded) || m_pos != m_text.size())
            return std::nullopt;
        return decoded;
    }

private:
    static constexpr int kMaxDepth = 64;

    bool value(int depth)
    {
        if (depth > kMaxDepth || m_pos >= m_text.size())
            return false;
        switch (m_text[m_pos]) {
        case '{':
            return object(depth);
        case '[':
            return array(depth);
        case '"':
            return string(nullptr);
        case 't':
            return word("true");
        case 'f':
            return word("false");
        case 'n':
            return word("null");
        default:
            return number();
        }
    }

    bool object(int depth)
    {
        return items('}', [&] {
            if (!string(nullptr))
                return false;
            skipBlanks();
            if (!take(':'))
                return false;
            skipBlanks();
            return value(depth + 1);
        });
    }

    bool array(int depth)
    {
        return items(']', [&] { return value(depth + 1); });
    }

    // Comma-separated items up to `close`, after the opening bracket; `item` reads one.
    template <class Item> bool items(char close, Item item)
    {
        ++m_pos; // the opening bracket
        skipBlanks();
        if (take(close))
            return true;
        do {
            skipBlanks();
            if (!item())
                return false;
            skipBlanks();
        } while (take(','));
        return take(close);
    }

    // A string; written to `decoded` when given.
    bool string(std::string* decoded)
    {
        if (!take('"'))
            return false;
        while (m_pos < m_text.size()) {
            const char c = m_text[m_pos++];
            if (c == '"')
                return true;
            if (static_cast<unsigned char>(c) < 0x20)
                return false; // control characters must be escaped
            if (c != '\\') {
                if (decoded)
                    *decoded += c;
                continue;
            }
            if (!escape(decoded))
                return false;
        }
        return false; // no closing quote
    }

    bool escape(std::string* decoded)
    {
        if (m_pos >= m_text.size())
            return false;
        const char c = m_text[m_pos++];
        constexpr std::string_view kLetters = "\"\\/bfnrt";
        constexpr std::string_view kMeanings = "\"\\/\b\f\n\r\t";
        if (const std::size_t i = kLetters.find(c); i != std::string_view::npos) {
            if (decoded)
                *decoded += kMeanings[i];
            return true;
        }
        if (c != 'u')
            return false;
        const auto unit = hex4();
        if (!unit)
            return false;
        char32_t code = *unit;
        if (code >= 0xD800 && code <= 0xDBFF) { // a high surrogate needs its low half
            if (!take('\\') || !take('u'))
                return false;
            const auto low = hex4();
            if (!low || *low < 0xDC00 || *low > 0xDFFF)
                return false;
            code = 0x10000 + ((code - 0xD800) << 10) + (*low - 0xDC00);
        } else if (code >= 0xDC00 && code <= 0xDFFF) {
            return false; // a lone low surrogate
        }
        if (decoded)
            appendUtf8(*decoded, code);
        return true;
    }

    std::optional<char32_t> hex4()
    {
        if (m_text.size() - m_pos < 4)
            return std::nullopt;
        char32_t unit = 0;
        for (int i = 0; i < 4; ++i) {
            const char h = m_text[m_pos++];
            const int digit = h >= '0' && h <= '9'   ? h - '0'
                              : h >= 'a' && h <= 'f' ? h - 'a' + 10
                              : h >= 'A' && h <= 'F' ? h - 'A' + 10
                                                     : -1;
            if (digit < 0)
                return std::nullopt;
            unit = unit * 16 + static_cast<char32_t>(digit);
        }
        return unit;
    }

    static void appendUtf8(std::string& out, char32_t code)
    {
        if (code < 0x80) {
            out += static_cast<char>(code);
        } else if (code < 0x800) {
            out += static_cast<char>(0xC0 | (code >> 6));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else if (code < 0x10000) {
            out += static_cast<char>(0xE0 | (code >> 12));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (code >> 18));
            out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (code & 0x3F));
        }
    }

    // -?(0|[1-9][0-9]*)(.[0-9]+)?([eE][+-]?[0-9]+)?
    bool number()
    {
        take('-');
        if (take('0')) {
            // no more integer digits after a leading zero
        } else if (!digits()) {
            return false;
        }
        if (take('.') && !digits())
            return false;
        if (take('e') || take('E')) {
            if (!take('+'))
                take('-');
            return digits();
        }
        return true;
    }

    bool digits()
    {
        const std::size_t start = m_pos;
        while (m_pos < m_text.size() && m_text[m_pos] >= '0' && m_text[m_pos] <= '9')
            ++m_pos;
        return m_pos > start;
    }

    bool word(std::string_view w)
    {
        if (m_text.substr(m_pos, w.size()) != w)
            return false;
        m_pos += w.size();
        return true;
    }

    bool take(char c)
    {
        if (m_pos < m_text.size() && m_text[m_pos] == c) {
            ++m_pos;
            return true;
        }
        return false;
    }

    void skipBlanks()
    {
        while (m_pos < m_text.size() && std::string_view(" \t\r\n").find(m_text[m_pos]) != std::string_view::npos)
            ++m_pos;
    }

    std::string_view m_text;
    std::size_t m_pos = 0;
};

// Valid JSON and valid UTF-8.
inline void checkJson(std::string_view text, std::string_view what)
{
    checkUtf8(text, what);
    check(JsonReader(text).document(), what);
}

} // namespace fuzz
