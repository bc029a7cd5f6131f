#include "cli/Commands.h"

#include "cli/ChartOptions.h"
#include "cli/CliJson.h"
#include "cli/CliMoment.h"
#include "cli/CliSupport.h"
#include "cli/CliValues.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"
#include "models/chart/ChartComposer.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <array>
#include <cstdio>
#include <iostream>
#include <optional>
#include <ranges>
#include <string>
#include <vector>

// The chart of one birth, as the chart window writes it. The tool only turns its options into the window's request;
// every value and every row comes from the chart model.
namespace cli {
namespace {

constexpr std::string_view kHelpHead =
    R"(Usage: bazi chart --name NAME --sex 男|女 --date YYYY-MM-DD --time HH:MM [OPTIONS]

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
)"
    R"(
The birth moment (the defaults cast the clock time as Beijing time against the mean terms):
)";

constexpr std::string_view kHelpJson = R"(
Every moment option that differs from the default is stated in rows after the first two, in this order:
  出生地：<name>（<region>）                      the place of --place
  经度：东经<d.dd>° or 西经<d.dd>°                 the longitude of the solar time
  时区：<zone> UTC±HH:MM[ 夏令时][ 取较早|取较晚]   the zone, its offset at the birth, summer time, --fold
  真太阳时：or 平太阳时：YYYY-MM-DD HH:mm:ss       the local time the day and hour follow
  节气：天文                                      --terms astro
  子时：晚子次日时干 or 子时：晚子换日              --late-zi next-stem or next-day
The terms row then gives the 节 in Beijing time, and the luck's start age counts between the birth's and the
term's instants; the 交运 date is a clock time in the birth's zone.

  --json             the chart as one JSON object on one line:
                     {"name","sex","birth","lunar","terms":{"previous":{"name","time"},"next":{...}},
                      "pillars":{"year","month","day","hour"},"conception","lifePalace","void":[4],
                      "tenGods":[4],"hiddenStems":[4 x 3, "" where a branch hides fewer],"growth":[4],
                      "naYin":[4],"stars":{"yearBranch","yearStem","monthBranch","dayBranch","dayStem":
                      [4 lists of names]} or null,"startAge","handOver","startYear","luck":[8 x
                      {"pillar","tenGod","growth","naYin","age","year"}],"yearly":[80]}
                     with a moment option also "moment":{"place","region","longitude","zone","utcOffset",
                     "dst","fold","utc","solarTime","solarTimeKind","terms","lateZi"} after "lunar" (keys of
                     options at their default are left out; "utc" is always there)
  --help             print this text

Charts in batches: bazi chart - [--json | --crlf]
  reads one request per line of standard input, a JSON object whose keys are the options above without their
  dashes: {"name":"张三","sex":"男","date":"1984-02-05","time":"08:00"}, with "lunar", "leap" and "stars" as
  true or false, "layout" and the moment options ("place", "longitude" (a number or a text), "tz", "solar-time",
  "terms", "late-zi", "fold") optional. Each line is read and checked as the options are. With --json one chart a
  line; otherwise each chart's text followed by a line holding only a form feed. A refused line (not one JSON
  object, an unknown key, a bad value, an empty line) gives {"error":"MESSAGE"} (or "error: MESSAGE" and the form
  feed line) in its place and the rest go on; the exit status is then 1. A UTF-8 byte-order mark and CR LF line
  ends are accepted.

Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

constexpr auto kOptions = withMomentOptions(std::array<NamedOption, 9>{{
    {"--name", kValue},
    {"--sex", kValue},
    {"--date", kValue},
    {"--time", kValue},
    {"--layout", kValue},
    {"--lunar"},
    {"--leap"},
    {"--stars"},
    {"--crlf"},
}});

const std::string kHelp = std::string(kHelpHead) + std::string(kMomentHelp) + std::string(kHelpJson);

constexpr std::string_view kVertical = "竖排"; // the default layout

// "5" -> "05": the window's lists hold two-digit texts.
std::string twoDigits(int n)
{
    char text[8];
    std::snprintf(text, sizeof text, "%02d", n);
    return text;
}

