#pragma once

#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The words after a subcommand's name, read as named options and values, and the options of a birth that several
// subcommands share.
namespace options {

using Args = std::span<const std::string_view>;

// "--name VALUE" or "--name=VALUE" when `value` says what it takes, a bare flag when `value` is empty.
struct NamedOption
{
    std::string_view name;
    std::string_view value = {}; // as "--from needs a year" names it
};

inline constexpr std::string_view kValue = "a value"; // what most options take

// The options of one subcommand as given, each at most once, and the words that are no option. --help (also -h)
// and --json are known to every subcommand. A value is the next word unless that starts with "--". Names and values
// are views into the words, which outlive it (they are the program's arguments).
class GivenOptions
{
public:
    // With `takesValues`, words that are no option are values and "--" ends the options; without, they are errors,
    // except "-" (standard input) with `takesDash`. A word that starts with '-' is an option, except "-" itself and
    // negative numbers.
    GivenOptions(Args args, std::span<const NamedOption> known, bool takesValues = false, bool takesDash = false);

    // "-" stood among the words as a value of its own (not as an option's value).
    bool dash() const;

    // The first word that cannot be used, named; empty when all can.
    const std::string& error() const { return m_error; }
    // --help or -h is among the options; it wins over any error.
    bool help() const { return m_help; }
    bool json() const { return has("--json"); }
    bool has(std::string_view name) const;
    std::optional<std::string_view> value(std::string_view name) const;
    const std::vector<std::string_view>& values() const { return m_values; }
    // "missing --a, --b" for those of `required` not given; nothing when all are.
    std::optional<std::string> missing(std::initializer_list<std::string_view> required) const;

private:
    std::optional<std::string> read(Args args, std::span<const NamedOption> known, bool takesValues, bool takesDash);

    std::vector<std::pair<std::string_view, std::string_view>> m_given; // name, value (empty for a flag)
    std::vector<std::string_view> m_values;
    std::string m_error;
    bool m_help = false;
};

// The options of one birth that chart and readings share, checked. The date is left to each command: they read it
// differently.
struct BirthOptions
{
    bool male = false;
    bool lunar = false;
    bool leap = false;        // only with lunar
    int hour = 0;             // [0, 23]
    int minute = 0;           // [0, 59]
    bool hourUnknown = false; // --time unknown: hour and minute then read 12:00
};

// Whether --time takes "unknown": a chart can be cast on three pillars, the readings need the hour.
enum class UnknownHour {
    refused,
    accepted,
};

// --sex 男|女, --date (given), --time HH:MM (or unknown), --lunar and --leap; on failure `error` says which is
// missing or bad.
std::optional<BirthOptions> readBirthOptions(const GivenOptions& given, std::string& error,
                                             UnknownHour unknown = UnknownHour::refused);

} // namespace options
