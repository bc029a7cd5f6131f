#pragma once

#include <cstddef>
#include <span>
#include <string_view>
#include <vector>

// Places with their coordinates and time zones, for the birthplace of a chart: the divisions of China down to
// counties, Hong Kong, Macau, Taiwan's cities and the world's large cities and capitals.
namespace models {

struct Place
{
    std::string_view name;    // Chinese; empty for a foreign city no source names in Chinese
    std::string_view region;  // province ("新疆", "台湾") or country ("美国")
    std::string_view pinyin;  // of the name: toneless syllables separated by spaces, ü written v
    std::string_view english; // ASCII
    double longitude;         // degrees, east positive
    double latitude;          // degrees, north positive
    std::string_view zone;    // IANA time zone
};

// Every place, in the table's order: China's prefecture-level divisions, its counties and districts, Hong Kong,
// Macau, Taiwan, then the world's cities by population.
std::span<const Place> allPlaces();

// Places matching what a person is typing, best first, at most `limit`: the Chinese name (whole, with its kind
// left off as in "曲水" for 曲水县, or its beginning), pinyin with or without spaces and tones ("wulumuqi",
// "wū lǔ mù qí", "wu1lu3mu4qi2"), pinyin initials ("wlmq"), the English name case-insensitively (whole or its
// beginning). A query "NAME REGION" or "REGION NAME" (space or comma between, or none between Chinese words) keeps
// to that region. Rows tied in quality keep the table's order. Empty, unknown or malformed text finds nothing.
std::vector<const Place*> findPlaces(std::string_view query, std::size_t limit = 20);

// The one place a name means: its exact Chinese name, English name (any case) or pinyin, else its Chinese name
// with the kind left off ("曲水" for 曲水县); then the same qualified by region ("朝阳 辽宁", "辽宁朝阳"). Rows at
// the same coordinates count as one place (喀什地区 lies at its seat 喀什). Null when the name is unknown or
// ambiguous; the caller then lists findPlaces().
const Place* findPlace(std::string_view name);

} // namespace models
