#include "engine/analysis/SymbolMemo.h"

#include "engine/calendar/Calendar.h"

#include <algorithm>

namespace engine::memo {
namespace {

const std::array<std::string_view, kSymbols>& symbolNames()
{
    static const std::array<std::string_view, kSymbols> names = [] {
        std::array<std::string_view, kSymbols> all;
        for (int i = 0; i < 10; ++i)
            all[i] = stemName(i);
        for (int i = 0; i < 12; ++i)
            all[10 + i] = branchName(i);
        return all;
    }();
    return names;
}

} // namespace

int symbolIndex(std::string_view text)
{
    const auto& names = symbolNames();
    const auto it = std::find(names.begin(), names.end(), text);
    return it == names.end() ? -1 : static_cast<int>(it - names.begin());
}

std::string_view symbolName(int index)
{
    return symbolNames()[static_cast<std::size_t>(index)];
}

} // namespace engine::memo
