#include "cli/Commands.h"

#include "engine/support/Utf8.h"
#include "ui/main/ChartComposer.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

// The chart of one birth, as the chart window writes it. The tool only turns its options into the window's request;
// every value and every row comes from the chart model.
namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi chart --name NAME --sex 男|女 --date YYYY-MM-DD --time HH:MM [OPTIONS]

Prints the chart of one birth exactly as the chart window shows it, lines ended by LF:
  bazi chart --name 张三 --sex 男 --date 1984-03-02 --time 16:25 --stars

Options (a value follows as the next word or after "=", as in --name=张三):
  --name NAME        the person's name; blanks around it are dropped
  --sex 男|女
  --date YYYY-MM-DD  the birth date, years 1900 to 2099; Gregorian unless --lunar
  --time HH:MM       the birth time, 00:00 to 23:59
  --lunar            --date is a lunar date
  --leap             with --lunar: the month is the leap month that follows ordinary month MM
  --layout 竖排|横排 pillars as a row of stems over a row of branches (竖排, the default) or one row
  --stars            add the symbolic stars (神煞) under the pillars
  --crlf             end lines with CR LF, as the chart window and the saved records do
  --json             the chart as one JSON object on one line:
                     {"name","sex","birth","lunar","terms":{"previous":{"name","time"},"next":{...}},
                      "pillars":{"year","month","day","hour"},"conception","lifePalace","void":[4],
                      "tenGods":[4],"hiddenStems":[4 x 3, "" where a branch hides fewer],"growth":[4],
                      "naYin":[4],"stars":{"yearBranch","yearStem","monthBranch","dayBranch","dayStem":
                      [4 lists of names]} or null,"startAge","handOver","startYear","luck":[8 x
                      {"pillar","tenGod","growth","naYin","age","year"}],"yearly":[80]}
  --help             print this text

Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

struct Option
{
    std::string_view name;
    bool takesValue;
};

const Option kOptions[] = {
    {"--name", true},  {"--sex", true},    {"--date", true},  {"--time", true},  {"--layout", true}, {"--lunar", false},
    {"--leap", false}, {"--stars", false}, {"--crlf", false}, {"--json", false}, {"--help", false},
};

// The options as given: name and value (empty for a flag), each at most once.
class GivenOptions
{
public:
    bool has(std::string_view name) const { return find(name) != m_given.end(); }
    std::optional<std::string> value(std::string_view name) const
    {
        const auto it = find(name);
        return it == m_given.end() ? std::nullopt : std::optional(it->second);
    }
    // The reason the words cannot be read, or nothing.
    std::optional<std::string> read(Args args);

private:
    using Entry = std::pair<std::string_view, std::string>;
    std::vector<Entry>::const_iterator find(std::string_view name) const
    {
        return std::ranges::find(m_given, name, &Entry::first);
    }
    std::vector<Entry> m_given;
};

std::optional<std::string> GivenOptions::read(Args args)
{
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string_view word = args[i];
        const std::string_view name = word.substr(0, word.find('='));
        const auto option = std::ranges::find(kOptions, name == "-h" ? "--help" : name, &Option::name);
        if (option == std::end(kOptions))
            return word.starts_with('-') ? "unknown option " + shown(word) : "unexpected argument " + shown(word);
        if (has(option->name))
            return std::string(option->name) + " is given twice";
        const bool inlineValue = name.size() < word.size();
        if (!option->takesValue && inlineValue)
            return std::string(option->name) + " takes no value";
        std::string value;
        if (inlineValue)
            value = word.substr(name.size() + 1);
        else if (option->takesValue && i + 1 < args.size() && !args[i + 1].starts_with("--"))
            value = args[++i];
        else if (option->takesValue)
            return std::string(option->name) + " needs a value";
        m_given.emplace_back(option->name, std::move(value));
    }
    return std::nullopt;
}

// "5" -> "05": the window's lists hold two-digit texts.
std::string twoDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

