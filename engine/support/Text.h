#pragma once

#include <algorithm>
#include <optional>
#include <string_view>
#include <vector>

// Trimming and number reading for text that people type: the one place the engine, the models and the tool do it.
namespace engine {

inline constexpr std::string_view kBlanks = " \t"; // space and tab

// The text without the leading characters that are in `blanks`.
constexpr std::string_view trimLeading(std::string_view text, std::string_view blanks = kBlanks)
{
    while (!text.empty() && blanks.find(text.front()) != std::string_view::npos)
        text.remove_prefix(1);
    return text;
}

// The text without the trailing characters that are in `blanks`.
constexpr std::string_view trimTrailing(std::string_view text, std::string_view blanks = kBlanks)
{
    while (!text.empty() && blanks.find(text.back()) != std::string_view::npos)
        text.remove_suffix(1);
    return text;
}

// The text without surrounding blanks.
constexpr std::string_view trimBlanks(std::string_view text, std::string_view blanks = kBlanks)
{
    return trimTrailing(trimLeading(text, blanks), blanks);
}

inline constexpr std::string_view kIdeographicSpace = "\u3000"; // the full-width blank of Chinese text

// A person's name as the chart shows it: without blanks and ideographic spaces at either end, in any mix. The
// window, the record store and a record read back all trim a name this way, so a record's file, its tree entry
// and its chart name the same person alike.
constexpr std::string_view trimName(std::string_view name)
{
    for (std::size_t before = name.size() + 1; name.size() < before;) {
        before = name.size();
        name = trimBlanks(name);
        if (name.starts_with(kIdeographicSpace))
            name.remove_prefix(kIdeographicSpace.size());
        if (name.ends_with(kIdeographicSpace))
            name.remove_suffix(kIdeographicSpace.size());
    }
    return name;
}

// A whole text of 1 to 9 decimal digits, so that any of them fits an int; nothing for anything else (signs and
// blanks included).
constexpr std::optional<int> readNumber(std::string_view text)
{
    constexpr std::size_t kMostDigits = 9;
    if (text.empty() || text.size() > kMostDigits)
        return std::nullopt;
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9')
            return std::nullopt;
        value = value * 10 + (c - '0');
    }
    return value;
}

// The entries of a ","-separated list, each with the blanks around it dropped: "癸正印, , " gives three, the last
// two empty.
inline std::vector<std::string_view> listEntries(std::string_view list)
{
    std::vector<std::string_view> out;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        out.push_back(trimBlanks(list.substr(0, comma)));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return out;
}

} // namespace engine
