#pragma once

#include "astro/Astro.h"
#include "engine/support/DateTime.h"

#include <chrono>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

// The reference fixtures in tests/astro/data: tab-separated, a header line, times as "YYYY-MM-DDTHH:MM:SS[.sss]"
// with a trailing Z for UTC.
namespace astro::reference {

using Row = std::vector<std::string>;

// Every row after the header; empty when the file cannot be read.
inline std::vector<Row> readRows(const std::string& fileName)
{
    std::ifstream in(std::string(ASTRO_DATA_DIR) + "/" + fileName);
    std::vector<Row> rows;
    std::string line;
    std::getline(in, line); // the header
    while (std::getline(in, line)) {
        Row fields;
        std::istringstream fieldStream(line);
        for (std::string field; std::getline(fieldStream, field, '\t');)
            fields.push_back(field);
        rows.push_back(fields);
    }
    return rows;
}

// Seconds since 1970 on the scale the text is in (UTC or TT), milliseconds kept.
inline std::optional<double> readSeconds(std::string text)
{
    if (!text.empty() && text.back() == 'Z')
        text.pop_back();
    const auto dot = text.find('.');
    const double fraction = dot == std::string::npos ? 0.0 : std::stod(text.substr(dot));
    std::string whole = text.substr(0, dot);
    if (whole.size() > 10 && whole[10] == 'T')
        whole[10] = ' ';
    const auto t = engine::readTime(whole);
    if (!t)
        return std::nullopt;
    return static_cast<double>(t->time_since_epoch().count()) + fraction;
}

inline UtcSeconds utcOf(const engine::LocalTime& t)
{
    return UtcSeconds{t.time_since_epoch()};
}

} // namespace astro::reference
