#include "cli/Commands.h"

#include "cli/CliJson.h"
#include "cli/CliSupport.h"
#include "models/chart/ChartText.h"
#include "models/records/RecordMoment.h"
#include "models/records/TextCodec.h"
#include "models/solartime/MomentWords.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

// Stored record files read back: the birth and options each holds, and the chart it re-charts to, so that a data
// folder can be re-charted after a change and checked against what was stored.
namespace cli {
namespace {

constexpr std::string_view kHelp = R"(Usage: bazi record [--json] FILE...

Reads each record file the chart window saved (GB18030 or UTF-8) and prints the birth read back and the
chart it re-charts to. The options stated in the stored chart's header rows (place, longitude, zone, solar
time, terms, 子 convention) and its layout and stars are used, so a record re-charts as it was charted:
  file: 张三.txt
  name: 张三
  sex: 男
  birth: 1984-03-02 16:25:00
  place: 喀什（新疆）            (only the options that differ from the default; longitude and zone
  longitude: 76.25               only when they are not the place's own)
  zone: Asia/Urumqi
  solar-time: true              (clock, mean or true)
  terms: astro                  (mean or astro)
  late-zi: next-day             (same, next-stem or next-day)
  layout: 竖排
  stars: no
  matches: yes                  (the re-charted rows equal the stored ones)
then an empty line, the chart (lines ended by LF) and an empty line.

A file that cannot be read, is empty or binary, or lacks the chart's first two rows gives
"error: FILE: REASON" on standard error; the others are still read, and the exit status is 1.
Bytes that are not GB18030 text are shown as U+FFFD, one for each unreadable sequence, as the window
shows them; the record is still printed, with "bazi: FILE: not GB18030 text in N places; shown as
U+FFFD" on standard error, and the exit status stays 0.

Options:
  --json   one object per file and line: {"file","name","sex","birth","place","longitude","zone","fold",
           "solarTime","terms","lateZi","layout","stars","matches","chart"}; the options at their default
           are left out
)";

// The file's bytes, or nothing when it cannot be opened or read. The path is UTF-8, as every word of the command
// line is; read as such, a Chinese file name opens on Windows too, where a narrow path means the ANSI code page.
std::optional<std::string> readBytes(const std::string& path)
{
    std::ifstream in(std::filesystem::path(std::u8string(path.begin(), path.end())), std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << in.rdbuf();
    if (in.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

// The chart without the line ends after its last row: a stored chart has one empty row more than a fresh one.
std::string_view withoutTrailingLineEnds(std::string_view chart)
{
    while (chart.ends_with('\r') || chart.ends_with('\n'))
        chart.remove_suffix(1);
    return chart;
}

// The options that differ from the default, as key and value, in the order of the chart's header rows.
std::vector<std::pair<std::string_view, std::string>> optionFields(const models::MomentOptions& o)
{
    namespace w = models::words;
    std::vector<std::pair<std::string_view, std::string>> fields;
    if (o.place)
        fields.emplace_back(w::kPlaceOption.json, models::placeLabel(*o.place));
    if (o.longitude)
        fields.emplace_back(w::kLongitudeOption.json, models::degreesText(*o.longitude));
    if (!o.zone.empty())
        fields.emplace_back(w::kZoneOption.json, o.zone);
    if (o.fold != zones::Fold::none)
        fields.emplace_back(w::kFoldOption.json, w::of(w::kFolds, o.fold).tool);
    if (o.solarTime != engine::SolarTimeKind::clock)
        fields.emplace_back(w::kSolarTimeOption.json, w::of(w::kSolarTimes, o.solarTime).tool);
    if (o.terms != models::TermMethod::mean)
        fields.emplace_back(w::kTermsOption.json, w::of(w::kTermMethods, o.terms).tool);
    if (o.lateZi != engine::LateZi::same)
        fields.emplace_back(w::kLateZiOption.json, w::of(w::kLateZis, o.lateZi).tool);
    if (o.palaceYear != models::PalaceYear::calendar)
        fields.emplace_back(w::kPalaceYearOption.json, w::of(w::kPalaceYears, o.palaceYear).tool);
    return fields;
}

// "solarTime" -> "solar-time": the text output names the options as the chart command does.
std::string textKey(std::string_view key)
{
    std::string out;
    for (const char c : key) {
        if (c >= 'A' && c <= 'Z')
            (out += '-') += static_cast<char>(c - 'A' + 'a');
        else
            out += c;
    }
    return out;
}

std::string recordText(const std::string& path, const models::ChartRequest& r, const std::string& birth, bool matches,
                       const std::string& chart)
{
    std::string out = "file: " + path + "\nname: " + r.name + "\nsex: " + (r.male ? "男" : "女") + "\nbirth: " + birth;
    for (const auto& [key, value] : optionFields(r.moment))
        out += '\n' + textKey(key) + ": " + value;
    out += "\nlayout: " + std::string(models::layoutWord(r.layout)) + "\nstars: " + (r.stars ? "yes" : "no") +
           "\nmatches: " + (matches ? "yes" : "no");
    return out + "\n\n" + chart;
}

std::string recordJson(const std::string& path, const models::ChartRequest& r, const std::string& birth, bool matches,
                       const std::string& chart)
{
    JsonObject object;
    object.text("file", path).text("name", r.name).text("sex", r.male ? "男" : "女").text("birth", birth);
    for (const auto& [key, value] : optionFields(r.moment))
        if (key == "longitude")
            object.json(key, value);
        else
            object.text(key, value);
    return object.text("layout", models::layoutWord(r.layout))
        .flag("stars", r.stars)
        .flag("matches", matches)
        .text("chart", chart)
        .str();
}

// What was printed holds U+FFFD for bytes that are no text: the reader is told, but the record still counts.
void tellReplaced(const std::string& path, std::size_t replaced)
{
    std::cout.flush();
    std::cerr << "bazi: " << path << ": not GB18030 text in " << replaced << (replaced == 1 ? " place" : " places")
              << "; shown as U+FFFD\n";
}

// Prints one file's record; the reason it cannot, or nothing.
std::optional<std::string> printRecord(const std::string& path, bool json)
{
    const auto bytes = readBytes(path);
    if (!bytes)
        return "cannot be read";
    if (bytes->empty())
        return "empty file";
    const models::DecodedText decoded = models::decodeStoredText(*bytes);
    if (decoded.text.find('\0') != std::string::npos)
        return "neither UTF-8 nor GB18030 text";
    const auto record = models::parseRecord(decoded.text);
    if (!record)
        return "not a record: the first two rows lack 性别： or 公历：…农历：";
    auto request = models::recordRequest(*record);
    if (const auto* reason = std::get_if<std::string>(&request))
        return *reason;
    const auto& r = std::get<models::ChartRequest>(request);
    const auto built = models::chartOf(r, engine::systemClock());
    if (const auto* refusal = std::get_if<models::Refusal>(&built))
        return refusal->message;
    const auto& charted = std::get<models::Chart>(built);
    const std::string chart = models::chartText(charted, "\n");
    const bool matches = withoutTrailingLineEnds(models::chartText(charted)) == withoutTrailingLineEnds(record->chart);
    const std::string birth = record->hourUnknown
                                  ? engine::writeDate(std::chrono::floor<std::chrono::days>(*record->birth)) + " " +
                                        std::string(models::kHourUnknownWords)
                                  : engine::writeTime(*record->birth);
    std::cout << (json ? recordJson(path, r, birth, matches, chart) : recordText(path, r, birth, matches, chart))
              << '\n';
    if (decoded.replaced > 0)
        tellReplaced(path, decoded.replaced);
    return std::nullopt;
}

} // namespace

int recordCommand(Args args)
{
    const GivenOptions given(args, {}, true);
    if (given.help())
        return printHelp(kHelp);
    if (!given.error().empty())
        return usageError("record", given.error());
    if (given.values().empty())
        return usageError("record", "no record file given");
    int status = kExitOk;
    for (const std::string_view value : given.values()) {
        const std::string path(value);
        if (const auto reason = printRecord(path, given.json())) {
            std::cout.flush();
            std::cerr << "error: " << path << ": " << *reason << '\n';
            status = 1;
        }
    }
    return status;
}

} // namespace cli
