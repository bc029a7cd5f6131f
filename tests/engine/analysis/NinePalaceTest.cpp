#include "engine/LandPP.h"

#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

struct PalaceCase
{
    std::int16_t sYear;
    std::int16_t iSex;
    std::int16_t number;
    const char* why;
};

TEST(JiuGongDuShu, CountsThePalaceAndNeverGivesFive)
{
    const PalaceCase cases[] = {
        {1984, 1, 7, "(2900 - 1984) mod 9"},
        {1984, 0, 8, "(1984 - 1004) mod 9"},
        {1986, 1, 2, "a male remainder 5 becomes 2"},
        {1981, 0, 8, "a female remainder 5 becomes 8"},
        {1991, 1, 9, "remainder 0 is palace 9"},
        {1985, 0, 9, "... for a female too"},
        {1984, 2, 8, "anything but 1 counts as female"},
        {1000, 0, 8, "a negative difference reduces to 5, then 8"},
        {3000, 1, 8, "-100 reduces to 8"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(lp.JiuGongDuShu(c.sYear, c.iSex), c.number);
    }
}

struct StarCase
{
    std::int16_t iGong1;
    std::int16_t iGong2;
    const char* star;
    const char* why;
};

TEST(JiuGongHun, NamesTheStarOfTheNumberPair)
{
    const StarCase cases[] = {
        {1, 4, "生气", "first pair of the first row"},
        {4, 1, "生气", "either order"},
        {7, 8, "延年", "a man and a woman of 1984"},
        {9, 9, "伏位", "the last pair of its row"},
        {9, 7, "五鬼", "the last row"},
        {5, 5, "", "the centre palace matches nothing"},
        {0, 0, "", "nor does 0"},
        {1, 14, "", "\"114\" is in no row"},
        {-1, 4, "", "nor \"-14\""},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_EQ(lp.JiuGongHun(c.iGong1, c.iGong2), c.star);
    }
}

struct MatchCase
{
    const char* man;
    const char* woman;
    const char* verdict;
    const char* why;
};

TEST(LvCai, JudgesTheLunarYearsOfTheCouple)
{
    const MatchCase cases[] = {
        {"1984-03-01", "1984-03-01", "上等婚:延年婚主长寿有福，男女和谐，积德积庆，终生安康，上吉之配。",
         "lunar 1984 both: 7 and 8"},
        {"1984-01-20", "1984-03-01", "中等婚:伏位婚主一生平淡，有子有女，团圆和气，无惊无险，寻常之配。",
         "the man's January birth is lunar 1983: 8 and 8"},
        {"1986-06-01", "1981-06-01", "上等婚:生气婚主多子多福，儿孙满堂，子孝孙贤，有福有禄，上吉之配。",
         "both remainders 5: 2 and 8"},
        {"1988-06-01", "1984-06-01", "中等婚:六煞婚主化险为夷，夫妻和顺，虽富不达，丰衣足食。寻常之配。",
         "3 and 8; the verdict keeps its full stop"},
        {"1999-06-01", "1987-06-01", "下等婚:绝命婚主平生坎坷，生世艰辛，东离西走，家遭凶祸，大凶之配。", "1 and 2"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string man = c.man;
        std::string woman = c.woman;
        EXPECT_EQ(lp.LvCai(man, woman), c.verdict);
    }
}

TEST(LvCai, UnreadableDatesBecomeToday)
{
    const LandPP lp{kFixedNow};
    std::string man = "tomorrow";
    std::string woman = "1899-12-31"; // before the table
    // 2024-02-10 is lunar 2024-01-01: 3 and 3.
    EXPECT_EQ(lp.LvCai(man, woman), "中等婚:伏位婚主一生平淡，有子有女，团圆和气，无惊无险，寻常之配。");
    EXPECT_EQ(man, "2024-02-10");
    EXPECT_EQ(woman, "2024-02-10");
}

// Weights in 钱: year by lunar year, month, day, and hour branch.
struct BoneCase
{
    const char* sTime;
    const char* verse;
    const char* why;
};

TEST(ChengGu, AddsTheFourWeights)
{
    const BoneCase cases[] = {
        {"1984-02-02 10:15:00", "3两9：此命少年运不通，劳劳做事尽皆空，苦心竭力成家计，到得那时在梦中",
         "lunar 1984-1-1 巳 hour: 12 + 6 + 5 + 16"},
        {"2023-03-22 00:30:00", "4两：平生衣禄是绵长，件件心中自主张，前面风霜都受过，从来必定享安泰",
         "leap month 2 day 1 weighs as month 2, 子 hour: 12 + 7 + 5 + 16"},
        {"2023-03-22 23:30:00", "4两：平生衣禄是绵长，件件心中自主张，前面风霜都受过，从来必定享安泰",
         "23:30 is the same day's 子 hour"},
        {"2023-03-22 22:59:00", "3两：劳劳碌碌苦中求，东走西奔何日休，若能终身勤与俭，老来稍可免忧愁",
         "22:59 is still 亥: 12 + 7 + 5 + 6"},
        {"2000-01-07 17:30:00", "3两8：一生骨肉最清高，早入学门姓名标，待看年将三十六，蓝衣脱去换红袍",
         "lunar 1999-12-1 酉 hour: 19 + 5 + 5 + 9"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        std::string sTime = c.sTime;
        EXPECT_EQ(lp.ChengGu(sTime), c.verse);
    }
}

TEST(ChengGu, UnreadableTimeWeighsTodayAtMidnight)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "25:00";
    // Lunar 2024-1-1 at 子: 8 + 6 + 5 + 16.
    EXPECT_EQ(lp.ChengGu(sTime), "3两5：生平福量不周全，祖业根基觉少传，营事生涯宜守旧，时来衣食胜从前");
    EXPECT_EQ(sTime, "2024-02-10");
}

TEST(ChengGu, ADateAfterTheTableIsARangeError)
{
    const LandPP lp{kFixedNow};
    std::string sTime = "2101-06-01 12:00";
    EXPECT_THROW(lp.ChengGu(sTime), engine::RangeError);
}

struct VerseCase
{
    int qian;
    const char* opening;
    const char* why;
};

TEST(ChengGu, HoldsTheTotalWithinTheVerses)
{
    const VerseCase cases[] = {
        {19, "2两1：", "below the lightest verse"},
        {21, "2两1：", "the lightest"},
        {30, "3两：", "a whole 两 has no 钱 digit"},
        {70, "7两： ", "the one verse with a blank after its colon"},
        {72, "7两2：", "the heaviest"},
        {80, "7两2：", "above it"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        EXPECT_TRUE(engine::boneWeightVerse(c.qian).starts_with(c.opening)) << engine::boneWeightVerse(c.qian);
    }
}

TEST(ChengGu, RefusesAMonthOrDayOutsideTheTables)
{
    EXPECT_THROW(engine::boneWeight({2000, 13, 1, false}, 0), engine::RangeError);
    EXPECT_THROW(engine::boneWeight({2000, 1, 31, false}, 0), engine::RangeError);
    EXPECT_EQ(engine::boneWeight({2000, 1, 30, false}, 0), 12 + 6 + 6 + 16); // 庚辰 year, the 30th
}

TEST(ChengGu, EveryCoveredDayWeighsWithinTheVerses)
{
    // The lightest weights sum to 5 + 5 + 5 + 6 = 21 and the heaviest to 19 + 18 + 18 + 16 = 71: the clamp never
    // acts on a real birth, and a leap month finds its weight.
    for (local_days d = engine::kFirstLunarDay; d <= engine::kLastLunarDay; d += days{1}) {
        const int weight = engine::boneWeight(engine::toLunar(d), 12);
        ASSERT_GE(weight, 21) << engine::writeDate(d);
        ASSERT_LE(weight, 71) << engine::writeDate(d);
    }
}

struct TextCase
{
    const char* opening;
    std::size_t length; // in characters, punctuation included
};

// Openings and lengths of the ten texts, by digit; 1 and 5 open alike.
// clang-format off
const TextCase kTexts[] = {
    {"天资聪明伶俐", 178},           // 0
    {"个性忠厚老实", 201},           // 1
    {"婚姻运势多有波折", 207},       // 2
    {"虽然性情较为奇变巧诈", 205},   // 3
    {"个性温柔慈悲", 208},           // 4
    {"个性忠厚老实", 219},           // 5
    {"个性开朗亲切、乐于助人", 205}, // 6
    {"个性多变", 196},               // 7
    {"天生资质灵敏", 188},           // 8
    {"个性急进", 206},               // 9
};
// clang-format on

TEST(ShenFenZheng, EachDigitHasItsText)
{
    const LandPP lp{kFixedNow};
    for (char digit = '0'; digit <= '9'; ++digit) {
        SCOPED_TRACE(digit);
        std::string others = "0123456789";
        others.erase(others.find(digit), 1); // the only digit missing chooses the text
        const std::string text = lp.ShenFenZheng(others);
        const TextCase& expected = kTexts[digit - '0'];
        EXPECT_TRUE(text.starts_with(expected.opening)) << text;
        EXPECT_EQ(engine::utf8::length(text), expected.length);
        EXPECT_TRUE(engine::utf8::isValid(text));
    }
    EXPECT_NE(lp.ShenFenZheng("0234"), lp.ShenFenZheng("012346")); // 1 and 5 open alike, differ after
}

struct DigitsCase
{
    const char* sNum;
    int digit; // -1: the empty text
    const char* why;
};

TEST(ShenFenZheng, TheFirstMissingDigitChooses)
{
    const DigitsCase cases[] = {
        {"12345", 0, "0 is missing first"},
        {"0", 1, "a lone 0 lacks 1"},
        {"0123456789", 0, "all ten digits"},
        {"9876543210", 0, "order does not matter"},
        {"110105194912310021", 6, "an identity number without 6, 7, 8"},
        {"", -1, "empty"},
    };
    const LandPP lp{kFixedNow};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.why);
        const std::string text = lp.ShenFenZheng(c.sNum);
        if (c.digit < 0)
            EXPECT_EQ(text, "");
        else
            EXPECT_TRUE(text.starts_with(kTexts[c.digit].opening)) << text;
    }
}

} // namespace
