#include "cli/Commands.h"

#include "cli/ChartBatch.h"
#include "cli/ChartJson.h"
#include "cli/CliSupport.h"
#include "models/chart/ChartText.h"
#include "options/ChartWords.h"

#include <iostream>
#include <string>

// The chart of one birth, as the chart window writes it. The tool only turns its words into the typed request; the
// chart model builds the chart and its presenters write it.
namespace cli {
namespace {

constexpr std::string_view kHelpHead =
    R"(Usage: bazi chart --name NAME --sex 男|女 --date YYYY-MM-DD --time HH:MM|unknown [OPTIONS]

Prints the chart of one birth exactly as the chart window shows it, lines ended by LF:
  bazi chart --name 张三 --sex 男 --date 1984-03-02 --time 16:25 --stars

Options (a value follows as the next word or after "=", as in --name=张三):
  --name NAME        the person's name; blanks around it are dropped
  --sex 男|女
  --date YYYY-MM-DD  the birth date, years 1900 to 2099; Gregorian unless --lunar
  --time HH:MM       the birth time, 00:00 to 23:59; unknown (时辰不详) for a birth whose hour nobody knows, below
  --lunar            --date is a lunar date
  --leap             with --lunar: the month is the leap month that follows ordinary month MM
  --layout 竖排|横排 pillars as a row of stems over a row of branches (竖排, the default) or one row
  --stars            add the symbolic stars (神煞) under the pillars
  --analysis         add the analysis (分析, below) after the yearly pillars, and "analysis" to --json
  --palace-year calendar|pillar  the life and body palaces' stems by the five tigers from the calendar year of
                     the birth (the default) or from the year pillar, the year that turns at 立春
  --crlf             end lines with CR LF, as the chart window and the saved records do
)"
    R"(
The birth moment (the defaults cast the clock time as Beijing time against the mean terms):
)";

constexpr std::string_view kHelpAnalysis = R"(
The analysis (--analysis), one item a row:
  身宫      the body palace: the month branch numbered 寅 = 1 ... 丑 = 12 and the hour branch 子 = 1 ... 亥 = 12
            added (less 12 when over 12), read as a month number; its stem by the five tigers, as 命宫's
  胎息      the breath pillar: the stem that combines with the day stem over the branch that combines with the
            day branch
  纳音      of 胎元, 胎息, 命宫 and 身宫
  自坐      each pillar's stem's growth stage on its own branch, in the pillar columns
  刑冲合害  the relations among the pillars: 天干五合, 天干相冲, 六合, 三合, 半合, 拱合, 三会, 六冲, 三刑, 相刑,
            自刑, 六害, 六破, each with its characters, the pillars it joins and, for the combinations and meetings,
            its element; one for every two (or three) pillars that form it, but a 半合 or 拱合 inside a found 三合
            and a 相刑 inside a found 三刑 are not listed again
  五行统计  the elements of the eight characters (a branch by its own element), then of the four stems with every
            hidden stem of the four branches
  十神统计  the ten gods of the year, month and hour stems, then with every hidden stem's ten god
  月令旺衰  the season of the month branch: its element 旺, the one it produces 相, the one that produces it 休,
            the one that controls it 囚, the one it controls 死
  提示      how sure the pillars are: a birth within 120 minutes of a 节 (the month, at 立春 also the year, on its
            other side), within 10 minutes of a double-hour edge (the other hour), from 23:00 to 00:59 (the day
            and hour under the other 子 conventions), where the two term methods give other year or month pillars,
            or in China's 1986-1991 summer time read on the fixed UTC+8
)";

constexpr std::string_view kHelpUnknownHour = R"(
A birth of unknown hour (--time unknown, in batches "time":"unknown") is charted on three pillars: row 2 reads
"出生公历：YYYY-MM-DD 时辰不详", and every item that needs the hour shows "—" (in --json null, the arrays keeping
four places): the hour pillar and its cells, its stars, 命宫 and 身宫 and their NaYin, its 自坐. The relations and
counts take the three pillars; the luck starts from 12:00 of the birth day, as a notice says. A 节 on the birth day
gives a notice naming the month (at 立春 also the year) before and after it. Mean or true solar time is not applied
to a time nobody knows: the day is the clock's, its row reads 不用（时辰不详）, and a notice says so.
)";

constexpr std::string_view kHelpJson = R"(
Every moment option that differs from the default is stated in rows after the first two, in this order:
  出生地：<name>（<region>）                      the place of --place
  经度：东经<d.dd>° or 西经<d.dd>°                 the longitude of the solar time
  时区：<zone> UTC±HH:MM[ 夏令时][ 取较早|取较晚]   the zone, its offset at the birth, summer time, --fold
  真太阳时：or 平太阳时：YYYY-MM-DD HH:mm:ss       the local time the day and hour follow
  节气：天文                                      --terms astro
  子时：晚子次日时干 or 子时：晚子换日              --late-zi next-stem or next-day
  宫干：依年柱                                    --palace-year pillar
