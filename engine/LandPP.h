#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "engine/analysis/Analysis.h"
#include "engine/calendar/Calendar.h"
#include "engine/support/DateTime.h"

// The calculation class of the charting program. It holds nothing but the clock that stands in for "now".
//
// Its method names are pinyin, as published. A glossary of the parts:
//   TianGan 天干 heavenly stem, DiZhi 地支 earthly branch, GanZhi 干支 a stem-branch pair (also a pillar), Zhu 柱
//   pillar (…Zhu: one per pillar: year, month, day, hour), Yun 运 luck (…Yun: one per luck pillar), DaYun 大运 luck
//   pillar, XiaoYun 小运 small luck, LiuNian 流年 yearly pillar, QiYun 起运 start of luck, JiaoYun 交运 hand-over;
//   YangLi 阳历 Gregorian, NongLi 农历 lunar, STerm/SolarTerm 节气 solar term, Jie 节 month-opening term, Qi 气
//   any term, Pre/Next before/after, PTaiYang 平太阳 mean solar time, ZTaiYang 真太阳 true solar time;
//   ShiShen 十神 ten gods, DunCang 遁藏 hidden stems, WangShuai 旺衰 growth stage, NaYin 纳音, TaiYuan 胎元
//   conception pillar, MingGong 命宫 life palace, XunKong 旬空 void branches, ShenSha 神煞 symbolic stars (TG stem,
//   NZ year branch, YZ month branch, RZ day branch; Nian 年 year, Yue 月 month, Ri 日 day, Gan 干 stem, Zhi 支
//   branch), TaoHua 桃花 peach blossom, ShenQiang 身强 strong day master, ShenDeFen 身得分 support score, JiuGong
//   九宫 nine palaces, Hun 婚 marriage, LvCai the marriage verdict, ChengGu 称骨 bone weight, PeiOuXiangMao 配偶相貌
//   spouse's looks, ShenFenZheng 身份证 identity number, PaiXu 排序 position in a cycle, BaZi2Date 八字 to date.
//
// Date-time texts passed as std::string& may be rewritten: an unreadable one becomes the present moment (or
// today's date), and the year and month pillar methods leave it as "YYYY-MM-DD HH:mm:ss". Values outside the
// tables (a date before 1900-01-31 or after 2101-01-28 for the lunar calendar, a year index outside 0-200), and a
// term or solar time that falls outside years 1-9999, throw engine::RangeError.
class LandPP
{
public:
    using NongLiDate = engine::NongLiDate;

    explicit LandPP(engine::Clock now = engine::systemClock()) : m_now(std::move(now)) {}

    // calendar/SolarTerms.cpp
    std::string STerm(std::int16_t iYear, std::int16_t n) const; // "YYYY-MM-DD HH:mm:ss" of term n mod 24
    std::int32_t STermInfo(std::int16_t n) const;                // minutes after 小寒
    std::string SolarTerm(std::int16_t n) const;

    // calendar/LunarTable.cpp
    std::int16_t SolarMonth(std::int16_t iMonth) const; // iMonth 0-based
    std::int16_t SolarDays(std::int16_t iYear, std::int16_t iMonth) const;
    std::int16_t LYearDays(std::int16_t iYear) const;
    std::int16_t LeapDays(std::int16_t iYear) const;
    std::int16_t MonthDays(std::int16_t iYear, std::int16_t iMonth) const;
    std::int16_t LeapMonth(std::int16_t iYear) const;

    // calendar/GanZhi.cpp
    std::string DiZhi(std::int16_t idz) const;
    std::string TianGan(std::int16_t itg) const;
    std::int16_t TianGanToNum(const std::string& sTG) const; // 0 when no stem equals sTG
    std::int16_t DiZhiToNum(const std::string& sDZ) const;   // 0 when no branch equals sDZ

    // calendar/LunarTable.cpp
    // The lunar date text "Y-M-D" with iLeap 1 for the leap month; "YYYY-MM-DD", or empty when rejected.
    std::string Solar(const std::string& sTime, std::int16_t iLeap) const;
    std::uint32_t NongLiData(int index) const; // index = lunar year - 1900
    std::string YangLi2NongLi(std::string& sTime) const;
    std::string NongLi2YangLi(const std::string& sTime, std::int16_t iLeap) const;

