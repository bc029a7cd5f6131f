#include "app/ExportChart.h"

#include "models/chart/ChartSheet.h"
#include "options/ChartWords.h"
#include "ui/chart/ChartExport.h"
#include "ui/common/QtText.h"

#include <QDate>
#include <QFileInfo>

#include <algorithm>
#include <cstdio>
#include <string_view>

namespace app {
namespace {

constexpr std::string_view kExport = "--export";

int refuse(const std::string& why)
{
    std::fprintf(stderr, "chengshu-bazi: %s\n", why.c_str());
    return 2;
}

} // namespace

bool asksForExport(const std::vector<std::string>& words)
{
    return std::ranges::any_of(words, [](const std::string& w) {
        return w == kExport || std::string_view(w).starts_with(std::string(kExport) + "=");
    });
}

int exportChart(const std::vector<std::string>& words)
{
    std::string file;
    std::vector<std::string_view> rest;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string_view w = words[i];
        if (w == kExport && i + 1 < words.size())
            file = words[++i];
        else if (w.starts_with(std::string(kExport) + "="))
            file = w.substr(kExport.size() + 1);
        else if (w == kExport)
            return refuse("--export needs a file name ending in .pdf or .png");
        else
            rest.push_back(w);
    }
    const QString path = ui::toQt(file);
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (suffix != QLatin1String("pdf") && suffix != QLatin1String("png"))
        return refuse("--export writes a .pdf or a .png file, not \"" + file + "\"");

    std::string error;
    auto request = options::chartRequestOf(rest, error);
    if (!request)
        return refuse(error);
    request->drawn = true; // the drawn chart always shows the analysis
    const auto chart = models::chartOf(*request, engine::systemClock());
    if (const auto* refusal = std::get_if<models::Refusal>(&chart))
        return refuse(refusal->message);
    const models::ChartSheet sheet = models::chartSheet(std::get<models::Chart>(chart));
    const QString footer = ui::printedOn(QDate::currentDate());
    const QString failed = suffix == QLatin1String("pdf") ? ui::writeChartPdf(sheet, path, footer)
                                                          : ui::writeChartPng(sheet, path, footer);
    if (!failed.isEmpty())
        return refuse(ui::fromQt(failed));
    return 0;
}

} // namespace app
