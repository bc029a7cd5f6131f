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

// Appends the text quoted and escaped in one pass that also checks it is UTF-8; runs that need no escape (all of a
// chart's Chinese text) are copied whole. False, with nothing appended, for text that is not UTF-8.
bool appendQuoted(std::string& out, std::string_view text)
{
    const std::size_t start = out.size();
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = engine::utf8::sequenceLength(text, i);
        if (length == 0) {
            out.resize(start);
            return false;
        }
        if (length == 1 && needsEscape(text[i])) {
            out.append(text.substr(run, i - run));
            appendEscaped(out, text[i]);
            run = i + 1;
        }
        i += length;
    }
    out.append(text.substr(run));
    out += '"';
    return true;
}

// Appends in place: the `-` mode writes a JSON line for every input line. Text that is not UTF-8 becomes
// "<invalid UTF-8>", so the output stays valid whatever came in.
void appendJsonString(std::string& out, std::string_view text)
{
    if (!appendQuoted(out, text))
        appendQuoted(out, kInvalidUtf8);
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

void JsonWriter::beforeValue()
{
    if (!m_first)
        m_out += ',';
    m_first = false;
}

JsonWriter& JsonWriter::open(char bracket)
{
    beforeValue();
    m_out += bracket;
    m_first = true;
    return *this;
}

JsonWriter& JsonWriter::close(char bracket)
{
    m_out += bracket;
    m_first = false;
    return *this;
}

JsonWriter& JsonWriter::key(std::string_view key)
{
    beforeValue();
    appendJsonString(m_out, key);
    m_out += ':';
    m_first = true; // the value follows without a comma
    return *this;
}

JsonWriter& JsonWriter::text(std::string_view value)
{
    beforeValue();
    appendJsonString(m_out, value);
    return *this;
}

JsonWriter& JsonWriter::number(long long value)
{
    beforeValue();
    m_out += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::flag(bool value)
{
    beforeValue();
    m_out += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::null()
{
    return raw("null");
}

JsonWriter& JsonWriter::raw(std::string_view json)
{
    beforeValue();
    m_out += json;
    return *this;
}

std::string JsonObject::str() const
{
    return m_text + '}';
}

} // namespace cli
