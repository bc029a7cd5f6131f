#include "engine/analysis/Analysis.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <chrono>
#include <set>
#include <string>

namespace {

using namespace std::chrono;
using engine::LocalTime;

LocalTime at(int y, unsigned m, unsigned d, int hour, int minute)
{
    return LocalTime{local_days{year{y} / month{m} / day{d}}} + hours{hour} + minutes{minute};
}

// What the palaces are read from: the moment's month branch, its hour branch, the calendar year's number.
struct PalaceInputs
{
    int monthBranch;
    int hourBranch;
    int gregorianYear;
    int yearPillarStem;
};

PalaceInputs inputsOf(LocalTime t)
{
    const engine::BirthMoment m = engine::beijingMoment(t);
    const engine::CivilTime c = engine::toCivil(m.solar);
    return {engine::floorMod(engine::monthCount(m), 12), engine::hourBranch(c.hour), static_cast<int>(c.date.year()),
            engine::floorMod(engine::yearCount(m), 10)};
}

int branch(const char* name)
{
    return engine::branchIndex(name);
}

// 身宫 worked by hand: month number (寅 1 … 丑 12) plus hour number (子 1 … 亥 12), less 12 over 12, as a month.
struct BodyCase
{
    const char* month;
    const char* hour;
    const char* palace;
};
const BodyCase kBodyPalaces[] = {
    {"寅", "辰", "未"}, // 1 + 5 = 6
    {"丑", "亥", "丑"}, // 12 + 12 = 24, less 12: the largest sum
    {"寅", "子", "卯"}, // 1 + 1 = 2: the smallest sum
    {"子", "子", "丑"}, // 11 + 1 = 12 stays
    {"子", "丑", "寅"}, // 11 + 2 = 13 wraps to 1
    {"午", "酉", "辰"}, // 5 + 10 = 15 wraps to 3
};

TEST(BodyPalace, WorkedByHand)
{
    for (const BodyCase& c : kBodyPalaces) {
        SCOPED_TRACE(std::string(c.month) + c.hour);
        EXPECT_EQ(engine::branchName(engine::bodyPalaceBranch(branch(c.month), branch(c.hour))), c.palace);
    }
}

TEST(BodyPalace, EveryMonthAndHourFollowsTheNumbering)
{
    for (int m = 0; m < 12; ++m) {
        for (int h = 0; h < 12; ++h) {
            const int monthNumber = (m + 10) % 12 + 1; // 寅 (2) is 1, 丑 (1) is 12
            const int hourNumber = h + 1;              // 子 (0) is 1
            const int sum = monthNumber + hourNumber;
            const int number = sum > 12 ? sum - 12 : sum;
            EXPECT_EQ(engine::bodyPalaceBranch(m, h), (number + 1) % 12) << m << ' ' << h;
        }
    }
}

// 年上起月: the months of a year from 寅, by the rhyme 甲己之年丙作首 … 戊癸何方发，甲寅之上好追求.
struct TigerRun
{
    const char* yearStems;
    const char* months;
};
const TigerRun kTigerRuns[] = {
    {"甲己", "丙寅丁卯戊辰己巳庚午辛未壬申癸酉甲戌乙亥丙子丁丑"},
    {"乙庚", "戊寅己卯庚辰辛巳壬午癸未甲申乙酉丙戌丁亥戊子己丑"},
    {"丙辛", "庚寅辛卯壬辰癸巳甲午乙未丙申丁酉戊戌己亥庚子辛丑"},
    {"丁壬", "壬寅癸卯甲辰乙巳丙午丁未戊申己酉庚戌辛亥壬子癸丑"},
    {"戊癸", "甲寅乙卯丙辰丁巳戊午己未庚申辛酉壬戌癸亥甲子乙丑"},
};

TEST(PalaceStem, RunsTheFiveTigersFromYin)
{
    for (const TigerRun& run : kTigerRuns) {
        for (std::size_t s = 0; s < 2; ++s) {
            const int yearStem = engine::stemIndex(engine::utf8::at(run.yearStems, s));
            for (std::size_t k = 0; k < 12; ++k) {
                const std::string_view pillar = engine::utf8::mid(run.months, 2 * k, 2);
                const int b = engine::branchIndex(engine::utf8::at(pillar, 1));
                SCOPED_TRACE(std::string(engine::utf8::at(run.yearStems, s)) + std::string(pillar));
                EXPECT_EQ(engine::ganZhiOf(engine::palaceStem(yearStem, b), b), pillar);
            }
        }
    }
}

TEST(CalendarYearStem, IsTheYearNumbersStem)
{
    for (int y = 1900; y <= 2100; ++y) // the year pillar from 立春 carries the year number's stem
        ASSERT_EQ(engine::calendarYearStem(y), engine::floorMod(engine::yearCountIn(y, true), 10)) << y;
}

// Every day from 1900 to 2100, the hour moving on seven each day so that all 24 clock hours come round in every
// month: lifePalaceBranch and palaceStem re-express lifePalace exactly.
TEST(PalacesOf, LifePalaceIsTodaysOnTheCalendarYearAndTurnsAtLiChunOnTheYearPillar)
{
    int day = 0;
    int differing = 0;
    std::set<std::pair<int, int>> monthsAndHours;
    for (local_days d{year{1900} / 1 / 1}; d <= local_days{year{2100} / 12 / 31}; d += days{1}, ++day) {
        const LocalTime t = LocalTime{d} + hours{(day * 7) % 24} + minutes{day % 60};
        const PalaceInputs in = inputsOf(t);
        monthsAndHours.insert({in.monthBranch, in.hourBranch});
        const engine::Palaces calendar =
            engine::palacesOf(in.monthBranch, in.hourBranch, engine::calendarYearStem(in.gregorianYear));
        const std::string today = engine::lifePalace(t);
        ASSERT_EQ(engine::ganZhiOf(calendar.lifeStem, calendar.lifeBranch), today) << engine::writeTime(t);

        const engine::Palaces pillar = engine::palacesOf(in.monthBranch, in.hourBranch, in.yearPillarStem);
        const bool beforeLiChun = t < engine::termInstant(in.gregorianYear, 2);
        ASSERT_EQ(engine::ganZhiOf(pillar.lifeStem, pillar.lifeBranch) != today, beforeLiChun) << engine::writeTime(t);
        if (beforeLiChun) {
            ++differing;
            ASSERT_LE(static_cast<unsigned>(year_month_day{d}.month()), 2u) << engine::writeTime(t);
        }
    }
    EXPECT_GT(differing, 201 * 30); // every year's January at least
    EXPECT_EQ(monthsAndHours.size(), 144u);
}

// 胎息: the day stem's partner in 甲己 乙庚 丙辛 丁壬 戊癸, over the day branch's in 子丑 寅亥 卯戌 辰酉 巳申 午未.
TEST(BreathPillar, CombinesWithBothHalvesOfTheDay)
{
    const char* stemPairs[] = {"甲己", "乙庚", "丙辛", "丁壬", "戊癸"};
    const char* branchPairs[] = {"子丑", "寅亥", "卯戌", "辰酉", "巳申", "午未"};
    for (const char* pair : stemPairs) {
        const int a = engine::stemIndex(engine::utf8::at(pair, 0));
        const int b = engine::stemIndex(engine::utf8::at(pair, 1));
        EXPECT_EQ(engine::breathPillar(a, 0).stem, b) << pair;
        EXPECT_EQ(engine::breathPillar(b, 1).stem, a) << pair;
    }
    for (const char* pair : branchPairs) {
        const int a = engine::branchIndex(engine::utf8::at(pair, 0));
        const int b = engine::branchIndex(engine::utf8::at(pair, 1));
        EXPECT_EQ(engine::breathPillar(0, a).branch, b) << pair;
        EXPECT_EQ(engine::breathPillar(1, b).branch, a) << pair;
    }
}

// A derived pillar is a real one of the sixty exactly when NaYin knows it.
TEST(DerivedPillars, AreAllAmongTheSixtyForNaYin)
{
    for (int c = 0; c < 60; ++c) {
        ASSERT_FALSE(engine::naYin(engine::conceptionPillar(c)).empty()) << c;
        const engine::StemBranch breath = engine::breathPillar(c % 10, c % 12);
        ASSERT_FALSE(engine::naYin(engine::ganZhiOf(breath.stem, breath.branch)).empty()) << c;
        const engine::StemBranch back = engine::breathPillar(breath.stem, breath.branch);
        ASSERT_EQ(back.stem * 100 + back.branch, (c % 10) * 100 + c % 12) << c; // the day's own partners
    }
    for (int y = 0; y < 10; ++y) {
        for (int m = 0; m < 12; ++m) {
            for (int h = 0; h < 12; ++h) {
                const engine::Palaces p = engine::palacesOf(m, h, y);
                ASSERT_FALSE(engine::naYin(engine::ganZhiOf(p.lifeStem, p.lifeBranch)).empty()) << y << m << h;
                ASSERT_FALSE(engine::naYin(engine::ganZhiOf(p.bodyStem, p.bodyBranch)).empty()) << y << m << h;
            }
        }
    }
}

// 1984-03-02 16:25, 甲子 丙寅 乙未 甲申, worked by hand: 寅 month, 申 hour, calendar and pillar year both 甲.
// 命宫 未 (26 - 1 - 7 = 18, less 12 is 6), 身宫 亥 (1 + 9 = 10); 甲 starts 寅 at 丙: 辛未, 乙亥.
TEST(WorkedChart, PalacesBreathSeatsAndNaYin)
{
    const LocalTime t = at(1984, 3, 2, 16, 25);
    const engine::PillarChars p = engine::pillarChars(t);
    ASSERT_EQ(p.ganZhi(0) + p.ganZhi(1) + p.ganZhi(2) + p.ganZhi(3), "甲子丙寅乙未甲申");
    const PalaceInputs in = inputsOf(t);
    const engine::Palaces palaces = engine::palacesOf(in.monthBranch, in.hourBranch, in.yearPillarStem);
    const std::string life = engine::ganZhiOf(palaces.lifeStem, palaces.lifeBranch);
    const std::string body = engine::ganZhiOf(palaces.bodyStem, palaces.bodyBranch);
    const engine::StemBranch b =
        engine::breathPillar(engine::stemIndex(p.stems[2]), engine::branchIndex(p.branches[2]));
    const std::string breath = engine::ganZhiOf(b.stem, b.branch);
    EXPECT_EQ(life, "辛未");
    EXPECT_EQ(life, engine::lifePalace(t));
    EXPECT_EQ(body, "乙亥");
    EXPECT_EQ(breath, "庚午"); // 乙 with 庚, 未 with 午
    EXPECT_EQ(engine::naYin(life), "路旁土");
    EXPECT_EQ(engine::naYin(body), "山头火");
    EXPECT_EQ(engine::naYin(breath), "路旁土");
    EXPECT_EQ(engine::naYin(engine::conceptionPillar(engine::monthCount(engine::beijingMoment(t)))), "沙中土"); // 丁巳

    // 甲 on 子 沐浴, 丙 on 寅 长生, 乙 on 未 养, 甲 on 申 绝.
    const std::array<std::string_view, 4> seats = {"沐浴", "长生", "养", "绝"};
    EXPECT_EQ(engine::selfSeats(p), seats);
    engine::PillarChars threePillars = p;
    threePillars.stems[3] = threePillars.branches[3] = {};
    EXPECT_EQ(engine::selfSeats(threePillars)[3], "") << "an unknown hour has no seat";
}

} // namespace
