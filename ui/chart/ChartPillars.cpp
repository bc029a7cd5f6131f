#include "ui/chart/ChartParts.h"

#include "ui/chart/ChartPainter.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <utility>

using models::ChartSheet;
using models::SheetPillar;

namespace ui::parts {
namespace {

constexpr double kHiddenLine = 38; // a hidden stem and its ten god; a branch holds up to three
constexpr double kPillarRows = 3 * kLine + 2 * kPillarCell + 3 * kHiddenLine + 3 * kLine;

// A row of the four pillars: its label, then one text of each pillar.
void textRow(QPainter& p, const Columns& c, double y, const char* label, const ChartSheet& s,
             std::string SheetPillar::*member, const QFont& f, const QColor& colour = kInk)
{
    rowLabel(p, c, y, kLine, label);
    for (int i = 0; i < 4; ++i)
        text(p, c.cell(i, y, kLine), s.pillars[i].*member, f, colour);
}

void glyphRow(QPainter& p, const Columns& c, double y, const char* label, const ChartSheet& s,
              models::SheetGlyph SheetPillar::*member)
{
    rowLabel(p, c, y, kPillarCell, label);
    for (int i = 0; i < 4; ++i)
        drawGlyph(p, c.cell(i, y, kPillarCell), s.pillars[i].*member, kPillarCell - 8);
}

// Each branch's hidden stems one under another: the stem in its element's colour, its ten god beside it.
void hiddenRows(QPainter& p, const Columns& c, double y, const ChartSheet& s)
{
    rowLabel(p, c, y, kHiddenLine, "藏干");
    for (int i = 0; i < 4; ++i) {
        double row = y;
        for (const auto& hidden : s.pillars[i].hidden) {
            const QRectF cell = c.cell(i, row, kHiddenLine);
            const QColor colour = hidden.stem.element ? elementColour(*hidden.stem.element) : kInk;
            text(p, cell.adjusted(0, 0, -cell.width() / 2, 0), hidden.stem.text, font(28, true, true), colour,
                 Qt::AlignRight | Qt::AlignVCenter);
            text(p, cell.adjusted(cell.width() / 2 + 6, 0, 0, 0), hidden.tenGod, font(22), kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
            row += kHiddenLine;
        }
    }
}

// With the analysis, each element's strength in the birth month beside its name.
void drawLegend(QPainter& p, double left, double top, const models::SheetAnalysis* a)
{
    text(p, QRectF(left, top, kLabel, kLine), "五行", font(22), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
    double x = left + kLabel;
    for (int e = 0; e < 5; ++e) {
        const auto element = static_cast<engine::Element>(e);
        const QColor colour = elementColour(element);
        p.setPen(QPen(colour, 1.5));
        QColor tint = colour;
        tint.setAlpha(38);
        p.setBrush(tint);
        p.drawRoundedRect(QRectF(x, top + 8, 24, 24), 4, 4);
        p.setBrush(Qt::NoBrush);
        text(p, QRectF(x + 32, top, 60, kLine), std::string(engine::elementName(element)), font(24, true), colour,
             Qt::AlignLeft | Qt::AlignVCenter);
        if (a)
            text(p, QRectF(x + 68, top, kCells / 5 - 72, kLine), a->season[static_cast<std::size_t>(e)], font(22), kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
        x += kCells / 5;
    }
}

double starLines(const models::SheetStarRow& row)
{
    std::size_t most = 1;
    for (const auto& names : row.names)
        most = std::max(most, names.size());
    return static_cast<double>(most);
}

} // namespace

double headerHeight(const ChartSheet& s)
{
    return 64 + kLine * static_cast<double>(s.header.size() + palaceLines(s).size()) + noticesHeight(s);
}

void drawHeader(QPainter& p, QPointF at, const ChartSheet& s)
{
    const double x = at.x() + kInset;
    const double width = kColumn - 2 * kInset;
    text(p, QRectF(x, at.y(), width, 60), s.name + "  " + s.sex, font(44, true, true), kInk,
         Qt::AlignLeft | Qt::AlignVCenter);
    double y = at.y() + 64;
    for (const std::string& row : s.header) {
        text(p, QRectF(x, y, width, kLine), row, font(24), kInk, Qt::AlignLeft | Qt::AlignVCenter);
        y += kLine;
    }
    for (const std::string& line : palaceLines(s)) {
        text(p, QRectF(x, y, width, kLine), line, font(24), kInk, Qt::AlignLeft | Qt::AlignVCenter);
        y += kLine;
    }
    drawNotices(p, x, y, s);
}

// The analysis adds the 自坐 row and the counts' bars.
double pillarsHeight(const ChartSheet& s)
{
    return kPillarRows + kLine + (s.analysis ? kLine + countsHeight() : 0); // and the legend
}

QRectF stemCellIn(QPointF at, int i)
{
    const Columns c{at.x() + kInset, 4};
    return c.cell(i, at.y() + 2 * kLine, kPillarCell);
}

QRectF countRoomIn(QPointF at, int row, int e)
{
    return countRoom(at.x() + kInset, at.y() + kPillarRows + 2 * kLine, row, e);
}

void drawPillars(QPainter& p, QPointF at, const ChartSheet& s)
{
    const Columns c{at.x() + kInset, 4};
    double y = at.y();
    textRow(p, c, y, "", s, &SheetPillar::title, font(22), kMuted);
    y += kLine;
    textRow(p, c, y, "十神", s, &SheetPillar::tenGod, font(26, true));
    y += kLine;
    glyphRow(p, c, y, "天干", s, &SheetPillar::stem);
    y += kPillarCell;
    glyphRow(p, c, y, "地支", s, &SheetPillar::branch);
    y += kPillarCell + kLine / 2;
    hiddenRows(p, c, y, s);
    y += 3 * kHiddenLine;
    const std::pair<const char*, std::string SheetPillar::*> readings[] = {
        {"旺衰", &SheetPillar::growth},
        {"自坐", &SheetPillar::selfSeat},
        {"纳音", &SheetPillar::naYin},
        {"旬空", &SheetPillar::voids},
    };
    for (const auto& [label, member] : readings) {
        if (member == &SheetPillar::selfSeat && !s.analysis)
            continue;
        textRow(p, c, y, label, s, member, font(24));
        y += kLine;
    }
    y += kLine / 2;
    drawLegend(p, c.left, y, s.analysis ? &*s.analysis : nullptr);
    if (s.analysis)
        drawCounts(p, c.left, y + kLine, *s.analysis);
}

double starsHeight(const ChartSheet& s)
{
    double lines = 0;
    for (const auto& row : s.stars)
        lines += starLines(row);
    return kLine + 8 + lines * kStarLine;
}

void drawStars(QPainter& p, QPointF at, const ChartSheet& s)
{
    const Columns c{at.x() + kInset, 4};
    heading(p, c.left, at.y(), "神煞");
    double y = at.y() + kLine + 8;
    for (const auto& row : s.stars) {
        const double height = starLines(row) * kStarLine;
        text(p, c.label(y, kStarLine), row.key, font(22), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
        for (int i = 0; i < 4; ++i) {
            double line = y;
            for (const auto& name : row.names[i]) {
                text(p, c.cell(i, line, kStarLine), name, font(23));
                line += kStarLine;
            }
        }
        y += height;
        p.setPen(QPen(kRule, 0.8, Qt::DotLine));
        p.drawLine(QPointF(c.left, y), QPointF(c.left + kLabel + kCells, y));
    }
}

} // namespace ui::parts
