#include "models/records/RecordFile.h"

#include "engine/support/Text.h"
#include "models/chart/ChartRequest.h"

#include <vector>

namespace models {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSexLabel = "性别：";
constexpr std::string_view kGregorianLabel = "公历：";
constexpr std::string_view kLunarLabel = "农历：";

// A line end is CR LF, LF or a lone CR; a last line without one still counts.
std::vector<std::string_view> splitLines(std::string_view text)
{
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\r' && text[i] != '\n')
            continue;
        lines.push_back(text.substr(start, i - start));
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < text.size())
        lines.push_back(text.substr(start));
    return lines;
}

// Every line end (CR LF, LF or a lone CR) as CR LF; nothing else changes.
void appendWithCrLf(std::string& out, std::string_view text)
{
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' || text[i] == '\n') {
            out += kCrLf;
            if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
                ++i;
        } else {
            out += text[i];
        }
    }
}

// The text after the first `label`, trimmed; nothing when the label is missing.
std::optional<std::string_view> after(std::string_view line, std::string_view label)
{
    const auto pos = line.find(label);
    if (pos == std::string_view::npos)
        return std::nullopt;
    return engine::trimBlanks(line.substr(pos + label.size()));
}

// The text between the first "公历：" and the first "农历：" that follows it, trimmed.
std::optional<std::string_view> birthText(std::string_view line)
{
    const auto from = line.find(kGregorianLabel);
    const auto to = line.find(kLunarLabel);
    if (from == std::string_view::npos || to == std::string_view::npos || to < from + kGregorianLabel.size())
        return std::nullopt;
    const auto start = from + kGregorianLabel.size();
    return engine::trimBlanks(line.substr(start, to - start));
}

// The birth of chart line 2: a date and time, or a date followed by 时辰不详, read as that day at 12:00 as it
// was charted.
void readBirth(std::string_view text, StoredRecord& record)
{
    std::string_view date = text;
    if (date.ends_with(kHourUnknownWords)) {
        date.remove_suffix(kHourUnknownWords.size());
        const bool dateOnly = date.ends_with(' ') && date.find(':') == std::string_view::npos;
        const auto day = dateOnly ? engine::readTime(engine::trimBlanks(date)) : std::nullopt;
        record.hourUnknown = day.has_value();
        if (day)
            record.birth = *day + std::chrono::hours{12};
        return;
    }
    record.birth = engine::readTime(text);
}

} // namespace

std::string composeRecord(std::string_view chart, std::string_view remark)
{
    std::string text;
    text.reserve(chart.size() + remark.size() + 32);
    appendWithCrLf(text, chart);
    text += kCrLf;
    text += kRemarkLabel;
    text += kCrLf;
    appendWithCrLf(text, remark);
    text += kCrLf;
    return text;
}

std::optional<StoredRecord> parseRecord(std::string_view text)
{
    StoredRecord record;
    bool inRemark = false;
    int chartLine = 0;
    for (const auto line : splitLines(text)) {
        const bool label = line.find(kRemarkLabel) != std::string_view::npos;
        if (inRemark) {
            if (!label) // a second "备注：" line is dropped like the first
                (record.remark += line) += kCrLf;
            continue;
        }
        if (label) {
            inRemark = true;
            continue;
        }
        (record.chart += line) += kCrLf;
        if (++chartLine == 1) {
            const auto sex = after(line, kSexLabel);
            if (!sex)
                return std::nullopt;
            record.sex = *sex;
        } else if (chartLine == 2) {
            const auto birth = birthText(line);
            if (!birth)
                return std::nullopt;
            readBirth(*birth, record);
        }
    }
    if (chartLine < 2)
        return std::nullopt;
    return record;
}

} // namespace models
