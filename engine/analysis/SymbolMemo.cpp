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

} // namespace

int symbolIndex(std::string_view text)
{
    // Every stem and branch is one three-byte character: compare the three bytes, without a call per name.
    if (text.size() != kSymbolBytes)
        return -1;
    const auto& names = symbolNames();
    for (int i = 0; i < kSymbols; ++i) {
        const std::string_view name = names[static_cast<std::size_t>(i)];
        if (name[0] == text[0] && name[1] == text[1] && name[2] == text[2])
            return i;
    }
    return -1;
}

std::string_view symbolName(int index)
{
    return symbolNames()[static_cast<std::size_t>(index)];
}

} // namespace engine::memo
