#pragma once

#include "engine/support/DateTime.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// The text of a person's record file. Plain C++: the record store does the files and their encoding.
namespace models {

inline constexpr std::string_view kRemarkLabel = "备注：";
inline constexpr std::string_view kRecordExtension = ".txt";

// What a record file gives back to the window.
struct StoredRecord
{
    std::string chart;                      // every chart line followed by CR LF
    std::string remark;                     // every remark line followed by CR LF
    std::string sex;                        // after "性别：" in chart line 1, trimmed
    std::optional<engine::LocalTime> birth; // between "公历：" and "农历：" in chart line 2, when that is a date
    bool hourUnknown = false;               // the date there is followed by 时辰不详: `birth` is its day at 12:00
    std::size_t replaced = 0;               // byte sequences of the file shown as U+FFFD, as its reader counts them
};

// The file text: the chart, one more line end, "备注：", the remark and a line end. Every line end is written as
// CR LF, whether the texts hold CR LF or LF alone.
std::string composeRecord(std::string_view chart, std::string_view remark);

// Reads a record file's text (line ends CR LF, LF or CR). Nothing when chart line 1 lacks "性别：", chart line 2
// lacks "公历：" followed by "农历：", or the chart has fewer than two lines: such a file shows nothing.
std::optional<StoredRecord> parseRecord(std::string_view text);

} // namespace models
