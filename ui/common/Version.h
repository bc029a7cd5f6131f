#pragma once

#include <string_view>

namespace ui {

// The product's name and the version of this build.
inline constexpr std::string_view kProductName = "澄枢八字排盘";
std::string_view productVersion();

} // namespace ui
