#pragma once

#include <string_view>

// The words of the chart's birth-moment rows, shared by the chart that writes them and the record reader that
// reads them back, so the two cannot drift apart.
namespace models::rows {

inline constexpr std::string_view kPlace = "出生地：";
inline constexpr std::string_view kLongitude = "经度：";
inline constexpr std::string_view kEast = "东经";
inline constexpr std::string_view kWest = "西经";
inline constexpr std::string_view kDegree = "°";
inline constexpr std::string_view kZone = "时区：";
inline constexpr std::string_view kSummerTime = " 夏令时";
inline constexpr std::string_view kFoldEarlier = " 取较早";
inline constexpr std::string_view kFoldLater = " 取较晚";
inline constexpr std::string_view kTrueSolar = "真太阳时：";
inline constexpr std::string_view kMeanSolar = "平太阳时：";
inline constexpr std::string_view kAstroTerms = "节气：天文";
inline constexpr std::string_view kNextStem = "子时：晚子次日时干";
inline constexpr std::string_view kNextDay = "子时：晚子换日";

} // namespace models::rows
