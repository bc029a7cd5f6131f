#include "models/chart/DateLists.h"

#include "engine/calendar/Calendar.h"
#include "engine/support/RangeError.h"
#include "engine/support/Text.h"
#include "engine/support/Utf8.h"

namespace models {
namespace {

constexpr std::string_view kLeapMark = "闰";

using engine::readNumber;

int monthLength(bool lunar, int year, int month, bool leap)
{
    return lunar ? engine::lunarMonthLength(year, month, leap) : engine::solarDays(year, month - 1);
}

} // namespace

std::string GetIntStr(std::int16_t n)
{
    std::string text = std::to_string(n);
    if (n <= 9)
        text.insert(text.begin(), '0');
    return text;
}

std::vector<std::string> numberTexts(int first, int last)
{
    std::vector<std::string> texts;
    for (int n = first; n <= last; ++n)
        texts.push_back(GetIntStr(static_cast<std::int16_t>(n)));
    return texts;
}

std::vector<std::string> yearTexts()
{
    std::vector<std::string> texts;
    for (int year = kFirstListedYear; year <= kLastListedYear; ++year)
        texts.push_back(std::to_string(year));
    return texts;
}

std::optional<std::vector<std::string>> monthTexts(bool lunar, std::string_view yearText)
{
    std::vector<std::string> texts = numberTexts(1, 12);
    if (!lunar)
        return texts;
    const auto year = readNumber(yearText);
    if (!year || *year < kFirstListedYear || *year > kLastListedYear)
        return std::nullopt;
    try {
        const int leap = engine::leapMonth(*year); // 0 when the year has none
        if (leap >= 1 && leap <= 12)
            texts.insert(texts.begin() + leap, GetIntStr(static_cast<std::int16_t>(leap)) + std::string(kLeapMark));
    } catch (const engine::RangeError&) {
        return std::nullopt;
    }
    return texts;
}

std::optional<std::vector<std::string>> dayTexts(bool lunar, std::string_view yearText, std::string_view monthText)
{
    const auto year = yearText.empty() && !lunar ? std::optional<int>(kYearWhenNoneChosen) : readNumber(yearText);
    const auto month = readNumber(engine::utf8::left(monthText, 2));
    if (!year || *year < kFirstListedYear || *year > kLastListedYear || !month || *month < 1 || *month > 12)
        return std::nullopt;
    const bool leap = lunar && monthText.find(kLeapMark) != std::string_view::npos;
    try {
        const int count = monthLength(lunar, *year, *month, leap);
        if (count <= 0)
            return std::nullopt;
        return numberTexts(1, count);
    } catch (const engine::RangeError&) {
        return std::nullopt;
    }
}

std::optional<Birth> birthOfLists(const ListedBirth& lists)
{
    // Only a lunar month carries the leap mark after its number.
    const bool leap = lists.lunar && lists.month.ends_with(kLeapMark);
    const auto year = readNumber(lists.year);
    const auto month = readNumber(lists.month.substr(0, lists.month.size() - (leap ? kLeapMark.size() : 0)));
    const auto day = readNumber(lists.day);
    const auto hour = readNumber(lists.hour);
    const auto minute = readNumber(lists.minute);
    if (!year || !month || !day || !hour || !minute)
        return std::nullopt;
    if (lists.lunar)
        return LunarBirth{*year, *month, leap, *day, *hour, *minute};
    const auto clock = gregorianBirth(*year, *month, *day, *hour, *minute);
    if (const auto* t = std::get_if<engine::LocalTime>(&clock))
        return *t;
    return std::nullopt;
}

} // namespace models
