// Every LandPP method that takes a text, called with texts cut from the input. The first line names the method (or
// its first byte picks one); the lines after it are the arguments, numbers read as decimals. Only RangeError may be
// thrown; every text answer is UTF-8; every date text a method rewrites reads as a date; numbers stay within their
// published ranges. The clock is fixed, so an unreadable date becomes the same moment on every run.
#include "engine/LandPP.h"
#include "tests/fuzz/FuzzSupport.h"

#include <charconv>
#include <functional>

using namespace engine;
using namespace std::chrono;

namespace {

const LandPP kLandPP{[] { return LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; }};

// The argument lines of one call; a missing line is empty text or 0.
class Arguments
{
public:
    explicit Arguments(std::vector<std::string> lines) : m_lines(std::move(lines)) {}

    std::string text(std::size_t i) const { return i < m_lines.size() ? m_lines[i] : std::string{}; }

    // A decimal line, cut to 16 bits as a caller's cast would; 0 for anything else.
    std::int16_t number(std::size_t i) const
    {
        const std::string line = text(i);
        long long value = 0;
        std::from_chars(line.data(), line.data() + line.size(), value);
        return static_cast<std::int16_t>(value);
    }

    double real(std::size_t i) const
    {
        const std::string line = text(i);
        double value = 0;
        std::from_chars(line.data(), line.data() + line.size(), value);
        return value;
    }

private:
    std::vector<std::string> m_lines;
};

void readable(const std::string& sTime)
{
    fuzz::check(readTime(sTime).has_value(), "a rewritten date text reads as a date");
}

void within(long long value, long long low, long long high, std::string_view what)
{
    fuzz::check(value >= low && value <= high, what);
}

// Checks of an answer, by kind.
struct AnyAnswer // texts are UTF-8; numbers have no published range
{
    void operator()(const std::string& text) const { fuzz::checkUtf8(text, "a text answer is UTF-8"); }
    template <std::size_t N> void operator()(const std::array<std::string, N>& texts) const
    {
        for (const std::string& text : texts)
            (*this)(text);
    }
    void operator()(long long) const {}
};

struct TimeAnswer
{
    void operator()(const std::string& text) const
    {
        fuzz::check(isFullTimeText(text) && readTime(text).has_value(), "a time answer is YYYY-MM-DD HH:mm:ss");
    }
};

struct StemAnswer
{
    void operator()(const std::string& text) const
    {
        fuzz::check(kLandPP.TianGan(kLandPP.TianGanToNum(text)) == text, "a stem answer is one of the ten");
    }
};

struct BranchAnswer
{
    void operator()(const std::string& text) const
    {
        fuzz::check(kLandPP.DiZhi(kLandPP.DiZhiToNum(text)) == text, "a branch answer is one of the twelve");
    }
};

struct FlagAnswer
{
    void operator()(const std::string& text) const { fuzz::check(text == "0" || text == "1", "a flag is 0 or 1"); }
    void operator()(long long n) const { within(n, 0, 1, "a flag is 0 or 1"); }
};

// Methods of one birth text: the answer is checked, the text left readable.
template <auto Method, class Check = AnyAnswer> void birth(const Arguments& a)
{
    std::string sTime = a.text(0);
    Check{}(std::invoke(Method, kLandPP, sTime));
    readable(sTime);
}

template <auto Method, class Check = AnyAnswer> void birthAndSex(const Arguments& a)
{
    std::string sTime = a.text(0);
    Check{}(std::invoke(Method, kLandPP, sTime, a.number(1)));
    readable(sTime);
}

// Methods of a birth and a second date: both texts left readable.
template <auto Method> void twoDates(const Arguments& a)
{
    std::string sTime = a.text(0);
    std::string sTime2 = a.text(1);
    AnyAnswer{}(std::invoke(Method, kLandPP, sTime, sTime2, a.number(2)));
    readable(sTime);
    readable(sTime2);
}

// Methods of table keys.
template <auto Method, class Check = AnyAnswer> void keys1(const Arguments& a)
{
    Check{}(std::invoke(Method, kLandPP, a.text(0)));
}

template <auto Method, class Check = AnyAnswer> void keys2(const Arguments& a)
{
    Check{}(std::invoke(Method, kLandPP, a.text(0), a.text(1)));
}

struct PositionAnswer // a month or hour position, or 99
{
    void operator()(long long n) const { fuzz::check((n >= 0 && n <= 11) || n == 99, "a position 0-11 or 99"); }
};

template <auto Method> void lunarDate(const Arguments& a)
{
    const std::string answer = std::invoke(Method, kLandPP, a.text(0), a.number(1));
    fuzz::check(answer.empty() || readTime(answer).has_value(), "a lunar date converts to a date or nothing");
}

void solarTime(const Arguments& a)
{
    std::string sTime = a.text(0);
    TimeAnswer{}(kLandPP.PTaiYang(sTime, a.real(1), a.real(2)));
    readable(sTime);
}

void taoHuaFen(const Arguments& a)
{
    std::int16_t iSex = a.number(3);
    AnyAnswer{}(kLandPP.TaoHuaFen(a.text(0), a.text(1), a.number(2), iSex));
    FlagAnswer{}(iSex);
}

void taoHuaZhi(const Arguments& a)
{
    std::string sTime = a.text(0);
    std::string sTime2 = a.text(1);
    std::int16_t iSex = a.number(2);
    kLandPP.TaoHuaZhi(sTime, sTime2, iSex);
    FlagAnswer{}(iSex);
    readable(sTime);
    readable(sTime2);
}

void lvCai(const Arguments& a)
{
    std::string sTime1 = a.text(0);
    std::string sTime2 = a.text(1);
    AnyAnswer{}(kLandPP.LvCai(sTime1, sTime2));
    readable(sTime1);
    readable(sTime2);
}

struct Method
{
    std::string_view name;
    void (*call)(const Arguments&);
};

// clang-format off
const Method kMethods[] = {
    {"TianGanToNum", [](const Arguments& a) { within(kLandPP.TianGanToNum(a.text(0)), 0, 9, "a stem number"); }},
    {"DiZhiToNum", [](const Arguments& a) { within(kLandPP.DiZhiToNum(a.text(0)), 0, 11, "a branch number"); }},
    {"Solar", lunarDate<&LandPP::Solar>},
    {"NongLi2YangLi", lunarDate<&LandPP::NongLi2YangLi>},
    {"YangLi2NongLi", birth<&LandPP::YangLi2NongLi>},
    {"JiePreName", birth<&LandPP::JiePreName>},
    {"JiePreTime", birth<&LandPP::JiePreTime, TimeAnswer>},
    {"JieNextName", birth<&LandPP::JieNextName>},
    {"JieNextTime", birth<&LandPP::JieNextTime, TimeAnswer>},
    {"QiPreName", birth<&LandPP::QiPreName>},
    {"QiPreTime", birth<&LandPP::QiPreTime, TimeAnswer>},
    {"QiNextName", birth<&LandPP::QiNextName>},
    {"QiNextTime", birth<&LandPP::QiNextTime, TimeAnswer>},
    {"PTaiYang", solarTime},
    {"ZTaiYang", birth<&LandPP::ZTaiYang, TimeAnswer>},
    {"GZYear", birth<&LandPP::GZYear>},
    {"GZMonth", birth<&LandPP::GZMonth>},
    {"GZDay", birth<&LandPP::GZDay>},
    {"YearTianGan", birth<&LandPP::YearTianGan, StemAnswer>},
    {"YearDiZhi", birth<&LandPP::YearDiZhi, BranchAnswer>},
    {"MonthTianGan", birth<&LandPP::MonthTianGan, StemAnswer>},
    {"MonthDiZhi", birth<&LandPP::MonthDiZhi, BranchAnswer>},
    {"DayTianGan", birth<&LandPP::DayTianGan, StemAnswer>},
    {"DayDiZhi", birth<&LandPP::DayDiZhi, BranchAnswer>},
    {"HourTianGan", birth<&LandPP::HourTianGan, StemAnswer>},
    {"HourDiZhi", birth<&LandPP::HourDiZhi, BranchAnswer>},
    {"ShiShen", keys2<&LandPP::ShiShen>},
    {"ShiShenZhu", birth<&LandPP::ShiShenZhu>},
    {"ShiShenZhu2", birth<&LandPP::ShiShenZhu2>},
    {"ShiShenYun", birthAndSex<&LandPP::ShiShenYun>},
    {"DunCang", keys2<&LandPP::DunCang>},
    {"DunCangZhu", birth<&LandPP::DunCangZhu>},
    {"WangShuai", keys2<&LandPP::WangShuai>},
    {"WangShuaiZhu", birth<&LandPP::WangShuaiZhu>},
    {"WangShuaiYun", birthAndSex<&LandPP::WangShuaiYun>},
    {"NaYin", keys1<&LandPP::NaYin>},
    {"NaYinZhu", birth<&LandPP::NaYinZhu>},
    {"NaYinYun", birthAndSex<&LandPP::NaYinYun>},
    {"TaiYuan", birth<&LandPP::TaiYuan>},
    {"MingGong", birth<&LandPP::MingGong>},
    {"XunKong", keys1<&LandPP::XunKong>},
    {"XunKongZhu", birth<&LandPP::XunKongZhu>},
    {"QiYun", birthAndSex<&LandPP::QiYun>},
    {"JiaoYun", birthAndSex<&LandPP::JiaoYun, TimeAnswer>},
    {"DaYun", birthAndSex<&LandPP::DaYun>},
    {"DaYunGZ", twoDates<&LandPP::DaYunGZ>}, // a pillar count, not reduced: no range
    {"DaYunGan", twoDates<&LandPP::DaYunGan>},
    {"DaYunZhi", twoDates<&LandPP::DaYunZhi>},
    {"LiuNian", birthAndSex<&LandPP::LiuNian>},
    {"XiaoYun", birthAndSex<&LandPP::XiaoYun>},
    {"ShenShaTG", keys2<&LandPP::ShenShaTG>},
    {"ShenShaNZ", keys2<&LandPP::ShenShaNZ>},
    {"ShenShaYZ", keys2<&LandPP::ShenShaYZ>},
    {"ShenShaRZ", keys2<&LandPP::ShenShaRZ>},
    {"ShenShaNianGan", birth<&LandPP::ShenShaNianGan>},
    {"ShenShaNianZhi", birth<&LandPP::ShenShaNianZhi>},
    {"ShenShaYueZhi", birth<&LandPP::ShenShaYueZhi>},
    {"ShenShaRiGan", birth<&LandPP::ShenShaRiGan>},
    {"ShenShaRiZhi", birth<&LandPP::ShenShaRiZhi>},
    {"TaoHuaZS", birthAndSex<&LandPP::TaoHuaZS>},
    {"TaoHuaXing",
     [](const Arguments& a) { FlagAnswer{}(kLandPP.TaoHuaXing(a.text(0), a.text(1), a.text(2), a.text(3))); }},
    {"TaoHuaX",
     [](const Arguments& a) {
         std::string sTime = a.text(0);
         const std::string flags = kLandPP.TaoHuaX(sTime);
         fuzz::check(flags.size() == 2, "two flags");
         FlagAnswer{}(flags.substr(0, 1));
         FlagAnswer{}(flags.substr(1));
         readable(sTime);
     }},
    {"TaoHuaW", birth<&LandPP::TaoHuaW, FlagAnswer>},
    {"PeiOuXiangMao", birthAndSex<&LandPP::PeiOuXiangMao>},
    {"ShenDeFen",
     [](const Arguments& a) {
         const int score = kLandPP.ShenDeFen(a.text(0), a.text(1));
         fuzz::check(score == 0 || score == 5 || score == 10, "a support score is 0, 5 or 10");
     }},
    {"ShenQiang", birth<&LandPP::ShenQiang, FlagAnswer>},
    {"TaoHuaFen", taoHuaFen},
    {"TaoHuaZhi", taoHuaZhi},
    {"LvCai", lvCai},
    {"ChengGu", birth<&LandPP::ChengGu>},
    {"ShenFenZheng", keys1<&LandPP::ShenFenZheng>},
    {"GetGanZhiPaiXu",
     [](const Arguments& a) {
         const int n = kLandPP.GetGanZhiPaiXu(a.text(0));
         fuzz::check((n >= 0 && n <= 59) || n == 99, "a cycle position 0-59 or 99");
     }},
    {"GetMonthPaiXu", keys2<&LandPP::GetMonthPaiXu, PositionAnswer>},
    {"GetHourPaiXu", keys2<&LandPP::GetHourPaiXu, PositionAnswer>},
    {"BaZi2Date",
     [](const Arguments& a) {
         AnyAnswer{}(kLandPP.BaZi2Date(a.text(0), a.text(1), a.text(2), a.text(3), a.number(4)));
     }},
};
// clang-format on

const Method& pick(std::string_view selector)
{
    for (const Method& method : kMethods) {
        if (method.name == selector)
            return method;
    }
    const std::size_t byte = selector.empty() ? 0 : static_cast<unsigned char>(selector.front());
    return kMethods[byte % std::size(kMethods)];
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::vector<std::string> lines = fuzz::lines(fuzz::asText(data, size));
    const Method& method = pick(lines.front());
    lines.erase(lines.begin());
    try {
        method.call(Arguments(std::move(lines)));
    } catch (const RangeError& e) {
        fuzz::checkUtf8(e.what(), "a range error's message is UTF-8");
    }
    return 0;
}