// Numbers separated by `separator`, one per range and each within it; nothing for any other text.
std::optional<std::vector<int>> readNumbers(std::string_view text, char separator,
                                            std::initializer_list<std::pair<int, int>> ranges)
{
    std::vector<int> numbers;
    for (const auto& [low, high] : ranges) {
        if (!numbers.empty()) {
            if (!text.starts_with(separator))
                return std::nullopt;
            text.remove_prefix(1);
        }
        const std::size_t end = std::min(text.find(separator), text.size());
        const auto n = readNumber(text.substr(0, end));
        if (!n || *n < low || *n > high)
            return std::nullopt;
        numbers.push_back(*n);
        text.remove_prefix(end);
    }
    if (!text.empty())
        return std::nullopt;
    return numbers;
}

std::optional<std::string> checkName(const std::string& name)
{
    const bool control = std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!engine::utf8::isValid(name) || control)
        return "the name must be one line of UTF-8 text: " + shown(name);
    return std::nullopt;
}

// The options that must be given and are not, or nothing.
std::optional<std::string> missingOptions(const GivenOptions& given)
{
    std::string missing;
    for (const std::string_view required : {"--name", "--sex", "--date", "--time"}) {
        if (!given.has(required))
            missing += (missing.empty() ? "missing " : ", ") + std::string(required);
    }
    return missing.empty() ? std::nullopt : std::optional(missing);
}

// The birth data as the window's lists hold it: two-digit texts, "闰" after a leap month.
struct Birth
{
    std::optional<std::vector<int>> date; // year, month, day
    std::optional<std::vector<int>> time; // hour, minute
};

// The reason the given options make no request, or nothing.
std::optional<std::string> checkOptions(const GivenOptions& given, const Birth& birth)
{
    if (auto missing = missingOptions(given))
        return missing;
    const std::string sex = *given.value("--sex");
    const std::string layout = given.value("--layout").value_or("竖排");
    if (auto bad = checkName(*given.value("--name")))
        return bad;
    if (sex != "男" && sex != "女")
        return "--sex is 男 or 女, not " + shown(sex);
    if (!birth.date)
        return "not a date: " + shown(*given.value("--date")) + " (expected YYYY-MM-DD, years 1900 to 2099)";
    if (!birth.time)
        return "not a time: " + shown(*given.value("--time")) + " (expected HH:MM, 00:00 to 23:59)";
    if (given.has("--leap") && !given.has("--lunar"))
        return "--leap marks a lunar leap month and needs --lunar";
    if (layout != "竖排" && layout != "横排")
        return "--layout is 竖排 or 横排, not " + shown(layout);
    if (given.has("--json") && given.has("--crlf"))
        return "--crlf ends the lines of the chart text; --json writes one line";
    return std::nullopt;
}

// The request the window would read, or the reason there is none.
std::optional<models::ChartRequest> readRequest(const GivenOptions& given, std::string& error)
{
    const bool lunar = given.has("--lunar");
    const int lastDay = lunar ? 30 : 31; // the model rejects a day its month lacks
    Birth birth;
    if (given.has("--date") && given.has("--time")) {
        birth.date = readNumbers(*given.value("--date"), '-', {{1900, 2099}, {1, 12}, {1, lastDay}});
        birth.time = readNumbers(*given.value("--time"), ':', {{0, 23}, {0, 59}});
    }
    if (auto reason = checkOptions(given, birth)) {
        error = std::move(*reason);
        return std::nullopt;
    }
    const auto& date = *birth.date;
    const auto& time = *birth.time;
    models::ChartRequest request;
    request.name = *given.value("--name");
    request.male = given.value("--sex") == "男";
    request.lunar = lunar;
    request.year = std::to_string(date[0]);
    request.month = twoDigits(date[1]) + (given.has("--leap") ? "闰" : "");
    request.day = twoDigits(date[2]);
    request.hour = twoDigits(time[0]);
    request.minute = twoDigits(time[1]);
    request.layout = given.value("--layout").value_or("竖排");
    request.stars = given.has("--stars");
    return request;
}

// ---- --json: the chart's values, keyed in English for scripts

std::string quoted(std::string_view text)
{
    std::string out = "\"";
    for (const char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (static_cast<unsigned char>(c) < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
            out += escaped;
        } else {
            out += c;
        }
    }
    return out + '"';
}

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

template <typename Range> std::string quotedArray(const Range& texts)
{
    return jsonArray(texts, [](std::string_view text) { return quoted(text); });
}

class JsonObject
{
public:
    JsonObject& add(std::string_view key, const std::string& json)
    {
        if (m_text.size() > 1)
            m_text += ',';
        m_text += quoted(key) + ':' + json;
        return *this;
    }
    std::string text() const { return m_text + '}'; }

private:
    std::string m_text = "{";
};

