#include "models/records/RecordMoment.h"

#include "tests/models/chart/Listed.h"
#include "tests/models/solartime/NeedsLibraries.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A request as the window's controls give it.
models::ChartRequest request(std::string_view year, std::string_view month, std::string_view day, std::string_view hour,
                             std::string_view minute)
{
    return worked::listed("张三", true, false, year, month, day, hour, minute);
}

std::string chartOf(const models::ChartRequest& r)
{
    const auto chart = models::chartOf(r, engine::systemClock());
    EXPECT_TRUE(std::holds_alternative<models::Chart>(chart));
    const auto* made = std::get_if<models::Chart>(&chart);
    return made ? models::chartText(*made) : std::string();
}

// Saves the chart of `r` as a record, reads it back and re-charts it.
std::string rechart(const models::ChartRequest& r, models::ChartRequest* readBack = nullptr)
{
    const auto record = models::parseRecord(models::composeRecord(chartOf(r), "备注"));
    EXPECT_TRUE(record);
    if (!record)
        return {};
    auto again = models::recordRequest(*record);
    if (const auto* reason = std::get_if<std::string>(&again)) {
        ADD_FAILURE() << *reason;
        return {};
    }
    if (readBack)
        *readBack = std::get<models::ChartRequest>(again);
    return chartOf(std::get<models::ChartRequest>(again));
}

TEST(RecordMoment, ARecordReChartsAsItWasCharted)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    const models::Place* kashgar = models::findPlace("喀什");
    const models::Place* newYork = models::findPlace("纽约");
    ASSERT_TRUE(kashgar && newYork);
    const struct
    {
        const char* why;
        models::ChartRequest r;
        void (*set)(models::ChartRequest&, const models::Place*, const models::Place*);
    } kCases[] = {
        {"defaults: no header rows", request("1984", "03", "02", "16", "25"), [](auto&, auto, auto) {}},
        {"a place with true solar time: the place's own longitude, not the rounded one",
         request("1990", "01", "15", "00", "20"),
         [](models::ChartRequest& r, const models::Place* k, const models::Place*) {
             r.moment.place = k;
             r.moment.solarTime = engine::SolarTimeKind::apparent;
         }},
        {"a village's longitude beside its place", request("1990", "06", "15", "12", "00"),
         [](models::ChartRequest& r, const models::Place* k, const models::Place*) {
             r.moment.place = k;
             r.moment.longitude = 76.25;
             r.moment.solarTime = engine::SolarTimeKind::mean;
         }},
        {"a zone with summer time, a west longitude, astro terms and the day changing at 23:00",
         request("1990", "07", "04", "23", "30"),
         [](models::ChartRequest& r, const models::Place*, const models::Place*) {
             r.moment.zone = "America/New_York";
             r.moment.longitude = -74.01;
             r.moment.terms = models::TermMethod::astro;
             r.moment.lateZi = engine::LateZi::nextDay;
         }},
        {"Shanghai summer time of 1988 and the next day's 子-hour stem, 横排 with stars",
         request("1988", "07", "15", "23", "10"),
         [](models::ChartRequest& r, const models::Place*, const models::Place*) {
             r.moment.zone = "Asia/Shanghai";
             r.moment.lateZi = engine::LateZi::nextStem;
             r.layout = models::Layout::horizontal;
             r.stars = true;
         }},
        {"a foreign place: its own zone and longitude", request("2000", "02", "29", "06", "00"),
         [](models::ChartRequest& r, const models::Place*, const models::Place* n) { r.moment.place = n; }},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        models::ChartRequest r = c.r;
        c.set(r, kashgar, newYork);
        models::ChartRequest back;
        EXPECT_EQ(rechart(r, &back), chartOf(r));
        EXPECT_EQ(back.moment.place, r.moment.place);
        EXPECT_EQ(back.moment.solarTime, r.moment.solarTime);
        EXPECT_EQ(back.moment.terms, r.moment.terms);
        EXPECT_EQ(back.moment.lateZi, r.moment.lateZi);
        EXPECT_EQ(back.layout, r.layout);
        EXPECT_EQ(back.stars, r.stars);
    }
}

