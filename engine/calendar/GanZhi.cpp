#include "engine/LandPP.h"

#include "engine/calendar/GanZhiTables.h"

using namespace engine;

namespace {

template <std::size_t N> int indexOf(const std::array<std::string_view, N>& table, std::string_view text)
{
    for (std::size_t i = 0; i < N; ++i) {
        if (table[i] == text)
            return static_cast<int>(i);
    }
    return 0; // an unknown text answers like the first entry
}

} // namespace

namespace engine {

std::string_view stemName(long long count)
{
    return tables::kTianGan[static_cast<std::size_t>(floorMod(count, 10))];
}

std::string_view branchName(long long count)
{
    return tables::kDiZhi[static_cast<std::size_t>(floorMod(count, 12))];
}

std::string ganZhi(long long count)
{
    return std::string(ganZhiName(count));
}

std::string_view ganZhiName(long long count)
{
    static const std::array<std::string, 60> names = [] {
        std::array<std::string, 60> all;
        for (int n = 0; n < 60; ++n)
            all[static_cast<std::size_t>(n)] = std::string(stemName(n)) + std::string(branchName(n));
        return all;
    }();
    return names[static_cast<std::size_t>(floorMod(count, 60))];
}

int stemIndex(std::string_view text)
{
    return indexOf(tables::kTianGan, text);
}

int branchIndex(std::string_view text)
{
    return indexOf(tables::kDiZhi, text);
}

} // namespace engine

std::string LandPP::TianGan(std::int16_t itg) const
{
    return std::string(stemName(itg));
}

std::string LandPP::DiZhi(std::int16_t idz) const
{
    return std::string(branchName(idz));
}

std::int16_t LandPP::TianGanToNum(const std::string& sTG) const
{
    return static_cast<std::int16_t>(stemIndex(sTG));
}

std::int16_t LandPP::DiZhiToNum(const std::string& sDZ) const
{
    return static_cast<std::int16_t>(branchIndex(sDZ));
}