// The entries of a ","-separated list with the blanks around each dropped: the hidden stems' filler positions
// become empty texts.
std::vector<std::string_view> entries(std::string_view list)
{
    std::vector<std::string_view> out;
    while (!list.empty()) {
        const std::size_t comma = std::min(list.find(','), list.size());
        out.push_back(trimBlanks(list.substr(0, comma)));
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return out;
}

std::string starsJson(const std::optional<std::array<std::array<std::string, 4>, 5>>& stars)
{
    if (!stars)
        return "null";
    constexpr std::string_view kKeys[] = {"yearBranch", "yearStem", "monthBranch", "dayBranch", "dayStem"};
    JsonObject object;
    for (std::size_t c = 0; c < std::size(kKeys); ++c)
        object.add(kKeys[c],
                   jsonArray((*stars)[c], [](const std::string& list) { return quotedArray(entries(list)); }));
    return object.text();
}

std::string luckJson(const models::ChartData& d)
{
    std::string out = "[";
    for (std::size_t i = 0; i < d.daYun.size(); ++i) {
        const int decades = static_cast<int>(10 * i);
        if (i > 0)
            out += ',';
        out += JsonObject()
                   .add("pillar", quoted(d.daYun[i]))
                   .add("tenGod", quoted(d.shiShenYun[i]))
                   .add("growth", quoted(d.wangShuaiYun[i]))
                   .add("naYin", quoted(d.naYinYun[i]))
                   .add("age", std::to_string(d.startAge + decades))
                   .add("year", std::to_string(d.startYear + decades))
                   .text();
    }
    return out + ']';
}

std::string chartJson(const models::ChartData& d)
{
    const auto term = [](const std::string& name, const std::string& time) {
        return JsonObject().add("name", quoted(name)).add("time", quoted(time)).text();
    };
    JsonObject pillars;
    constexpr std::string_view kPillars[] = {"year", "month", "day", "hour"};
    for (std::size_t i = 0; i < std::size(kPillars); ++i)
        pillars.add(kPillars[i], quoted(d.stems[i] + d.branches[i]));
    return JsonObject()
        .add("name", quoted(d.name))
        .add("sex", quoted(d.sexWord))
        .add("birth", quoted(d.sTime))
        .add("lunar", quoted(d.lunarDate))
        .add("terms", JsonObject()
                          .add("previous", term(d.jiePreName, d.jiePreTime))
                          .add("next", term(d.jieNextName, d.jieNextTime))
                          .text())
        .add("pillars", pillars.text())
        .add("conception", quoted(d.taiYuan))
        .add("lifePalace", quoted(d.mingGong))
        .add("void", quotedArray(d.xunKong))
        .add("tenGods", quotedArray(d.shiShen))
        .add("hiddenStems", jsonArray(d.dunCang, [](const std::string& list) { return quotedArray(entries(list)); }))
        .add("growth", quotedArray(d.wangShuai))
        .add("naYin", quotedArray(d.naYin))
        .add("stars", starsJson(d.stars))
        .add("startAge", quoted(d.qiYun))
        .add("handOver", quoted(d.jiaoYun))
        .add("startYear", std::to_string(d.startYear))
        .add("luck", luckJson(d))
        .add("yearly", quotedArray(d.liuNian))
        .text();
}

} // namespace

int chartCommand(Args args)
{
    GivenOptions given;
    std::string error = given.read(args).value_or("");
    if (error.empty() && given.has("--help")) {
        std::cout << kHelp;
        return kExitOk;
    }
    std::optional<models::ChartRequest> request;
    if (error.empty())
        request = readRequest(given, error);
    if (!request) {
        std::cerr << "bazi: " << error << " (see bazi chart --help)\n";
        return kExitUsage;
    }
    const models::ChartComposer composer;
    const models::ChartResult result = composer.compute(*request);
    if (!result.data) {
        std::cerr << "bazi: " << result.error << '\n';
        return kExitUsage;
    }
    if (given.has("--json"))
        std::cout << chartJson(*result.data) << '\n';
    else
        std::cout << models::joinLines(composer.lines(*result.data, *request), given.has("--crlf") ? "\r\n" : "\n");
    return kExitOk;
}

} // namespace cli
