#pragma once

#include <string>
#include <string_view>

// JSON as the tool writes it: one object per line, fields in a fixed order.
namespace cli {

// A JSON string: quoted, quotes, backslashes and control characters escaped; text that is not UTF-8 becomes
// "<invalid UTF-8>", so the output stays valid whatever came in.
std::string jsonString(std::string_view text);

// A JSON object written field by field, in order.
class JsonObject
{
public:
    JsonObject& text(std::string_view key, std::string_view value);
    JsonObject& number(std::string_view key, long long value);
    JsonObject& flag(std::string_view key, bool value);
    JsonObject& json(std::string_view key, std::string_view value); // a value already written as JSON
    std::string str() const;

private:
    void appendKey(std::string_view key);

    std::string m_text = "{";
};

// JSON written straight into one buffer, for outputs written in bulk (a chart a line in batches): objects and arrays
// nest, and the writer puts the commas.
class JsonWriter
{
public:
    explicit JsonWriter(std::string& out) : m_out(out) {}

    JsonWriter& open(char bracket); // '{' or '[': a value of its own
    JsonWriter& close(char bracket);
    JsonWriter& key(std::string_view key); // the next value is this key's
    JsonWriter& text(std::string_view value);
    JsonWriter& number(long long value);
    JsonWriter& flag(bool value);
    JsonWriter& null();
    JsonWriter& raw(std::string_view json); // a value already written as JSON

    template <typename Range> JsonWriter& texts(const Range& values)
    {
        open('[');
        for (const auto& value : values)
            text(value);
        return close(']');
    }

private:
    void beforeValue();

    std::string& m_out;
    bool m_first = true; // nothing written yet in the innermost object or array, or a key just written
};

// A JSON array of the items, each written as JSON by `write`.
template <typename Range, typename Write> std::string jsonArray(const Range& items, Write write)
{
    std::string out = "[";
    for (const auto& item : items) {
        if (out.size() > 1)
            out += ',';
        out += write(item);
    }
    return out + ']';
}

// A JSON array of texts.
template <typename Range> std::string jsonStrings(const Range& texts)
{
    return jsonArray(texts, [](std::string_view text) { return jsonString(text); });
}

} // namespace cli
