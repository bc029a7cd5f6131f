#include "engine/LandPP.h"

#include <cmath>

using namespace engine;
using namespace std::chrono;

namespace {

// Term names, 小寒 = 0; even numbers are the 节 that open the pillar months.
// clang-format off
constexpr std::array<std::string_view, 24> kTermNames = {
    "小寒", "大寒", "立春", "雨水", "惊蛰", "春分", "清明", "谷雨", "立夏", "小满", "芒种", "夏至",
    "小暑", "大暑", "立秋", "处暑", "白露", "秋分", "寒露", "霜降", "立冬", "小雪", "大雪", "冬至",
};
// clang-format on
static_assert(kTermNames.size() == 24);

// Minutes from 小寒 to each term of the same year.
// clang-format off
constexpr std::array<std::int32_t, 24> kTermOffsets = {
    0,      21208,  42467,  63836,  85337,  107014, 128867, 150921, 173149, 195551, 218072, 240693,
    263343, 285989, 308563, 331033, 353350, 375494, 397447, 419210, 440795, 462224, 483532, 504758,
};
// clang-format on
static_assert(kTermOffsets.size() == 24);

// 小寒 of 1900, the base of the mean formula, and the mean tropical year.
constexpr LocalTime kBaseInstant = LocalDays{year{1900} / 1 / 6} + hours{2} + minutes{5};
constexpr double kTropicalYearSeconds = 31556925.9747;

// Term t counted from 小寒 of `year`; t may run into the years before or after.
Term termAt(int year, int t, TermSource terms)
{
    const int y = year + static_cast<int>(floorDiv(t, 24));
    const int n = floorMod(t, 24); // [0, 23]
    return {y, n, terms(y, n)};
}

// The 节 (2m - 2) and 中气 (2m - 1) of the Gregorian month of t, as term numbers counted from t's year.
struct MonthTerms
{
    int year;
    int jie;
    LocalTime jieAt;
    LocalTime qiAt;
};

// Every 节 falls between the 3rd and the 9th of its Gregorian month, by the mean formula and astronomically alike.
MonthTerms monthTermsOf(LocalTime t, TermSource terms)
{
    const year_month_day ymd{floor<days>(t)};
    const int y = static_cast<int>(ymd.year());
    const int jie = 2 * static_cast<int>(static_cast<unsigned>(ymd.month())) - 2;
    return {y, jie, terms(y, jie), terms(y, jie + 1)};
}

} // namespace

namespace engine {

std::int32_t termOffset(int n)
{
    return kTermOffsets[static_cast<std::size_t>(floorMod(n, 24))];
}

std::string_view termName(int n)
{
    return kTermNames[static_cast<std::size_t>(floorMod(n, 24))];
}

LocalTime termInstant(int year, int n)
{
    const double minutesFromBase = (kTropicalYearSeconds * (year - 1900) + 60.0 * termOffset(n)) / 60.0;
    return kBaseInstant + minutes{std::llround(minutesFromBase)};
}

Term jiePre(LocalTime t, TermSource terms)
{
    const MonthTerms m = monthTermsOf(t, terms);
    return t < m.jieAt ? termAt(m.year, m.jie - 2, terms) : Term{m.year, m.jie, m.jieAt};
}

Term jieNext(LocalTime t, TermSource terms)
{
    const MonthTerms m = monthTermsOf(t, terms);
    return t < m.jieAt ? Term{m.year, m.jie, m.jieAt} : termAt(m.year, m.jie + 2, terms);
}

Term qiPre(LocalTime t, TermSource terms)
{
    const MonthTerms m = monthTermsOf(t, terms);
    if (t < m.jieAt)
        return termAt(m.year, m.jie - 1, terms);
    // Exactly at the 中气 still answers the 节.
    return t > m.qiAt ? Term{m.year, m.jie + 1, m.qiAt} : Term{m.year, m.jie, m.jieAt};
}

Term qiNext(LocalTime t, TermSource terms)
{
    const MonthTerms m = monthTermsOf(t, terms);
    if (t < m.jieAt)
        return {m.year, m.jie, m.jieAt};
    return t <= m.qiAt ? Term{m.year, m.jie + 1, m.qiAt} : termAt(m.year, m.jie + 2, terms);
}

} // namespace engine

std::int32_t LandPP::STermInfo(std::int16_t n) const
{
    return termOffset(n);
}

std::string LandPP::SolarTerm(std::int16_t n) const
{
    return std::string(termName(n));
}

std::string LandPP::STerm(std::int16_t iYear, std::int16_t n) const
{
    return writeAnswerTime(termInstant(iYear, n), "term " + std::to_string(n) + " of year " + std::to_string(iYear));
}

std::string LandPP::JiePreName(std::string& sTime) const
{
    return std::string(termName(jiePre(acceptTime(sTime, m_now)).n));
}

std::string LandPP::JiePreTime(std::string& sTime) const
{
    const Term term = jiePre(acceptTime(sTime, m_now));
    return writeAnswerTime(term.at, sTime);
}

std::string LandPP::JieNextName(std::string& sTime) const
{
    return std::string(termName(jieNext(acceptTime(sTime, m_now)).n));
}

std::string LandPP::JieNextTime(std::string& sTime) const
{
    const Term term = jieNext(acceptTime(sTime, m_now));
    return writeAnswerTime(term.at, sTime);
}

std::string LandPP::QiPreName(std::string& sTime) const
{
    return std::string(termName(qiPre(acceptTime(sTime, m_now)).n));
}

std::string LandPP::QiPreTime(std::string& sTime) const
{
    const Term term = qiPre(acceptTime(sTime, m_now));
    return writeAnswerTime(term.at, sTime);
}

std::string LandPP::QiNextName(std::string& sTime) const
{
    return std::string(termName(qiNext(acceptTime(sTime, m_now)).n));
}

std::string LandPP::QiNextTime(std::string& sTime) const
{
    const Term term = qiNext(acceptTime(sTime, m_now));
    return writeAnswerTime(term.at, sTime);
}
