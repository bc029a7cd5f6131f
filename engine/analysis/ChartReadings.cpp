#include "engine/LandPP.h"

#include "engine/analysis/Analysis.h"

using namespace engine;

namespace {

constexpr std::string_view kDayMaster = "日主"; // the day stem is the self, not a ten god of itself
constexpr std::size_t kDayPillar = 2;

// The readings as texts, as the published methods return them.
template <class Reading, std::size_t N> std::array<std::string, N> texts(const std::array<Reading, N>& values)
{
    std::array<std::string, N> result;
    for (std::size_t i = 0; i < N; ++i)
        result[i] = values[i];
    return result;
}

} // namespace

namespace engine {

PillarReadings pillarReadings(const PillarChars& p)
{
    PillarReadings r{p, {}, {}, {}, {}, {}, {}};
    const std::string_view dayStem = p.stems[kDayPillar];
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string pillar = p.ganZhi(i);
        r.tenGods[i] = i == kDayPillar ? kDayMaster : tenGod(dayStem, p.stems[i]);
        r.branchTenGods[i] = tenGod(dayStem, p.branches[i]);
        r.hiddenStems[i] = hiddenStems(dayStem, p.branches[i]);
        r.growth[i] = growthStage(dayStem, p.branches[i]);
        r.naYin[i] = naYin(pillar);
        r.voids[i] = voidBranches(pillar);
    }
    return r;
}

StarRows starRows(const PillarChars& p)
{
    StarRows stars;
    for (std::size_t i = 0; i < 4; ++i) {
        const std::string_view branch = p.branches[i];
        stars[0][i] = yearBranchStars(p.branches[0], branch);
        stars[1][i] = stemStars(p.stems[0], branch);
        stars[2][i] = monthBranchStars(p.branches[1], branch); // a branch alone: only branch values can match
        stars[3][i] = dayBranchStars(p.branches[2], branch);
        stars[4][i] = stemStars(p.stems[kDayPillar], branch);
    }
    return stars;
}

LuckReadings luckReadings(LocalTime birth, int sex)
{
    return luckReadings(beijingMoment(birth), sex);
}

LuckReadings luckReadings(const BirthMoment& birth, int sex)
{
    LuckReadings r;
    r.forward = luckForward(yearCount(birth), sex);
    r.age = startAge(startMinutes(birth.beijing(), r.forward, birth.terms));
    r.handOver = handOver(birth.clock, r.age);
    const int month = monthCount(birth);
    const std::string_view dayStem = stemName(dayHour(birth.solar, birth.lateZi).day);
    for (std::size_t i = 0; i < 8; ++i) {
        const int pillar = luckPillar(month, r.forward, static_cast<int>(i));
        r.pillars[i] = pillar;
        r.tenGods[i] = tenGod(dayStem, stemName(pillar));
        r.growth[i] = growthStage(dayStem, branchName(pillar));
        r.naYin[i] = naYin(ganZhiName(pillar));
    }
    r.firstYearly = yearCount(r.handOver - birth.offset + std::chrono::hours{8}, birth.terms); // on the terms' clock
    return r;
}

} // namespace engine

std::array<std::string, 4> LandPP::ShiShenZhu(std::string& sTime) const
{
    return texts(pillarReadings(pillarChars(acceptFullTime(sTime, m_now))).tenGods);
}

std::array<std::string, 8> LandPP::ShiShenZhu2(std::string& sTime) const
{
    const PillarReadings r = pillarReadings(pillarChars(acceptFullTime(sTime, m_now)));
    std::array<std::string, 8> result;
    for (std::size_t i = 0; i < 4; ++i) {
        result[i] = r.tenGods[i];
        result[4 + i] = r.branchTenGods[i];
    }
    return result;
}

std::array<std::string, 4> LandPP::DunCangZhu(std::string& sTime) const
{
    return pillarReadings(pillarChars(acceptFullTime(sTime, m_now))).hiddenStems;
}

std::array<std::string, 4> LandPP::WangShuaiZhu(std::string& sTime) const
{
    return texts(pillarReadings(pillarChars(acceptFullTime(sTime, m_now))).growth);
}

std::array<std::string, 4> LandPP::NaYinZhu(std::string& sTime) const
{
    return texts(pillarReadings(pillarChars(acceptFullTime(sTime, m_now))).naYin);
}

std::array<std::string, 4> LandPP::XunKongZhu(std::string& sTime) const
{
    return texts(pillarReadings(pillarChars(acceptFullTime(sTime, m_now))).voids);
}

std::array<std::string, 8> LandPP::ShiShenYun(std::string& sTime, std::int16_t iSex) const
{
    return texts(luckReadings(acceptFullTime(sTime, m_now), iSex).tenGods);
}

std::array<std::string, 8> LandPP::WangShuaiYun(std::string& sTime, std::int16_t iSex) const
{
    return texts(luckReadings(acceptFullTime(sTime, m_now), iSex).growth);
}

std::array<std::string, 8> LandPP::NaYinYun(std::string& sTime, std::int16_t iSex) const
{
    return texts(luckReadings(acceptFullTime(sTime, m_now), iSex).naYin);
}

std::array<std::string, 8> LandPP::DaYun(std::string& sTime, std::int16_t iSex) const
{
    std::array<std::string, 8> result;
    const auto pillars = luckReadings(acceptFullTime(sTime, m_now), iSex).pillars;
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = ganZhi(pillars[i]);
    return result;
}

std::array<std::string, 80> LandPP::LiuNian(std::string& sTime, std::int16_t iSex) const
{
    static_assert(LuckReadings::kYearlyPillars == 80);
    const int first = luckReadings(acceptFullTime(sTime, m_now), iSex).firstYearly;
    std::array<std::string, 80> result;
    for (std::size_t i = 0; i < result.size(); ++i)
        result[i] = ganZhi(first + static_cast<int>(i));
    return result;
}

std::array<std::string, 4> LandPP::ShenShaNianZhi(std::string& sTime) const
{
    return starRows(pillarChars(acceptFullTime(sTime, m_now)))[0];
}

std::array<std::string, 4> LandPP::ShenShaNianGan(std::string& sTime) const
{
    return starRows(pillarChars(acceptFullTime(sTime, m_now)))[1];
}

std::array<std::string, 4> LandPP::ShenShaYueZhi(std::string& sTime) const
{
    return starRows(pillarChars(acceptFullTime(sTime, m_now)))[2];
}

std::array<std::string, 4> LandPP::ShenShaRiZhi(std::string& sTime) const
{
    return starRows(pillarChars(acceptFullTime(sTime, m_now)))[3];
}

std::array<std::string, 4> LandPP::ShenShaRiGan(std::string& sTime) const
{
    return starRows(pillarChars(acceptFullTime(sTime, m_now)))[4];
}
