#include "cli/CliJson.h"

#include "cli/OptionNames.h"
#include "engine/support/Utf8.h"

#include <cstdio>

namespace cli {
namespace {

void appendEscaped(std::string& out, char c)
{
    // The characters JSON escapes with a letter, and the letters; other control characters become \u00XX.
    constexpr std::string_view kEscaped = "\"\\\n\r\t";
    constexpr std::string_view kLetters = "\"\\nrt";
    if (const auto i = kEscaped.find(c); i != std::string_view::npos) {
        out += '\\';
        out += kLetters[i];
    } else if (static_cast<unsigned char>(c) < 0x20) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
        out += buf;
    } else {
        out += c;
    }
}

constexpr bool needsEscape(char c)
{
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

// Appends in place: the `-` mode writes a JSON line for every input line. Runs that need no escape (all of a chart's
// Chinese text) are copied whole.
void appendJsonString(std::string& out, std::string_view text)
{
    if (!engine::utf8::isValid(text))
        text = kInvalidUtf8;
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!needsEscape(text[i]))
            continue;
        out.append(text.substr(run, i - run));
        appendEscaped(out, text[i]);
        run = i + 1;
    }
    out.append(text.substr(run));
    out += '"';
}

} // namespace

std::string jsonString(std::string_view text)
{
    std::string out;
    appendJsonString(out, text);
    return out;
}

void JsonObject::appendKey(std::string_view key)
{
    if (m_text.size() > 1)
        m_text += ',';
    appendJsonString(m_text, key);
    m_text += ':';
}

JsonObject& JsonObject::text(std::string_view key, std::string_view value)
{
    appendKey(key);
    appendJsonString(m_text, value);
    return *this;
}

JsonObject& JsonObject::number(std::string_view key, long long value)
{
    appendKey(key);
    m_text += std::to_string(value);
    return *this;
}

JsonObject& JsonObject::flag(std::string_view key, bool value)
{
    appendKey(key);
    m_text += value ? "true" : "false";
    return *this;
}

JsonObject& JsonObject::json(std::string_view key, std::string_view value)
{
    appendKey(key);
    m_text += value;
    return *this;
}

std::string JsonObject::str() const
{
    return m_text + '}';
}

} // namespace cli
