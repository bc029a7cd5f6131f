#pragma once

#include "engine/support/Utf8.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// Searching the encoded analysis tables in place: rows "<key or name>*<entry>,<entry>,...", entries often
// "<key part>:<values part>". Every test is a byte substring test, which is safe in UTF-8 because a whole character
// never matches inside another one. The rows are valid UTF-8, so a key found in one is whole characters exactly when
// it begins and ends on character boundaries there, and it does so at every place it is found or at none: the
// helpers below take a hit only then, and find nothing for a fragment of a character, as for an unknown key. An
// empty needle is contained everywhere, so it matches the first candidate.
namespace engine::tables {

// The first row whose first character is `key`; empty when none (an empty key or a fragment matches no row, since
// the comparison is with a whole character).
template <std::size_t N>
constexpr std::string_view findRow(const std::array<std::string_view, N>& rows, std::string_view key)
{
    for (const std::string_view row : rows) {
        if (utf8::at(row, 0) == key)
            return row;
    }
    return {};
}

// The first row that holds `needle` anywhere; empty when none.
template <std::size_t N>
constexpr std::string_view findRowContaining(const std::array<std::string_view, N>& rows, std::string_view needle)
{
    for (const std::string_view row : rows) {
        if (const std::size_t at = row.find(needle); at != std::string_view::npos)
            return utf8::isWhole(row, at, needle.size()) ? row : std::string_view{};
    }
    return {};
}

// The first comma-separated entry of `entries` that `match` accepts; nothing when none does or there are none.
template <class Match> constexpr std::optional<std::string_view> findEntry(std::string_view entries, Match match)
{
    while (!entries.empty()) {
        const std::size_t comma = entries.find(',');
        const std::string_view entry = entries.substr(0, comma);
        if (match(entry))
            return entry;
        entries = comma == std::string_view::npos ? std::string_view{} : entries.substr(comma + 1);
    }
    return std::nullopt;
}

struct Entry
{
    std::string_view key;
    std::string_view values;
};

// "<key>:<values>" split at its first ':'; without one, the values are empty.
constexpr Entry splitEntry(std::string_view entry)
{
    const std::size_t colon = entry.find(':');
    if (colon == std::string_view::npos)
        return {entry, {}};
    return {entry.substr(0, colon), entry.substr(colon + 1)};
}

// text.find(needle, from), keyed on the needle's last byte: the lead bytes of CJK characters repeat too often
// for the library's first-byte scan, while their last bytes spread over 64 values. The needle is not checked: the
// helpers that take a caller's key do that.
constexpr std::size_t findText(std::string_view text, std::string_view needle, std::size_t from = 0)
{
    if (needle.size() < 2)
        return text.find(needle, from);
    const std::size_t last = needle.size() - 1;
    for (std::size_t end = from + last; end < text.size(); ++end) {
        const std::size_t hit = text.find(needle.back(), end);
        if (hit == std::string_view::npos)
            return std::string_view::npos;
        if (text.compare(hit - last, last, needle, 0, last) == 0)
            return hit - last;
        end = hit;
    }
    return std::string_view::npos;
}

// Whether the row text `text` holds `needle` as whole characters.
constexpr bool contains(std::string_view text, std::string_view needle)
{
    const std::size_t at = findText(text, needle);
    return at != std::string_view::npos && utf8::isWhole(text, at, needle.size());
}

// Reversed containment, where the caller's text is searched for a table value: never in text that is not valid UTF-8,
// whose boundaries say nothing.
constexpr bool textHolds(std::string_view text, std::string_view value)
{
    return contains(text, value) && utf8::isValid(text);
}

// The first entry "<key part>:<values>" whose key part holds `key` and that `match(key part, values)` accepts.
// It jumps from one occurrence of the key to the next instead of splitting every entry, and gives the same answer
// as walking them all: an entry is taken only when its own key part holds the key.
template <class Match>
constexpr std::optional<Entry> findKeyedEntry(std::string_view entries, std::string_view key, Match match)
{
    const auto accepts = [&](std::string_view e) { // checks the key through contains
        const Entry entry = splitEntry(e);
        return contains(entry.key, key) && match(entry.key, entry.values);
    };
    if (key.empty()) {
        const auto found = findEntry(entries, accepts);
        return found ? std::optional<Entry>(splitEntry(*found)) : std::nullopt;
    }
    for (std::size_t hit = findText(entries, key); hit != std::string_view::npos;) {
        const std::size_t before = entries.rfind(',', hit);
        const std::size_t begin = before == std::string_view::npos ? 0 : before + 1;
        const std::size_t end = entries.find(',', hit);
        const std::string_view entry = entries.substr(begin, end == std::string_view::npos ? end : end - begin);
        if (accepts(entry))
            return splitEntry(entry);
        hit = end == std::string_view::npos ? end : findText(entries, key, end + 1);
    }
    return std::nullopt;
}

// Names padded to a fixed width ("衰 ", "天德 ") lose their filler spaces.
constexpr std::string_view trimSpaces(std::string_view s)
{
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

} // namespace engine::tables
