#pragma once

#include "models/chart/ChartSheet.h"

#include <QColor>
#include <QRectF>
#include <QString>

#include <array>
#include <optional>

class QPainter;

// The one routine that draws a chart: the view beside the text, the printed page, the PDF and the PNG all call it,
// so they never disagree. It draws on a canvas of its own units and scales that to fit the target, keeping the
// proportions; a tall target stacks the parts in one column, a wide one sets them in two.
namespace ui {

// The customary colour of an element: 木 green, 火 red, 土 ochre, 金 gold, 水 blue. Each stem and branch also
// carries its element's name, so that a greyscale print reads as well.
QColor elementColour(engine::Element element);

class ChartPainter
{
public:
    explicit ChartPainter(const models::ChartSheet& sheet);

    void paint(QPainter& painter, const QRectF& target) const;

    // Where the four stems' cells land in `target`, in the painter's coordinates.
    std::array<QRectF, 4> stemCells(const QRectF& target) const;

    // Where each element's count bar may run in `target`, by engine::Element: the row of the eight characters,
    // then the row with the hidden stems. Only a sheet with the analysis draws them.
    std::array<std::array<QRectF, 5>, 2> countRooms(const QRectF& target) const;

    // A page: margins, the chart, and a footer with `footer` at the right and the program's name at the left.
    // `page` is the whole sheet of paper (or image) in the painter's coordinates.
    void paintPage(QPainter& painter, const QRectF& page, const QString& footer) const;

private:
    struct Arrangement;
    Arrangement arrange(const QRectF& target) const;

    const models::ChartSheet& m_sheet;
};

} // namespace ui
