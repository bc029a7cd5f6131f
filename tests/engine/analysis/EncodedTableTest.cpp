#include "engine/LandPP.h"
#include "engine/support/Utf8.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

using namespace std::chrono;

const engine::Clock kFixedNow = [] { return engine::LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; };

// One text argument of a method that searches the tables: `key` finds something there when whole; every fragment of
// it must find what an unknown key finds.
struct FragmentCase
{
    const char* call; // the argument in place, for the trace
    std::string key;
    std::function<std::string(const LandPP&, const std::string&)> run;
    std::string nothing; // the answer to an unknown key
};

const std::string kWrongPillars = "八字写错了啦，请检查一下";

std::string number(std::int16_t n)
{
    return std::to_string(n);
}

// clang-format off
const FragmentCase kFragmentCases[] = {
    // "\x94" (inside 甲) once matched in the entry "甲寅比肩".
    {"ShiShen(甲, key)", "寅", [](const LandPP& lp, const std::string& k) { return lp.ShiShen("甲", k); }, ""},
    {"ShiShen(key, 甲)", "甲", [](const LandPP& lp, const std::string& k) { return lp.ShiShen(k, "甲"); }, ""},
    // An unknown day stem still lists the hidden stems, without their gods.
    {"DunCang(key, 子)", "甲", [](const LandPP& lp, const std::string& k) { return lp.DunCang(k, "子"); }, "癸, , "},
    {"DunCang(甲, key)", "子", [](const LandPP& lp, const std::string& k) { return lp.DunCang("甲", k); }, ""},
    {"WangShuai(key, 亥)", "甲", [](const LandPP& lp, const std::string& k) { return lp.WangShuai(k, "亥"); }, ""},
    {"WangShuai(甲, key)", "亥", [](const LandPP& lp, const std::string& k) { return lp.WangShuai("甲", k); }, ""},
    // "\xe5" once found the first row, 甲子 乙丑 海中金.
    {"NaYin(key)", "甲子", [](const LandPP& lp, const std::string& k) { return lp.NaYin(k); }, ""},
    {"XunKong(key)", "甲子", [](const LandPP& lp, const std::string& k) { return lp.XunKong(k); }, ""},
    {"ShenShaTG(key, 丑)", "甲", [](const LandPP& lp, const std::string& k) { return lp.ShenShaTG(k, "丑"); }, ""},
    {"ShenShaTG(甲, key)", "丑", [](const LandPP& lp, const std::string& k) { return lp.ShenShaTG("甲", k); }, ""},
    {"ShenShaNZ(key, 酉)", "子", [](const LandPP& lp, const std::string& k) { return lp.ShenShaNZ(k, "酉"); }, ""},
    {"ShenShaNZ(子, key)", "酉", [](const LandPP& lp, const std::string& k) { return lp.ShenShaNZ("子", k); }, ""},
    {"ShenShaYZ(key, 庚)", "丑", [](const LandPP& lp, const std::string& k) { return lp.ShenShaYZ(k, "庚"); }, ""},
    // The searched text holds the value: a fragment of 丁巳 holds no whole stem or branch.
    {"ShenShaYZ(子, key)", "丁巳", [](const LandPP& lp, const std::string& k) { return lp.ShenShaYZ("子", k); }, ""},
    {"ShenShaRZ(key, 未)", "酉", [](const LandPP& lp, const std::string& k) { return lp.ShenShaRZ(k, "未"); }, ""},
    {"ShenShaRZ(酉, key)", "未", [](const LandPP& lp, const std::string& k) { return lp.ShenShaRZ("酉", k); }, ""},
    {"TaoHuaXing(key, 卯, 子, 丑)", "寅",
     [](const LandPP& lp, const std::string& k) { return lp.TaoHuaXing(k, "卯", "子", "丑"); }, "0"},
    {"TaoHuaXing(寅, key, 子, 丑)", "卯",
     [](const LandPP& lp, const std::string& k) { return lp.TaoHuaXing("寅", k, "子", "丑"); }, "0"},
    {"TaoHuaXing(寅, 子, key, 丑)", "卯",
     [](const LandPP& lp, const std::string& k) { return lp.TaoHuaXing("寅", "子", k, "丑"); }, "0"},
    {"TaoHuaXing(寅, 子, 丑, key)", "卯",
     [](const LandPP& lp, const std::string& k) { return lp.TaoHuaXing("寅", "子", "丑", k); }, "0"},
    {"ShenDeFen(key, 子)", "甲", [](const LandPP& lp, const std::string& k) { return number(lp.ShenDeFen(k, "子")); },
     "0"},
    {"ShenDeFen(甲, key)", "子", [](const LandPP& lp, const std::string& k) { return number(lp.ShenDeFen("甲", k)); },
     "0"},
    {"TaoHuaFen(key, 乙, 1, 1)", "甲",
     [](const LandPP& lp, const std::string& k) {
         std::int16_t iSex = 1;
         return number(lp.TaoHuaFen(k, "乙", 1, iSex));
     },
     "0"},
    {"TaoHuaFen(甲, key, 1, 1)", "乙",
     [](const LandPP& lp, const std::string& k) {
         std::int16_t iSex = 1;
         return number(lp.TaoHuaFen("甲", k, 1, iSex));
     },
     "0"},
    // Exact comparisons: a fragment never equals a whole name.
    {"TianGanToNum(key)", "乙", [](const LandPP& lp, const std::string& k) { return number(lp.TianGanToNum(k)); }, "0"},
    {"DiZhiToNum(key)", "丑", [](const LandPP& lp, const std::string& k) { return number(lp.DiZhiToNum(k)); }, "0"},
    {"GetGanZhiPaiXu(key)", "乙丑", [](const LandPP& lp, const std::string& k) { return number(lp.GetGanZhiPaiXu(k)); },
     "99"},
    // "\xe7" (the lead byte of 甲 and of 甲己's row key) once gave position 0.
    {"GetMonthPaiXu(key, 丙寅)", "甲子",
     [](const LandPP& lp, const std::string& k) { return number(lp.GetMonthPaiXu(k, "丙寅")); }, "99"},
    {"GetMonthPaiXu(甲子, key)", "丙寅",
     [](const LandPP& lp, const std::string& k) { return number(lp.GetMonthPaiXu("甲子", k)); }, "99"},
    {"GetHourPaiXu(key, 丙子)", "乙丑",
     [](const LandPP& lp, const std::string& k) { return number(lp.GetHourPaiXu(k, "丙子")); }, "99"},
    {"GetHourPaiXu(乙丑, key)", "丙子",
     [](const LandPP& lp, const std::string& k) { return number(lp.GetHourPaiXu("乙丑", k)); }, "99"},
    // 甲子 丙寅 甲子 甲子 falls on 1924-02-05 23:00, the late 子 hour.
    {"BaZi2Date(key, 丙寅, 甲子, 甲子)", "甲子",
     [](const LandPP& lp, const std::string& k) { return lp.BaZi2Date(k, "丙寅", "甲子", "甲子", 1900); },
     kWrongPillars},
    {"BaZi2Date(甲子, key, 甲子, 甲子)", "丙寅",
     [](const LandPP& lp, const std::string& k) { return lp.BaZi2Date("甲子", k, "甲子", "甲子", 1900); },
     kWrongPillars},
    {"BaZi2Date(甲子, 丙寅, key, 甲子)", "甲子",
     [](const LandPP& lp, const std::string& k) { return lp.BaZi2Date("甲子", "丙寅", k, "甲子", 1900); },
     kWrongPillars},
    {"BaZi2Date(甲子, 丙寅, 甲子, key)", "甲子",
     [](const LandPP& lp, const std::string& k) { return lp.BaZi2Date("甲子", "丙寅", "甲子", k, 1900); },
     kWrongPillars},
};
// clang-format on

