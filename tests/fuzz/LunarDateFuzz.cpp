// The lunar-date reader and the conversions both ways: a lunar date the table has converts to a Gregorian day that
// converts back to it, every covered day gives a lunar date within the table, and the text methods agree with the
// typed functions.
#include "engine/LandPP.h"
#include "tests/fuzz/FuzzSupport.h"

#include <cstring>

using namespace engine;
using namespace std::chrono;

namespace {

const LandPP kLandPP{[] { return LocalTime{local_days{year{2024} / 2 / 10}} + hours{8}; }};

bool sameDate(const NongLiDate& a, int year, int month, int day, bool leap)
{
    return a.Year == year && a.Month == month && a.Day == day && a.IsLeap == leap;
}

// A covered Gregorian day: its lunar date lies within the table and converts back.
void checkDay(LocalDays d)
{
    const NongLiDate lunar = toLunar(d);
    fuzz::check(lunar.Year >= kFirstLunarYear && lunar.Year <= kLastLunarYear, "lunar year within the table");
    fuzz::check(lunar.Month >= 1 && lunar.Month <= 12, "lunar month 1-12");
    const int length = lunar.IsLeap ? leapDays(lunar.Year) : monthDays(lunar.Year, lunar.Month);
    fuzz::check(lunar.Day >= 1 && lunar.Day <= length, "lunar day within its month");
    fuzz::check(!lunar.IsLeap || leapMonth(lunar.Year) == lunar.Month, "a leap month only where the year has one");
    if (lunar.Year < kLastLunarYear) // toGregorian answers lunar years through 2099
        fuzz::check(toGregorian(lunar.Year, lunar.Month, lunar.Day, lunar.IsLeap) == d, "toGregorian(toLunar(d))");
    const std::string text = lunarText(lunar);
    fuzz::check(text.starts_with("农历"), "lunar text starts with 农历");
    fuzz::checkUtf8(text, "lunar text is UTF-8");
    std::string sTime = writeDate(d);
    fuzz::check(kLandPP.YangLi2NongLi(sTime) == text, "YangLi2NongLi agrees with toLunar");
}

// A lunar date as typed: where the table has it, it converts to a covered day and back; NongLi2YangLi agrees.
void checkLunarText(const std::string& text)
{
    const auto typed = readLunarDate(text);
    for (const bool leap : {false, true}) {
        const std::string answer = kLandPP.NongLi2YangLi(text, leap ? 1 : 0);
        fuzz::check(answer == kLandPP.Solar(text, leap ? 1 : 0), "Solar is NongLi2YangLi");
        if (answer.empty())
            continue;
        const auto read = readTime(answer);
        fuzz::check(read.has_value() && answer.size() == 10, "NongLi2YangLi writes YYYY-MM-DD");
        const LocalDays day = floor<days>(*read);
        fuzz::check(day >= kFirstLunarDay && day <= kLastLunarDay, "NongLi2YangLi stays within the table");
        if (typed && text.find(' ') == std::string::npos) {
            const NongLiDate back = toLunar(day);
            fuzz::check(sameDate(back, typed->year, typed->month, typed->day, leap), "toLunar(NongLi2YangLi(text))");
        }
    }
    if (!typed)
        return;
    fuzz::check(typed->year >= 0 && typed->month >= 0 && typed->day >= 0, "readLunarDate takes no sign");
    for (const bool leap : {false, true}) {
        if (const auto day = toGregorian(typed->year, typed->month, typed->day, leap))
            fuzz::check(sameDate(toLunar(*day), typed->year, typed->month, typed->day, leap), "round trip");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    checkLunarText(std::string(fuzz::asText(data, size)));
    if (size >= sizeof(std::uint32_t)) {
        std::uint32_t raw = 0;
        std::memcpy(&raw, data, sizeof raw);
        const auto span = static_cast<std::uint32_t>((kLastLunarDay - kFirstLunarDay).count() + 1);
        checkDay(kFirstLunarDay + days{raw % span});
    }
    return 0;
}
