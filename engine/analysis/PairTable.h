#pragma once

#include "engine/calendar/GanZhiTables.h"
#include "engine/support/Utf8.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string_view>

// Rules of pairs and trios of stems or branches, written as rows of characters ("子丑土") and decoded by the compiler
// into lookups by index. The rows stay the single source; the lookups only let a search skip the text.
namespace engine::tables {

// For two symbols (stems or branches) by index: the row of a rule that joins them, or -1.
using Cells = std::array<std::array<std::int8_t, 12>, 12>;

template <std::size_t N> constexpr int indexIn(const std::array<std::string_view, N>& names, std::string_view glyph)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (names[i] == glyph)
            return static_cast<int>(i);
    }
    return -1;
}

// The cells joining the characters at `first` and `second` of each row; a row without both joins nothing.
template <std::size_t N, std::size_t M>
constexpr Cells pairCells(const std::array<std::string_view, N>& rows, const std::array<std::string_view, M>& names,
                          std::size_t first, std::size_t second)
{
    Cells cells{};
    for (auto& line : cells)
        line.fill(-1);
    for (std::size_t r = 0; r < N; ++r) {
        const int a = indexIn(names, utf8::at(rows[r], first));
        const int b = indexIn(names, utf8::at(rows[r], second));
        if (a >= 0 && b >= 0)
            cells[a][b] = cells[b][a] = static_cast<std::int8_t>(r);
    }
    return cells;
}

constexpr Cells merged(Cells a, const Cells& b) // b's cells where a has none
{
    for (std::size_t i = 0; i < 12; ++i) {
        for (std::size_t k = 0; k < 12; ++k)
            a[i][k] = a[i][k] >= 0 ? a[i][k] : b[i][k];
    }
    return a;
}

// Cells set: two for each pair of different symbols, one for a symbol joined with itself.
constexpr int cellCount(const Cells& cells)
{
    int count = 0;
    for (const auto& line : cells)
        count += static_cast<int>(std::ranges::count_if(line, [](std::int8_t row) { return row >= 0; }));
    return count;
}

// Each row's first three characters as branch bits; 0 for a row that does not name three different branches.
template <std::size_t N> constexpr std::array<std::uint16_t, N> trioBits(const std::array<std::string_view, N>& rows)
{
    std::array<std::uint16_t, N> trios{};
    for (std::size_t r = 0; r < N; ++r) {
        unsigned bits = 0;
        for (std::size_t k = 0; k < 3; ++k) {
            const int branch = indexIn(tables::kDiZhi, utf8::at(rows[r], k));
            bits |= branch >= 0 ? 1u << branch : 0u;
        }
        trios[r] = static_cast<std::uint16_t>(std::popcount(bits) == 3 ? bits : 0);
    }
    return trios;
}

template <std::size_t N> constexpr bool allOfLength(const std::array<std::string_view, N>& rows, std::size_t length)
{
    return std::ranges::all_of(rows, [length](std::string_view row) { return utf8::length(row) == length; });
}

} // namespace engine::tables