    // calendar/SolarTerms.cpp
    std::string JiePreName(std::string& sTime) const;
    std::string JiePreTime(std::string& sTime) const;
    std::string JieNextName(std::string& sTime) const;
    std::string JieNextTime(std::string& sTime) const;
    std::string QiPreName(std::string& sTime) const;
    std::string QiPreTime(std::string& sTime) const;
    std::string QiNextName(std::string& sTime) const;
    std::string QiNextTime(std::string& sTime) const;

    // calendar/SolarTime.cpp
    std::string PTaiYang(std::string& sTime, double iDu, double iFen) const; // local mean solar time
    std::string ZTaiYang(std::string& sTime) const;                          // true solar time

    // calendar/Pillars.cpp
    std::int16_t GZYear(std::string& sTime) const;
    std::int16_t GZMonth(std::string& sTime) const;
    std::int32_t GZDay(std::string& sTime) const;
    std::string YearTianGan(std::string& sTime) const;
    std::string YearDiZhi(std::string& sTime) const;
    std::string MonthTianGan(std::string& sTime) const;
    std::string MonthDiZhi(std::string& sTime) const;
    std::string DayTianGan(std::string& sTime) const;
    std::string DayDiZhi(std::string& sTime) const;
    std::string HourTianGan(std::string& sTime) const;
    std::string HourDiZhi(std::string& sTime) const;

    // Chart methods below take the birth as sTime: an unreadable text becomes "now", and the text is left as
    // "YYYY-MM-DD HH:mm:ss". Per-pillar arrays are year, month, day, hour; luck arrays one entry per luck pillar.
    // iSex is 1 for male, 0 for female.

    // analysis/TenGods.cpp
    std::string ShiShen(const std::string& dTG, const std::string& otg) const; // ten god of a stem or branch
    std::string DunCang(const std::string& dTG, const std::string& odz) const; // "癸正印, , "

    // analysis/GrowthNaYin.cpp
    std::string WangShuai(const std::string& dTG, const std::string& odz) const;
    std::string NaYin(const std::string& sGZ) const;

    // analysis/PalaceVoid.cpp
    std::string TaiYuan(std::string& sTime) const;  // conception pillar
    std::string MingGong(std::string& sTime) const; // life palace
    std::string XunKong(const std::string& sGZ) const;

    // analysis/Luck.cpp
    std::string QiYun(std::string& sTime, std::int16_t iSex) const;   // start age, e.g. "3年4月10天6时"
    std::string JiaoYun(std::string& sTime, std::int16_t iSex) const; // hand-over, "YYYY-MM-DD HH:mm:ss"
    // Pillar number of the luck pillar in force at sTime2, or 0. Rewrites sTime2 like sTime; a query before the
    // birth becomes the birth.
    std::int16_t DaYunGZ(std::string& sTime, std::string& sTime2, std::int16_t iSex) const;
    std::string DaYunGan(std::string& sTime, std::string& sTime2, std::int16_t iSex) const; // empty for 0
    std::string DaYunZhi(std::string& sTime, std::string& sTime2, std::int16_t iSex) const; // empty for 0
    std::array<std::string, 100> XiaoYun(std::string& sTime, std::int16_t iSex) const;

    // analysis/Stars.cpp
    // Star lists: names joined by ",", in table order; empty when none.
    std::string ShenShaTG(const std::string& otg, const std::string& odz) const;
    std::string ShenShaNZ(const std::string& ydz, const std::string& odz) const;
    std::string ShenShaYZ(const std::string& mdz, const std::string& ogz) const; // ogz holds the star's value
    std::string ShenShaRZ(const std::string& ddz, const std::string& odz) const;

