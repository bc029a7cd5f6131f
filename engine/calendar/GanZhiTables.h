#pragma once

#include <array>
#include <string_view>

namespace engine::tables {

// Heavenly stems, index 0-9.
// clang-format off
inline constexpr std::array<std::string_view, 10> kTianGan = {"甲", "乙", "丙", "丁", "戊",
                                                             "己", "庚", "辛", "壬", "癸"};
// clang-format on
static_assert(kTianGan.size() == 10);

// Earthly branches, index 0-11.
// clang-format off
inline constexpr std::array<std::string_view, 12> kDiZhi = {"子", "丑", "寅", "卯", "辰", "巳",
                                                           "午", "未", "申", "酉", "戌", "亥"};
// clang-format on
static_assert(kDiZhi.size() == 12);

// Zodiac animals by branch index 0-11.
// clang-format off
inline constexpr std::array<std::string_view, 12> kAnimals = {"鼠", "牛", "虎", "兔", "龙", "蛇",
                                                             "马", "羊", "猴", "鸡", "狗", "猪"};
// clang-format on
static_assert(kAnimals.size() == 12);

} // namespace engine::tables
