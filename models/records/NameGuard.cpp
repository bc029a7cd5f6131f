#include "models/records/NameGuard.h"

#include "engine/support/Utf8.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace models {
namespace {

// Longest file name the common file systems take, in bytes of UTF-8 (ext4) or units of UTF-16 (NTFS); the
// byte count is the stricter of the two for every character.
constexpr std::size_t kMaxNameBytes = 255;

// Windows refuses these characters in names; the portable data folder must open there too.
constexpr std::string_view kReservedCharacters = "\\/:*?\"<>|";

// Device names that Windows will not give to a file, with or without an extension.
// clang-format off
constexpr std::array<std::string_view, 22> kDeviceNames = {
    "CON",  "PRN",  "AUX",  "NUL",  "COM1", "COM2", "COM3", "COM4", "COM5", "COM6", "COM7",
    "COM8", "COM9", "LPT1", "LPT2", "LPT3", "LPT4", "LPT5", "LPT6", "LPT7", "LPT8", "LPT9",
};
// clang-format on

bool isDeviceName(std::string_view name)
{
    const auto stem = name.substr(0, name.find('.'));
    return std::any_of(kDeviceNames.begin(), kDeviceNames.end(), [stem](std::string_view device) {
        return std::equal(stem.begin(), stem.end(), device.begin(), device.end(),
                          [](char a, char b) { return std::toupper(static_cast<unsigned char>(a)) == b; });
    });
}

} // namespace

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
