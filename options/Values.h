#pragma once

#include "engine/support/DateTime.h"

#include <initializer_list>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Values as the tool reads them from its words and input lines, and as its messages show them back. A reader that
// fails fills `refusal` with a message that names the value and says what was expected.
namespace options {

// Stands in for text that is not UTF-8 wherever a value is echoed.
inline constexpr std::string_view kInvalidUtf8 = "<invalid UTF-8>";

// A value as messages show it: quoted, control characters escaped, cut after 60 characters, and
// <invalid UTF-8> instead of bytes that are not UTF-8.
std::string shown(std::string_view value);

// A value as the JSON error object echoes it: cut and replaced like a shown value, but unquoted and unescaped.
std::string echoed(std::string_view value);

// Numbers separated by `separator`, one per range and each within it ("10:15" with ':', {{0, 23}, {0, 59}});
// nothing for any other text.
std::optional<std::vector<int>> readNumbers(std::string_view text, char separator,
                                            std::initializer_list<std::pair<int, int>> ranges);

// A Gregorian date, or date and time, that the lunar table covers (1900-01-31 to 2101-01-28); `expected` names
// the forms accepted.
std::optional<engine::LocalTime> readCoveredTime(std::string_view value, std::string_view expected,
                                                 std::string& refusal);

// The Gregorian day of a lunar date "Y-M-D", in the leap month that follows month M with `leap`; the refusal says
// why the lunar table has no such date.
std::optional<engine::LocalDays> readLunarDay(std::string_view value, bool leap, std::string& refusal);

} // namespace options
