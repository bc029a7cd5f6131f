#pragma once

#include "engine/support/DateTime.h"
#include "models/solartime/BirthMoment.h"

// China kept summer time from 1986 to 1991; a clock time of those summers read on the fixed UTC+8 is an hour off.
namespace models {

inline constexpr std::string_view kChinaZone = "Asia/Shanghai";
inline constexpr int kFirstSummerTimeYear = 1986;
inline constexpr int kLastSummerTimeYear = 1991;
// What the window and the chart's notices say of such a birth.
inline constexpr std::string_view kSummerTimeHint =
    "这一时刻在中国 1986—1991 年的夏令时内，钟表比固定 UTC+8 快一小时。";

// True when the options read the clock time on the fixed UTC+8 (neither a zone nor a place given) and China's clock
// was on summer time then: the window then offers Asia/Shanghai.
bool missesChinaSummerTime(engine::LocalTime clock, const MomentOptions& options);

} // namespace models