The terms row then gives the 节 in Beijing time, and the luck's start age counts between the birth's and the
term's instants; the 交运 date is a clock time in the birth's zone.

  --json             the chart as one JSON object on one line:
                     {"name","sex","birth",["hourKnown":false,]"lunar","terms":{"previous":{"name","time"},"next":{...}},
                      "pillars":{"year","month","day","hour"},"conception","lifePalace","void":[4],
                      "tenGods":[4],"hiddenStems":[4 x 3, "" where a branch hides fewer],"growth":[4],
                      "naYin":[4],"stars":{"yearBranch","yearStem","monthBranch","dayBranch","dayStem":
                      [4 lists of names]} or null,"startAge","handOver","startYear","luck":[8 x
                      {"pillar","tenGod","growth","naYin","age","year"}],"yearly":[80]}, and with --analysis
                      "analysis":{"bodyPalace","breath","naYin":{"conception","breath","lifePalace",
                      "bodyPalace"},"selfSeat":[4],"relations":[{"kind","chars","pillars":["year"|"month"|
                      "day"|"hour",...],"element" or null}],"elements":{"visible":{"木","火","土","金","水"},
                      "withHidden":{...}},"tenGods":{"visible":{ten keys, zeros kept},"withHidden":{...}},
                      "season":{"木":"旺",...},"notices":[{"kind":"term"|"hour"|"zi"|"termMethod"|
                      "summerTime"|"unknownHour","text",["term","minutes","others":[{"what","pillar"}]]}]}
                     with a moment option also "moment":{"place","region","longitude","zone","utcOffset",
                     "dst","fold","utc","solarTime","solarTimeKind","terms","lateZi","palaceYear"} after
                     "lunar" (keys of options at their default are left out; "utc" is always there)
  --help             print this text

Charts in batches: bazi chart - [--json | --crlf]   (the - may stand before or after the options)
  reads one request per line of standard input, a JSON object whose keys are the options above without their
  dashes: {"name":"张三","sex":"男","date":"1984-02-05","time":"08:00"}, with "lunar", "leap", "stars" and
  "analysis" as true or false, and "layout", "palace-year" and the moment options ("place", "longitude" (a number
  or a text), "tz", "solar-time", "terms", "late-zi", "fold") optional. Each line is read and checked as the options are. With --json one chart a
  line; otherwise each chart's text followed by a line holding only a form feed. A refused line (not one JSON
  object, an unknown key, a bad value, an empty line) gives {"error":"MESSAGE"} (or "error: MESSAGE" and the form
  feed line) in its place and the rest go on; the exit status is then 1. A UTF-8 byte-order mark and CR LF line
  ends are accepted.

Each option is given once. Bad input stops with a message on standard error, nothing on standard output,
and exit status 2.
)";

const std::string kHelp = std::string(kHelpHead) + std::string(kMomentHelp) + std::string(kHelpAnalysis) +
                          std::string(kHelpUnknownHour) + std::string(kHelpJson);

constexpr std::string_view kCrlfWithJson = "--crlf ends the lines of the chart text; --json writes one line";

// The request the words make, refused as well when they ask for two output forms at once.
std::optional<models::ChartRequest> readRequest(const GivenOptions& given, std::string& error)
{
    auto request = options::readChartRequest(given, error);
    if (request && given.json() && given.has("--crlf")) {
        error = kCrlfWithJson;
        return std::nullopt;
    }
    return request;
}

int writeChart(const models::ChartRequest& request, const GivenOptions& given)
{
    std::string out;
    if (auto refusal = writeChartOutput(out, request, given)) {
        std::cerr << "bazi: " << *refusal << '\n';
        return kExitUsage;
    }
    std::cout << out;
    return kExitOk;
}

constexpr NamedOption kBatchOptions[] = {{"--crlf"}};

int batchCommand(Args args)
{
    const GivenOptions given(args, kBatchOptions, false, true);
    if (given.help())
        return printHelp(kHelp);
    std::string error = given.error();
    if (error.empty() && given.json() && given.has("--crlf"))
        error = kCrlfWithJson;
    if (!error.empty())
        return usageError("chart", error + " (with -, the birth options come in each line)");
    return runBatch(given);
}

} // namespace

std::optional<std::string> writeChartOutput(std::string& out, const models::ChartRequest& request,
                                            const GivenOptions& given)
{
    auto built = models::chartOf(request, engine::systemClock());
    if (auto* refusal = std::get_if<models::Refusal>(&built))
        return std::move(refusal->message);
    const auto& chart = std::get<models::Chart>(built);
    if (given.json()) {
        writeChartJson(out, chart);
        out += '\n';
    } else {
        models::writeChartText(out, chart, given.has("--crlf") ? "\r\n" : "\n");
    }
    return std::nullopt;
}

int chartCommand(Args args)
{
    // "-" anywhere among the words, not as an option's value, asks for a batch.
    const GivenOptions given(args, options::kChartOptions, false, true);
    if (given.dash())
        return batchCommand(args);
    return runRequest(given, "chart", kHelp, readRequest, writeChart);
}

} // namespace cli