std::optional<std::string> checkName(std::string_view name)
{
    const bool control = std::ranges::any_of(name, [](char c) { return static_cast<unsigned char>(c) < 0x20; });
    if (!engine::utf8::isValid(name) || control)
        return "the name must be one line of UTF-8 text: " + shown(name);
    return std::nullopt;
}

// The reason the options the chart adds to the birth make no request, or nothing.
std::optional<std::string> checkChartOptions(const GivenOptions& given, const std::optional<std::vector<int>>& date)
{
    const std::string_view layout = given.value("--layout").value_or(kVertical);
    if (auto bad = checkName(*given.value("--name")))
        return bad;
    if (!date)
        return "not a date: " + shown(*given.value("--date")) + " (expected YYYY-MM-DD, years 1900 to 2099)";
    if (layout != kVertical && layout != "横排")
        return "--layout is 竖排 or 横排, not " + shown(layout);
    if (given.json() && given.has("--crlf"))
        return "--crlf ends the lines of the chart text; --json writes one line";
    return std::nullopt;
}

// The request the window would read, or the reason there is none. The window's lists hold two-digit texts and
// "闰" after a leap month.
std::optional<models::ChartRequest> readRequest(const GivenOptions& given, std::string& error)
{
    if (auto missing = given.missing({"--name", "--sex", "--date", "--time"})) {
        error = std::move(*missing);
        return std::nullopt;
    }
    const auto birth = readBirthOptions(given, error);
    if (!birth)
        return std::nullopt;
    const int lastDay = birth->lunar ? 30 : 31; // the model rejects a day its month lacks
    const auto date = readNumbers(*given.value("--date"), '-', {{1900, 2099}, {1, 12}, {1, lastDay}});
    if (auto reason = checkChartOptions(given, date)) {
        error = std::move(*reason);
        return std::nullopt;
    }
    models::ChartRequest request;
    request.name = *given.value("--name");
    request.male = birth->male;
    request.lunar = birth->lunar;
    request.year = std::to_string((*date)[0]);
    request.month = twoDigits((*date)[1]) + (birth->leap ? "闰" : "");
    request.day = twoDigits((*date)[2]);
    request.hour = twoDigits(birth->hour);
    request.minute = twoDigits(birth->minute);
    request.layout = given.value("--layout").value_or(kVertical);
    request.stars = given.has("--stars");
    auto moment = readMomentOptions(given, error);
    if (!moment)
        return std::nullopt;
    request.moment = std::move(*moment);
    return request;
}

// ---- --json: the chart's values, keyed in English for scripts

// Lists of the four pillars, each a ","-separated text.
std::string listsJson(const std::array<std::string, 4>& lists)
{
    return jsonArray(lists, [](const std::string& list) { return jsonStrings(engine::listEntries(list)); });
}

std::string starsJson(const std::optional<engine::StarRows>& stars)
{
    if (!stars)
        return "null";
    constexpr std::string_view kKeys[] = {"yearBranch", "yearStem", "monthBranch", "dayBranch", "dayStem"};
    JsonObject object;
    for (std::size_t c = 0; c < std::size(kKeys); ++c)
        object.json(kKeys[c], listsJson((*stars)[c]));
    return object.str();
}

std::string luckJson(const models::ChartData& d)
{
    return jsonArray(std::views::iota(std::size_t{0}, d.luck.pillars.size()), [&d](std::size_t i) {
        const int decades = static_cast<int>(10 * i);
        return JsonObject()
            .text("pillar", engine::ganZhi(d.luck.pillars[i]))
            .text("tenGod", d.luck.tenGods[i])
            .text("growth", d.luck.growth[i])
            .text("naYin", d.luck.naYin[i])
            .number("age", d.startAge + decades)
            .number("year", d.startYear + decades)
            .str();
    });
}

