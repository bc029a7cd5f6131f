#include "ui/chart/ChartPainter.h"

#include "ui/chart/ChartParts.h"
#include "ui/common/QtText.h"
#include "ui/common/Version.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <vector>

using models::ChartSheet;
using namespace ui::parts;

namespace ui {
namespace {

// Top to bottom; the pillars come second, where stemCells looks for them.
std::vector<Part> partsOf(const ChartSheet& s)
{
    std::vector<Part> parts;
    parts.push_back({[&s] { return headerHeight(s); }, [&s](QPainter& p, QPointF at) { drawHeader(p, at, s); }});
    parts.push_back({[&s] { return pillarsHeight(s); }, [&s](QPainter& p, QPointF at) { drawPillars(p, at, s); }});
    if (s.analysis && !s.analysis->relations.empty())
        parts.push_back(
            {[&s] { return relationsHeight(s); }, [&s](QPainter& p, QPointF at) { drawRelations(p, at, s); }});
    if (!s.stars.empty())
        parts.push_back({[&s] { return starsHeight(s); }, [&s](QPainter& p, QPointF at) { drawStars(p, at, s); }});
    parts.push_back({luckHeight, [&s](QPainter& p, QPointF at) { drawLuck(p, at, s); }});
    parts.push_back({yearlyHeight, [&s](QPainter& p, QPointF at) { drawYearly(p, at, s); }});
    return parts;
}

} // namespace

QColor elementColour(engine::Element element)
{
    switch (element) {
    case engine::Element::wood:
        return {0x2e, 0x7d, 0x32};
    case engine::Element::fire:
        return {0xc6, 0x28, 0x28};
    case engine::Element::earth:
        return {0x9c, 0x64, 0x1c};
    case engine::Element::metal:
        return {0xc8, 0x9b, 0x00};
    case engine::Element::water:
        return {0x15, 0x65, 0xc0};
    }
    return kInk;
}

// The parts' places on the canvas and the scale that fits the canvas into the target.
struct ChartPainter::Arrangement
{
    std::vector<QPointF> places; // the top left of each part, in canvas units
    QSizeF canvas;
    double scale = 1;
    QPointF origin; // the canvas's top left in the target's coordinates

    QRectF onTarget(const QRectF& canvasRect) const;
};

ChartPainter::ChartPainter(const ChartSheet& sheet) : m_sheet(sheet) {}

// One column, or two split where their heights are nearest; whichever shows the chart larger.
ChartPainter::Arrangement ChartPainter::arrange(const QRectF& target) const
{
    const auto parts = partsOf(m_sheet);
    std::vector<double> heights;
    for (const Part& part : parts)
        heights.push_back(part.height());
    const auto stack = [&](std::size_t from, std::size_t to, double left, std::vector<QPointF>& places) {
        double y = 0;
        for (std::size_t i = from; i < to; ++i) {
            places.push_back({left, y});
            y += heights[i] + (i + 1 < to ? kGap : 0);
        }
        return y;
    };
    const auto fit = [&](Arrangement a) {
        a.scale = std::min(target.width() / a.canvas.width(), target.height() / a.canvas.height());
        a.origin = target.center() - QPointF(a.canvas.width(), a.canvas.height()) * a.scale / 2;
        return a;
    };

    Arrangement single;
    single.canvas = {kColumn, stack(0, parts.size(), 0, single.places)};
    single = fit(single);

    Arrangement best = single;
    for (std::size_t split = 1; split < parts.size(); ++split) {
        Arrangement two;
        const double left = stack(0, split, 0, two.places);
        const double right = stack(split, parts.size(), kColumn, two.places);
        two.canvas = {2 * kColumn, std::max(left, right)};
        two = fit(two);
        if (two.scale > best.scale)
            best = two;
    }
    return best;
}

void ChartPainter::paint(QPainter& painter, const QRectF& target) const
{
    if (target.width() <= 0 || target.height() <= 0)
        return;
    const Arrangement a = arrange(target);
    const auto parts = partsOf(m_sheet);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.translate(a.origin);
    painter.scale(a.scale, a.scale);
    for (std::size_t i = 0; i < parts.size(); ++i)
        parts[i].draw(painter, a.places[i]);
    painter.restore();
}

QRectF ChartPainter::Arrangement::onTarget(const QRectF& canvasRect) const
{
    return {origin + canvasRect.topLeft() * scale, canvasRect.size() * scale};
}

std::array<QRectF, 4> ChartPainter::stemCells(const QRectF& target) const
{
    const Arrangement a = arrange(target);
    std::array<QRectF, 4> cells;
    for (int i = 0; i < 4; ++i)
        cells[static_cast<std::size_t>(i)] = a.onTarget(stemCellIn(a.places[1], i)); // the pillars: second part
    return cells;
}

std::array<std::array<QRectF, 5>, 2> ChartPainter::countRooms(const QRectF& target) const
{
    const Arrangement a = arrange(target);
    std::array<std::array<QRectF, 5>, 2> rooms;
    for (int row = 0; row < 2; ++row) {
        for (int e = 0; e < 5; ++e)
            rooms[static_cast<std::size_t>(row)][static_cast<std::size_t>(e)] =
                a.onTarget(countRoomIn(a.places[1], row, e));
    }
    return rooms;
}

void ChartPainter::paintPage(QPainter& painter, const QRectF& page, const QString& footer) const
{
    // The page in its own units, scaled to the paper: margins and footer keep their proportions at any resolution.
    const double scale = std::min(page.width() / kPageWidth, page.height() / (kPageWidth * kPageRatio));
    const QRectF units(0, 0, page.width() / scale, page.height() / scale);
    const double margin = 60;
    painter.save();
    painter.translate(page.topLeft());
    painter.scale(scale, scale);
    painter.fillRect(units, Qt::white);
    const QRectF body(margin, margin, units.width() - 2 * margin, units.height() - 2 * margin - kFooter);
    paint(painter, body);
    const QRectF foot(margin, units.height() - margin - kFooter + 12, units.width() - 2 * margin, kFooter - 12);
    painter.setPen(QPen(kRule, 1));
    painter.drawLine(foot.topLeft(), foot.topRight());
    painter.setFont(font(18));
    painter.setPen(kMuted);
    painter.drawText(foot, Qt::AlignLeft | Qt::AlignVCenter, toQt(kProductName));
    painter.drawText(foot, Qt::AlignRight | Qt::AlignVCenter, footer);
    painter.restore();
}

} // namespace ui
