#include "options/GivenOptions.h"

#include "options/Values.h"

#include <algorithm>
#include <utility>

namespace options {
namespace {

constexpr NamedOption kEveryCommand[] = {{"--help"}, {"--json"}};

// Words that start with '-' are options, except "-" itself (standard input) and negative numbers, which are
// values and get the value's own message.
bool isOption(std::string_view word)
{
    return word.size() > 1 && word[0] == '-' && (word[1] < '0' || word[1] > '9');
}

const NamedOption* findOption(std::span<const NamedOption> known, std::string_view name)
{
    if (name == "-h")
        name = "--help";
    for (const std::span<const NamedOption> options : {std::span<const NamedOption>(kEveryCommand), known}) {
        const auto option = std::ranges::find(options, name, &NamedOption::name);
        if (option != options.end())
            return &*option;
    }
    return nullptr;
}

} // namespace

GivenOptions::GivenOptions(Args args, std::span<const NamedOption> known, bool takesValues, bool takesDash)
{
    // Help is looked for apart from reading, so that it is printed even when another word is wrong.
    for (const std::string_view word : args) {
        if (word == "--")
            break;
        m_help = m_help || word == "--help" || word == "-h";
    }
    m_error = read(args, known, takesValues, takesDash).value_or("");
}

std::optional<std::string> GivenOptions::read(Args args, std::span<const NamedOption> known, bool takesValues,
                                              bool takesDash)
{
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        if (optionsEnded || !isOption(word)) {
            if (!takesValues && !(takesDash && word == "-" && !optionsEnded))
                return "unexpected argument " + shown(word);
            m_values.push_back(word);
            continue;
        }
        if (word == "--" && takesValues) {
            optionsEnded = true;
            continue;
        }
        const std::string_view name = word.substr(0, word.find('='));
        const NamedOption* option = findOption(known, name);
        if (!option)
            return "unknown option " + shown(word);
        const std::string named(option->name);
        if (has(option->name))
            return named + " is given twice";
        const bool inlineValue = name.size() < word.size();
        if (inlineValue && option->value.empty())
            return named + " takes no value";
        std::string_view value;
        if (inlineValue)
            value = word.substr(name.size() + 1);
        else if (!option->value.empty() && i + 1 < args.size() && !args[i + 1].starts_with("--"))
            value = args[++i];
        else if (!option->value.empty())
            return named + " needs " + std::string(option->value);
        m_given.emplace_back(option->name, value);
    }
    return std::nullopt;
}

bool GivenOptions::dash() const
{
    return std::ranges::find(m_values, "-") != m_values.end();
}

bool GivenOptions::has(std::string_view name) const
{
    return value(name).has_value();
}

std::optional<std::string_view> GivenOptions::value(std::string_view name) const
{
    const auto it = std::ranges::find(m_given, name, &decltype(m_given)::value_type::first);
    return it == m_given.end() ? std::nullopt : std::optional(it->second);
}

std::optional<std::string> GivenOptions::missing(std::initializer_list<std::string_view> required) const
{
    std::string list;
    for (const std::string_view name : required) {
        if (!has(name)) {
            list += list.empty() ? "missing " : ", ";
            list += name;
        }
    }
    return list.empty() ? std::nullopt : std::optional(list);
}

constexpr std::string_view kUnknownTime = "unknown"; // --time of a birth whose hour nobody knows

std::optional<BirthOptions> readBirthOptions(const GivenOptions& given, std::string& error, UnknownHour unknown)
{
    if (auto missing = given.missing({"--sex", "--date", "--time"})) {
        error = std::move(*missing);
        return std::nullopt;
    }
    const std::string_view sex = *given.value("--sex");
    const std::string_view time = *given.value("--time");
    const bool hourUnknown = time == kUnknownTime;
    const auto clock =
        hourUnknown ? std::optional(std::vector<int>{12, 0}) : readNumbers(time, ':', {{0, 23}, {0, 59}});
    const bool accepted = unknown == UnknownHour::accepted;
    if (sex != "男" && sex != "女")
        error = "--sex is 男 or 女, not " + shown(sex);
    else if (given.has("--leap") && !given.has("--lunar"))
        error = "--leap marks a lunar leap month and needs --lunar";
    else if (hourUnknown && !accepted)
        error = "--time unknown is for bazi chart: these readings need the birth hour (give HH:MM)";
    else if (!clock)
        error = "not a time: " + shown(time) +
                (accepted ? " (expected HH:MM, 00:00 to 23:59, or unknown)" : " (expected HH:MM, 00:00 to 23:59)");
    else
        return BirthOptions{sex == "男", given.has("--lunar"), given.has("--leap"),
                            (*clock)[0], (*clock)[1],          hourUnknown};
    return std::nullopt;
}

} // namespace options