// The moment as the chart's header rows state it; only options that differ from the default are keyed.
std::string momentJson(const engine::BirthMoment& m, const models::MomentOptions& o)
{
    JsonObject object;
    if (o.place)
        object.text("place", models::placeName(*o.place)).text("region", o.place->region);
    if (const auto longitude = o.effectiveLongitude())
        object.json("longitude", models::degreesText(*longitude));
    if (!m.zone.empty())
        object.text("zone", m.zone).text("utcOffset", models::offsetText(m.offset).substr(3)).flag("dst", m.dst);
    if (o.fold != zones::Fold::none)
        object.text("fold", o.fold == zones::Fold::earlier ? "earlier" : "later");
    object.text("utc", engine::writeTime(engine::LocalTime{m.utc.time_since_epoch()}));
    if (m.solarKind != engine::SolarTimeKind::clock)
        object.text("solarTime", engine::writeTime(m.solar))
            .text("solarTimeKind", m.solarKind == engine::SolarTimeKind::apparent ? "true" : "mean");
    if (o.terms == models::TermMethod::astro)
        object.text("terms", "astro");
    if (m.lateZi != engine::LateZi::same)
        object.text("lateZi", m.lateZi == engine::LateZi::nextStem ? "next-stem" : "next-day");
    return object.str();
}

std::string chartJson(const models::ChartData& d, const models::ChartRequest& request)
{
    const auto term = [](const std::string& name, const std::string& time) {
        return JsonObject().text("name", name).text("time", time).str();
    };
    JsonObject pillars;
    constexpr std::string_view kPillars[] = {"year", "month", "day", "hour"};
    for (std::size_t i = 0; i < std::size(kPillars); ++i)
        pillars.text(kPillars[i], d.pillars.chars.ganZhi(i));
    JsonObject object;
    object.text("name", d.name).text("sex", d.sexWord).text("birth", d.sTime).text("lunar", d.lunarDate);
    if (!request.moment.isDefault())
        object.json("moment", momentJson(d.moment, request.moment));
    return object
        .json("terms", JsonObject()
                           .json("previous", term(d.jiePreName, d.jiePreTime))
                           .json("next", term(d.jieNextName, d.jieNextTime))
                           .str())
        .json("pillars", pillars.str())
        .text("conception", d.taiYuan)
        .text("lifePalace", d.mingGong)
        .json("void", jsonStrings(d.pillars.voids))
        .json("tenGods", jsonStrings(d.pillars.tenGods))
        .json("hiddenStems", listsJson(d.pillars.hiddenStems))
        .json("growth", jsonStrings(d.pillars.growth))
        .json("naYin", jsonStrings(d.pillars.naYin))
        .json("stars", starsJson(d.stars))
        .text("startAge", d.qiYun)
        .text("handOver", d.jiaoYun)
        .number("startYear", d.startYear)
        .json("luck", luckJson(d))
        .json("yearly", jsonArray(std::views::iota(0, engine::LuckReadings::kYearlyPillars),
                                  [&d](int i) { return jsonString(engine::ganZhi(d.luck.firstYearly + i)); }))
        .str();
}

// The chart as the options ask for it: one JSON line, or the text's lines; nothing with the reason in `error`.
std::optional<std::string> chartOutput(const models::ChartComposer& composer, const models::ChartRequest& request,
                                       const GivenOptions& given, std::string& error)
{
    const models::ChartResult result = composer.compute(request);
    if (!result.data) {
        error = result.error;
        return std::nullopt;
    }
    if (given.json())
        return chartJson(*result.data, request) + '\n';
    return models::joinLines(composer.lines(*result.data, request), given.has("--crlf") ? "\r\n" : "\n");
}

int writeChart(const models::ChartRequest& request, const GivenOptions& given)
{
    std::string error;
    const auto output = chartOutput(models::ChartComposer(), request, given, error);
    if (!output) {
        std::cerr << "bazi: " << error << '\n';
        return kExitUsage;
    }
    std::cout << *output;
    return kExitOk;
}

// ---- bazi chart -: one request a line

constexpr NamedOption kBatchOptions[] = {{"--crlf"}};

