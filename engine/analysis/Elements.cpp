#include "engine/analysis/Analysis.h"

#include "engine/analysis/SymbolMemo.h"
#include "engine/support/Utf8.h"

#include <algorithm>

using namespace engine;

namespace {

// Row: the element's name, '*', then the stems and branches of that element; elements in the order of the enum.
// clang-format off
constexpr std::array<std::string_view, 5> kElementRows = {
    "木*甲乙寅卯",
    "火*丙丁巳午",
    "土*戊己辰戌丑未",
    "金*庚辛申酉",
    "水*壬癸亥子",
};
// clang-format on
static_assert(kElementRows.size() == 5);
static_assert(std::ranges::all_of(kElementRows, [](std::string_view row) { return utf8::at(row, 1) == "*"; }));

std::optional<Element> searchElement(std::string_view stemOrBranch)
{
    // Whole characters compared, so that a broken one never matches the start of another.
    for (std::size_t i = 0; i < kElementRows.size(); ++i) {
        const std::string_view row = kElementRows[i];
        for (std::size_t k = 2; k < utf8::length(row); ++k) {
            if (utf8::at(row, k) == stemOrBranch)
                return static_cast<Element>(i);
        }
    }
    return std::nullopt;
}

} // namespace

namespace engine {

std::optional<Element> elementOf(std::string_view stemOrBranch)
{
    // Counted for every character of a chart and of its hidden stems: the stems' and branches' elements are read
    // from the rows once.
    static const auto bySymbol = [] {
        std::array<std::optional<Element>, memo::kSymbols> all;
        for (int i = 0; i < memo::kSymbols; ++i)
            all[static_cast<std::size_t>(i)] = searchElement(memo::symbolName(i));
        return all;
    }();
    const int i = memo::symbolIndex(stemOrBranch);
    return i >= 0 ? bySymbol[static_cast<std::size_t>(i)] : searchElement(stemOrBranch);
}

std::string_view elementName(Element element)
{
    return utf8::at(kElementRows[static_cast<std::size_t>(element)], 0);
}

} // namespace engine
