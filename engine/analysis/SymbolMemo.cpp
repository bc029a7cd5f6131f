#include "engine/analysis/SymbolMemo.h"

#include "engine/calendar/Calendar.h"

#include <algorithm>
#include <cassert>

namespace engine::memo {
namespace {

constexpr std::size_t kSymbolBytes = 3;

const std::array<std::string_view, kSymbols>& symbolNames()
{
    static const std::array<std::string_view, kSymbols> names = [] {
        std::array<std::string_view, kSymbols> all;
        for (int i = 0; i < 10; ++i)
            all[i] = stemName(i);
        for (int i = 0; i < 12; ++i)
            all[10 + i] = branchName(i);
        assert(std::ranges::all_of(all, [](std::string_view name) { return name.size() == kSymbolBytes; }));
        return all;
    }();
    return names;
}

// The code point of a three-byte character, without checking it: only compared with the names' own.
constexpr char32_t codePoint(std::string_view c)
{
    return (static_cast<char32_t>(static_cast<unsigned char>(c[0]) & 0x0F) << 12) |
           (static_cast<char32_t>(static_cast<unsigned char>(c[1]) & 0x3F) << 6) |
           (static_cast<char32_t>(static_cast<unsigned char>(c[2]) & 0x3F));
}

// Every stem and branch is a CJK ideograph: the index of each, by code point, from U+4E00 on.
constexpr char32_t kFirstIdeograph = 0x4E00;
constexpr std::size_t kIdeographs = 0x5200; // to U+9FFF

const std::array<signed char, kIdeographs>& indexByCodePoint()
{
    static const std::array<signed char, kIdeographs> table = [] {
        std::array<signed char, kIdeographs> all;
        all.fill(-1);
        for (int i = 0; i < kSymbols; ++i) {
            const char32_t cp = codePoint(symbolNames()[static_cast<std::size_t>(i)]);
            assert(cp >= kFirstIdeograph && cp - kFirstIdeograph < kIdeographs);
            all[cp - kFirstIdeograph] = static_cast<signed char>(i);
        }
        return all;
    }();
    return table;
}

} // namespace

int symbolIndex(std::string_view text)
{
    // A chart asks this hundreds of times: one table look-up by code point, after checking the bytes are a
    // three-byte character.
    if (text.size() != kSymbolBytes || (static_cast<unsigned char>(text[0]) & 0xF0) != 0xE0 ||
        (static_cast<unsigned char>(text[1]) & 0xC0) != 0x80 || (static_cast<unsigned char>(text[2]) & 0xC0) != 0x80)
        return -1;
    const char32_t cp = codePoint(text);
    if (cp < kFirstIdeograph || cp - kFirstIdeograph >= kIdeographs)
        return -1;
    return indexByCodePoint()[cp - kFirstIdeograph];
}

std::string_view symbolName(int index)
{
    return symbolNames()[static_cast<std::size_t>(index)];
}

} // namespace engine::memo