// The option words of one request line: {"name":"张三","stars":true} gives --name 张三 --stars; false leaves a flag
// out; a number is written as the line writes it. Nothing, with the reason, for a line that is not one flat object.
std::optional<std::vector<std::string>> requestWords(const std::string& line, std::string& error)
{
    using nlohmann::json;
    std::vector<std::string> keys;
    std::string repeated;
    const json::parser_callback_t noteKeys = [&](int depth, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::key && depth == 1) {
            auto key = parsed.get<std::string>();
            if (std::ranges::find(keys, key) != keys.end() && repeated.empty())
                repeated = key;
            keys.push_back(std::move(key));
        }
        return true;
    };
    json request;
    try {
        request = json::parse(line, noteKeys);
    } catch (const json::exception&) {
        error = line.find_first_not_of(" \t") == std::string::npos ? "an empty line" : "not a JSON object";
        return std::nullopt;
    }
    if (!request.is_object()) {
        error = "not a JSON object";
        return std::nullopt;
    }
    if (!repeated.empty()) {
        error = "\"" + repeated + "\" is given twice";
        return std::nullopt;
    }
    std::vector<std::string> words;
    for (const auto& [key, value] : request.items()) {
        if (key == "json" || key == "crlf" || key == "help" || key.empty() || key.starts_with('-')) {
            error = "not a request key: " + jsonString(key);
            return std::nullopt;
        }
        const auto option = std::ranges::find(kOptions, "--" + key, &NamedOption::name);
        if (option == std::ranges::end(kOptions)) { // refused by name when the words are read as options
            words.push_back("--" + key);
            continue;
        }
        const bool isFlag = option->value.empty();
        if (isFlag ? !value.is_boolean() : !value.is_string() && !value.is_number()) {
            error = "\"" + key + (isFlag ? "\" is true or false" : "\" takes a text or a number");
            return std::nullopt;
        }
        if (isFlag && !value.get<bool>())
            continue;
        words.push_back("--" + key);
        if (!isFlag)
            words.push_back(value.is_string() ? value.get<std::string>() : value.dump());
    }
    return words;
}

// One line's output, or the reason it is refused.
std::optional<std::string> answerLine(const models::ChartComposer& composer, const std::string& line,
                                      const GivenOptions& given, std::string& error)
{
    const auto words = requestWords(line, error);
    if (!words)
        return std::nullopt;
    const std::vector<std::string_view> views(words->begin(), words->end());
    const GivenOptions request(views, kOptions);
    error = request.error();
    const auto read = error.empty() ? readRequest(request, error) : std::nullopt;
    return read ? chartOutput(composer, *read, given, error) : std::nullopt;
}

int runBatch(const GivenOptions& given)
{
    const models::ChartComposer composer;
    const std::string_view eol = given.has("--crlf") ? "\r\n" : "\n";
    std::string out, line, error;
    bool refused = false;
    for (bool first = true; readInputLine(line, first); first = false) {
        if (const auto answer = answerLine(composer, line, given, error)) {
            out += *answer;
        } else {
            refused = true;
            out += given.json() ? JsonObject().text("error", error).str() : "error: " + error;
            out += eol;
        }
        if (!given.json()) {
            out += '\f';
            out += eol;
        }
        flushWhenFull(out);
    }
    return finishLines(out, refused);
}

} // namespace

int chartCommand(Args args)
{
    if (!args.empty() && args.front() == "-") {
        const GivenOptions given(args.subspan(1), kBatchOptions);
        if (given.help())
            return printHelp(kHelp);
        std::string error = given.error();
        if (error.empty() && given.json() && given.has("--crlf"))
            error = "--crlf ends the lines of the chart text; --json writes one line";
        if (!error.empty())
            return usageError("chart", error + " (with -, the birth options come in each line)");
        return runBatch(given);
    }
    return runRequest(GivenOptions(args, kOptions), "chart", kHelp, readRequest, writeChart);
}

} // namespace cli

namespace cli {

std::optional<models::ChartRequest> chartRequestOf(Args args, std::string& error)
{
    const GivenOptions given(args, kOptions);
    error = given.error();
    if (error.empty() && (given.help() || given.json() || given.has("--crlf")))
        error = "--help, --json and --crlf belong to bazi chart";
    return error.empty() ? readRequest(given, error) : std::nullopt;
}

} // namespace cli
