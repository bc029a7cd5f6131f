#pragma once

#include "models/chart/Chart.h"
#include "models/chart/ChartText.h"
#include "models/chart/DateLists.h"

#include <string>
#include <string_view>

// Requests as the main window's lists give them, mapped to the typed request as the window maps them, and the chart
// text a request gives: the tests of the chart, its sheet, its painting and the records share them.
namespace worked {

inline models::ChartRequest listed(std::string name, bool male, bool lunar, std::string_view year,
                                   std::string_view month, std::string_view day, std::string_view hour,
                                   std::string_view minute, std::string_view layout = "竖排", bool stars = false)
{
    models::ChartRequest request;
    request.name = std::move(name);
    request.male = male;
    request.birth = models::birthOfLists({lunar, year, month, day, hour, minute}).value_or(models::Birth{});
    request.layout = models::layoutOf(layout);
    request.stars = stars;
    return request;
}

// The chart's rows, or one row holding the refusal's message.
inline std::vector<std::string> rowsOf(const models::ChartRequest& request, const engine::Clock& now)
{
    const auto chart = models::chartOf(request, now);
    if (const auto* refusal = std::get_if<models::Refusal>(&chart))
        return {"refused: " + refusal->message};
    return models::chartLines(std::get<models::Chart>(chart));
}

} // namespace worked