    // analysis/ChartReadings.cpp: the per-pillar (...Zhu) and per-luck-pillar (...Yun) readings of a birth, from
    // the one assembly the chart uses
    std::array<std::string, 4> ShiShenZhu(std::string& sTime) const;  // stems; "日主" for the day
    std::array<std::string, 8> ShiShenZhu2(std::string& sTime) const; // as ShiShenZhu, then the branches
    std::array<std::string, 8> ShiShenYun(std::string& sTime, std::int16_t iSex) const;
    std::array<std::string, 4> DunCangZhu(std::string& sTime) const;
    std::array<std::string, 4> WangShuaiZhu(std::string& sTime) const;
    std::array<std::string, 8> WangShuaiYun(std::string& sTime, std::int16_t iSex) const;
    std::array<std::string, 4> NaYinZhu(std::string& sTime) const;
    std::array<std::string, 8> NaYinYun(std::string& sTime, std::int16_t iSex) const;
    std::array<std::string, 4> XunKongZhu(std::string& sTime) const;
    std::array<std::string, 8> DaYun(std::string& sTime, std::int16_t iSex) const;
    std::array<std::string, 80> LiuNian(std::string& sTime, std::int16_t iSex) const; // from the hand-over year
    // Star lists on each pillar's branch, keyed by the year stem, year branch, month branch, day stem, day branch.
    std::array<std::string, 4> ShenShaNianGan(std::string& sTime) const;
    std::array<std::string, 4> ShenShaNianZhi(std::string& sTime) const;
    std::array<std::string, 4> ShenShaYueZhi(std::string& sTime) const;
    std::array<std::string, 4> ShenShaRiGan(std::string& sTime) const;
    std::array<std::string, 4> ShenShaRiZhi(std::string& sTime) const;

    // analysis/PeachBlossom.cpp
    // Flags are "1" or "0". TaoHuaX: year-or-month flag then day-or-hour flag, "00" to "11".
    std::int16_t TaoHuaZS(std::string& sTime, std::int16_t iSex) const; // spouse stars: 财 (male) or 官杀 (female)
    std::string TaoHuaXing(const std::string& ydz, const std::string& dz1, const std::string& dz2,
                           const std::string& dz3) const;
    std::string TaoHuaX(std::string& sTime) const;
    std::string TaoHuaW(std::string& sTime) const; // day or month branch at the day stem's 沐浴
    std::string PeiOuXiangMao(std::string& sTime, std::int16_t iSex) const;

    // analysis/Scoring.cpp
    std::int16_t ShenDeFen(const std::string& dTG, const std::string& ogz) const; // 10, 5 or 0
    std::int16_t ShenQiang(std::string& sTime) const; // 1 strong; an unreadable sTime becomes today's date
    // Rewrites a non-zero iSex to 1 in the caller's variable.
    std::int16_t TaoHuaFen(const std::string& sRiZhu, const std::string& sGZ, std::int16_t sSQ,
                           std::int16_t& iSex) const;
    // Peach-blossom index of the date sTime2 for the birth sTime; rewrites both texts as DaYunGZ does, and iSex
    // as TaoHuaFen does.
    std::int16_t TaoHuaZhi(std::string& sTime, std::string& sTime2, std::int16_t& iSex) const;

    // analysis/NinePalace.cpp
    // LvCai and ChengGu read lunar dates as YangLi2NongLi does: an unreadable text becomes today's date.
    std::int16_t JiuGongDuShu(std::int16_t sYear, std::int16_t iSex) const; // 1-9; iSex 1 male, else female
    std::string JiuGongHun(std::int16_t iGong1, std::int16_t iGong2) const; // star of a male and a female number
    // Marriage verdict of two births by their lunar years: "上等婚:生气婚主..."; ":" when the numbers match no star.
    std::string LvCai(std::string& sTime1, std::string& sTime2) const;
    std::string ChengGu(std::string& sTime) const;           // bone-weight verse of the birth
    std::string ShenFenZheng(const std::string& sNum) const; // personality text; empty for an empty sNum

    // analysis/ReverseLookup.cpp
    // Positions: 0-59 in the sixty-cycle, 0 (寅) to 11 (丑) for a month, 0 (子) to 11 (亥) for an hour; 99 for none.
    std::int16_t GetGanZhiPaiXu(const std::string& strGZ) const;
    std::int16_t GetMonthPaiXu(const std::string& strYear, const std::string& strMonth) const;
    std::int16_t GetHourPaiXu(const std::string& strDay, const std::string& strHour) const;
    // The earliest date-time from pillar year iStartYear through 2099 with the four pillars, a message about the
    // pillars, or empty.
    std::string BaZi2Date(const std::string& strYear, const std::string& strMonth, const std::string& strDay,
                          const std::string& strHour, std::int16_t iStartYear) const;

private:
    // calendar/LunarTable.cpp
    NongLiDate GetNongLiDate(std::string& sTime) const;

    engine::Clock m_now;
};
