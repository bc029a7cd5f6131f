#include "ui/chart/ChartExport.h"
#include "ui/chart/ChartPainter.h"

#include "tests/models/chart/WorkedSheet.h"

#include <QImage>
#include <QPainter>

#include <benchmark/benchmark.h>

namespace {

// Stars and the analysis on, as the window draws it, for a birth near a term: the most rows a chart has, a
// notice and five relations.
models::ChartSheet worstSheet()
{
    models::ChartRequest request = worked::listed("张三", true, false, "1984", "03", "05", "16", "00", "竖排", true);
    request.drawn = true;
    return worked::sheetOn(request);
}

// One chart painted on a 1200 × 1700 image, the image's allocation included.
void BM_PaintChart(benchmark::State& state)
{
    const models::ChartSheet sheet = worstSheet();
    for (auto _ : state) {
        QImage image(1200, 1700, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        ui::ChartPainter(sheet).paint(painter, QRectF(0, 0, 1200, 1700));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintChart)->Unit(benchmark::kMillisecond);

// The page as the PNG export draws it: margins, chart and footer.
void BM_PaintPage(benchmark::State& state)
{
    const models::ChartSheet sheet = worstSheet();
    for (auto _ : state)
        benchmark::DoNotOptimize(ui::chartPageImage(sheet, 1200, QStringLiteral("打印日期：2026-12-08")).constBits());
}
BENCHMARK(BM_PaintPage)->Unit(benchmark::kMillisecond);

} // namespace
