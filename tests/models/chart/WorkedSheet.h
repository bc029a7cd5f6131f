#pragma once

#include "models/chart/ChartSheet.h"
#include "tests/models/chart/Listed.h"

#include <chrono>

// The worked chart of the chart text's tests as the drawn chart arranges it, for the tests and benchmarks of the
// sheet and of its painting.
namespace worked {

// 1984-03-02 16:25, male, with stars: pillars 甲子 丙寅 乙未 甲申; the luck runs forward from 丁卯, handed over on
// 1985-03-03 18:25 at one year of age.
inline const models::ChartRequest kForwardRequest =
    worked::listed("张三", true, false, "1984", "03", "02", "16", "25", "竖排", true);

inline engine::LocalTime day(int y, unsigned m, unsigned d, int h = 0)
{
    using namespace std::chrono;
    return engine::LocalTime{local_days{year{y} / month{m} / std::chrono::day{d}}} + hours{h};
}

// The sheet of a request on a given day; an empty sheet when the request is refused (the caller's test fails).
inline models::ChartSheet sheetOn(const models::ChartRequest& request, engine::LocalTime today = day(2026, 12, 8))
{
    const auto chart = models::chartOf(request, [today] { return today; });
    const auto* made = std::get_if<models::Chart>(&chart);
    return made ? models::chartSheet(*made) : models::ChartSheet{};
}

} // namespace worked