// Every run of bytes of `key` that is not whole characters: single bytes of a character, a character cut short, the
// tail of one and the head of the next.
std::vector<std::string> fragments(const std::string& key)
{
    std::vector<std::string> result;
    for (std::size_t begin = 0; begin < key.size(); ++begin) {
        for (std::size_t end = begin + 1; end <= key.size(); ++end) {
            const std::string piece = key.substr(begin, end - begin);
            if (!engine::utf8::isValid(piece))
                result.push_back(piece);
        }
    }
    return result;
}

std::string hex(const std::string& bytes)
{
    std::string text;
    for (const char c : bytes) {
        char buf[8];
        std::snprintf(buf, sizeof buf, "\\x%02x", static_cast<unsigned>(static_cast<unsigned char>(c)));
        text += buf;
    }
    return text;
}

TEST(EncodedTable, FragmentOfACharacterFindsNothing)
{
    const LandPP lp{kFixedNow};
    for (const auto& c : kFragmentCases) {
        SCOPED_TRACE(c.call);
        ASSERT_NE(c.run(lp, c.key), c.nothing) << "the whole key must find something";
        EXPECT_EQ(c.run(lp, "X"), c.nothing) << "an unknown key";
        for (const std::string& fragment : fragments(c.key)) {
            SCOPED_TRACE(hex(fragment));
            EXPECT_EQ(c.run(lp, fragment), c.nothing);
        }
    }
}

} // namespace
