#include "models/records/RecordFile.h"

#include "engine/support/Text.h"

#include "engine/support/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <vector>

namespace models {
namespace {

constexpr std::string_view kCrLf = "\r\n";
constexpr std::string_view kSexLabel = "性别：";
constexpr std::string_view kGregorianLabel = "公历：";
constexpr std::string_view kLunarLabel = "农历：";

// Longest file name the common file systems take, in bytes of UTF-8 (ext4) or units of UTF-16 (NTFS); the
// byte count is the stricter of the two for every character.
constexpr std::size_t kMaxNameBytes = 255;

// Windows refuses these characters in names; the portable data folder must open there too.
constexpr std::string_view kReservedCharacters = "\\/:*?\"<>|";

// Device names that Windows will not give to a file, with or without an extension.
constexpr std::array<std::string_view, 22> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};

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

bool isDeviceName(std::string_view name)
{
    const auto stem = name.substr(0, name.find('.'));
    return std::any_of(kDeviceNames.begin(), kDeviceNames.end(), [stem](std::string_view device) {
        return std::equal(stem.begin(), stem.end(), device.begin(), device.end(),
                          [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    });
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
            record.birth = engine::readTime(*birth);
        }
    }
    if (chartLine < 2)
        return std::nullopt;
    return record;
}

std::optional<std::string> nameProblem(std::string_view name, std::string_view extension)
{
    if (name.empty())
        return "名称不能为空";
    if (name == "." || name == "..")
        return "名称不能是“.”或“..”";
    if (!engine::utf8::isValid(name))
        return "名称含有无法识别的字符";
    if (std::any_of(name.begin(), name.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }))
        return "名称不能含有控制字符";
    if (name.find_first_of(kReservedCharacters) != std::string_view::npos)
        return "名称不能含有 \\ / : * ? \" < > | 这些字符";
    if (name.front() == ' ' || name.back() == ' ' || name.back() == '.')
        return "名称首尾不能是空格，末尾不能是“.”";
    if (isDeviceName(name))
        return "名称是系统保留的设备名";
    if (name.size() + extension.size() > kMaxNameBytes)
        return "名称过长";
    return std::nullopt;
}

} // namespace models
