#pragma once

#include "ui/common/QtText.h"

#include <QDesktopServices>
#include <QUrl>

#include <string_view>

// The maker's web pages: the website menu, the about box and the status bar name them from here.
namespace ui::links {

inline constexpr std::string_view kHome = "https://www.chengshu.org/";
inline constexpr std::string_view kPaiPan = "https://www.chengshu.org/paipan/";
inline constexpr std::string_view kHomeName = "澄枢网";

// Hands the address to the desktop's browser; like the menu it serves, it reports nothing.
inline void openPage(std::string_view address)
{
    QDesktopServices::openUrl(QUrl(toQt(address)));
}

} // namespace ui::links