TEST(RecordMoment, AKashgarBirthJustAfterMidnightOnTrueSolarTimeFallsOnThePreviousDaysHaiHour)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    // Kashgar lies near 76°E: its true solar time runs about 2h50m behind Beijing time, so 00:20 is 21:30 the day
    // before, the 亥 hour (21:00-23:00).
    models::ChartRequest r = request("1990", "01", "15", "00", "20");
    r.moment.place = models::findPlace("喀什");
    r.moment.solarTime = engine::SolarTimeKind::apparent;
    const std::string chart = chartOf(r);
    EXPECT_NE(chart.find("真太阳时：1990-01-14 21:"), std::string::npos) << chart;
    models::ChartRequest back;
    rechart(r, &back);
    EXPECT_EQ(back.moment.place, r.moment.place);
    EXPECT_FALSE(back.moment.longitude);
}

// Thousands of births over both calendars, both layouts, with and without stars, with the hour and without it, and
// under each option: every stored chart reads back into a request that re-charts it byte for byte.
TEST(RecordMoment, EveryStoredChartReChartsToItself)
{
    SKIP_WITHOUT_ZONES_AND_ASTRONOMY();
    const auto setOptions = [](models::MomentOptions& o, int i) {
        switch (i % 5) {
        case 1:
            o.place = models::findPlace("喀什");
            o.solarTime = engine::SolarTimeKind::apparent;
            break;
        case 2:
            o.zone = "America/New_York";
            o.fold = zones::Fold::earlier;
            o.terms = models::TermMethod::astro;
            break;
        case 3:
            o.longitude = -74.25;
            o.solarTime = engine::SolarTimeKind::mean;
            o.lateZi = engine::LateZi::nextDay;
            break;
        case 4:
            o.lateZi = engine::LateZi::nextStem;
            o.palaceYear = models::PalaceYear::pillar;
            break;
        }
    };
    for (int i = 0; i < 2000; ++i) {
        models::ChartRequest r;
        r.name = "人" + std::to_string(i);
        r.male = i % 2 == 0;
        const int year = 1901 + (i * 37) % 198, month = 1 + (i * 5) % 12, day = 1 + (i * 11) % 28;
        if (i % 4 == 3)
            r.birth = models::LunarBirth{std::min(year, 2099), month, false, day, (i * 7) % 24, (i * 13) % 60};
        else
            r.birth =
                std::get<engine::LocalTime>(models::gregorianBirth(year, month, day, (i * 7) % 24, (i * 13) % 60));
        r.layout = i % 3 ? models::Layout::vertical : models::Layout::horizontal;
        r.stars = i % 6 < 3;
        r.analysis = i % 7 < 2;     // the analysis rows come back as the 分析 box
        r.hourUnknown = i % 11 < 3; // every option and layout meets the 时辰不详 box too
        setOptions(r.moment, i);
        const auto first = models::chartOf(r, engine::systemClock());
        if (!std::holds_alternative<models::Chart>(first))
            continue; // a clock time the zone skipped or repeated: nothing to store
        const std::string chart = models::chartText(std::get<models::Chart>(first));
        models::ChartRequest back;
        ASSERT_EQ(rechart(r, &back), chart) << i;
        ASSERT_EQ(back.hourUnknown, r.hourUnknown) << i;
    }
}

TEST(RecordMoment, RowsThatAreNoOptionsAreRefused)
{
    const struct
    {
        const char* why;
        std::string chart;
        bool read;
    } kCases[] = {
        {"an old record: no rows between row 2 and the empty row",
         "a 性别：男\r\n公历：1990-01-01 00:00:00 农历：\r\n\r\n", true},
        {"a place the table lacks", "a\r\nb\r\n出生地：无名村（新疆）\r\n\r\n", false},
        {"a longitude out of range", "a\r\nb\r\n经度：东经200.00°\r\n\r\n", false},
        {"a hand-written row", "a\r\nb\r\n备考：x\r\n\r\n", false},
        {"a zone row without its offset", "a\r\nb\r\n时区：Asia/Shanghai\r\n\r\n", false},
    };
    for (const auto& c : kCases) {
        SCOPED_TRACE(c.why);
        const auto options = models::readMomentRows(c.chart);
        ASSERT_EQ(std::holds_alternative<models::MomentOptions>(options), c.read);
        if (c.read) {
            EXPECT_TRUE(std::get<models::MomentOptions>(options).isDefault());
        }
    }
}

} // namespace
