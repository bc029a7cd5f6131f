#include "models/solartime/SummerTimeHint.h"

#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

namespace {

TEST(SummerTimeHint, OnlyChinasSummersOf1986To1991OnTheFixedClock)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    // China's summer time: 1986 from 4 May, 1987-1991 from mid-April to mid-September, clocks an hour ahead
    // (State Council notices of 1986 and 1992).
    const struct
    {
        const char* why;
        const char* clock;
        const char* zone;
        bool hint;
    } kCases[] = {
        {"mid-summer 1988", "1988-07-15 12:00:00", "", true},
        {"1992: summer time was abolished", "1992-07-15 12:00:00", "", false},
        {"the winter of 1988", "1988-01-15 12:00:00", "", false},
        {"the day before the first summer time began", "1986-05-03 12:00:00", "", false},
        {"the last summer's last full day", "1991-09-14 12:00:00", "", true},
        {"Asia/Shanghai already chosen", "1988-07-15 12:00:00", "Asia/Shanghai", false},
        {"another zone chosen", "1988-07-15 12:00:00", "Asia/Tokyo", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        models::MomentOptions options;
        options.zone = c.zone;
        EXPECT_EQ(models::missesChinaSummerTime(*engine::readTime(c.clock), options), c.hint);
    }
}

TEST(SummerTimeHint, APlaceBringsItsZone)
{
    models::MomentOptions options;
    options.place = models::findPlace("北京");
    ASSERT_TRUE(options.place);
    EXPECT_FALSE(models::missesChinaSummerTime(*engine::readTime("1988-07-15 12:00:00"), options));
}

} // namespace
