#include "engine/LandPP.h"

#include <gtest/gtest.h>

namespace {

const engine::Clock kFixedNow = [] {
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8};
};

struct CountCase
{
    std::int16_t count;
    const char* stem;
    const char* branch;
};

const CountCase kCounts[] = {
    {0, "甲", "子"},   // start of the cycle
    {59, "癸", "亥"},  // end of the cycle
    {60, "甲", "子"},  // wraps
    {120, "甲", "子"}, // reduced by both tables
    {9, "癸", "酉"},   // last stem
    {11, "乙", "亥"},  // last branch
};

TEST(TianGanDiZhi, ReduceCountsModTenAndTwelve)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kCounts) {
        SCOPED_TRACE(c.count);
        EXPECT_EQ(lp.TianGan(c.count), c.stem);
        EXPECT_EQ(lp.DiZhi(c.count), c.branch);
    }
}

} // namespace
