#include "ui/chart/ChartPainter.h"

#include "ui/common/QtText.h"
#include "ui/common/Version.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <vector>

using models::ChartSheet;
using models::SheetGlyph;

namespace ui {
namespace {

// Canvas units: a column is 1200 wide, about a pixel each when the chart fills a screen.
constexpr double kColumn = 1200;
constexpr double kInset = 40;  // between a column's edge and its text
constexpr double kGap = 28;    // between the parts
constexpr double kLabel = 110; // the row labels' column
constexpr double kCells = kColumn - 2 * kInset - kLabel;
constexpr double kLine = 40;                    // a row of text
constexpr double kPillarCell = 118;             // a stem or branch of the four pillars
constexpr double kLuckCell = 60;                // a stem or branch of a luck pillar
constexpr double kYearCell = 48;                // a stem or branch of a yearly pillar
constexpr double kStarLine = 34;                // a star's name
constexpr double kPageRatio = 297.0 / 210.0;    // A4 portrait
constexpr double kPageWidth = kColumn + 2 * 60; // the page's own units: the chart column and its margins
constexpr double kFooter = 50;

const QColor kInk(0x22, 0x22, 0x22);
const QColor kMuted(0x66, 0x66, 0x66);
const QColor kRule(0xbb, 0xbb, 0xbb);
const QColor kCurrent(0xff, 0xf3, 0xc4); // the running luck pillar and year

// Sans for the values, serif for the large characters, with the chart text's families after them.
const QStringList& families(bool serif)
{
    static const QStringList sans = {QStringLiteral("Noto Sans CJK SC"), QStringLiteral("Microsoft YaHei"),
                                     QStringLiteral("SimHei"), QStringLiteral("WenQuanYi Zen Hei"),
                                     QStringLiteral("Noto Sans Mono CJK SC")};
    static const QStringList withSerif =
        QStringList{QStringLiteral("Noto Serif CJK SC"), QStringLiteral("SimSun"), QStringLiteral("宋体")} + sans;
    return serif ? withSerif : sans;
}

QFont font(double pixels, bool bold = false, bool serif = false)
{
    QFont f;
    f.setFamilies(families(serif));
    f.setPixelSize(std::max(1, static_cast<int>(pixels)));
    f.setBold(bold);
    // The canvas is scaled: hinting for the unscaled size would misplace glyphs.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void text(QPainter& p, const QRectF& box, const std::string& value, const QFont& f, const QColor& colour = kInk,
          int align = Qt::AlignCenter)
{
    p.setFont(f);
    p.setPen(colour);
    // A long name or place is cut short with an ellipsis rather than run into the next column.
    const QString shown = QFontMetricsF(f).elidedText(toQt(value), Qt::ElideRight, box.width());
    p.drawText(box, align | Qt::TextSingleLine, shown);
}

// A stem or branch: a tinted tile, the character in its element's colour, the element's name in the corner.
void drawGlyph(QPainter& p, const QRectF& cell, const SheetGlyph& g, double size)
{
    const QRectF tile = cell.adjusted(cell.width() / 2 - size / 2, 2, -(cell.width() / 2 - size / 2), -2);
    const QColor colour = g.element ? elementColour(*g.element) : kInk;
    QColor tint = colour;
    tint.setAlpha(38);
    p.setPen(QPen(colour, std::max(1.0, size / 40)));
    p.setBrush(tint);
    p.drawRoundedRect(tile, size / 8, size / 8);
    p.setBrush(Qt::NoBrush);
    text(p, tile, g.text, font(size * 0.72, true, true), colour);
    if (g.element) { // beside the tile's lower right corner, clear of the character
        const double label = std::max(13.0, size * 0.24);
        const QRectF beside(tile.right() + 3, tile.bottom() - label * 1.3, label * 1.2, label * 1.3);
        text(p, beside, std::string(engine::elementName(*g.element)), font(label), colour.darker(130),
             Qt::AlignLeft | Qt::AlignBottom);
    }
}

// The columns of a table part: a label column, then `n` equal cells.
struct Columns
{
    double left;
    int n;

    QRectF cell(int i, double top, double height) const
    {
        const double width = kCells / n;
        return {left + kLabel + i * width, top, width, height};
    }
    QRectF label(double top, double height) const { return {left, top, kLabel, height}; }
};

void rowLabel(QPainter& p, const Columns& c, double top, double height, const char* label)
{
    text(p, c.label(top, height), label, font(22), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
}

void heading(QPainter& p, double left, double top, const std::string& title)
{
    text(p, QRectF(left, top, kColumn - 2 * kInset, kLine), title, font(26, true), kInk,
         Qt::AlignLeft | Qt::AlignVCenter);
    p.setPen(QPen(kRule, 1.5));
    p.drawLine(QPointF(left, top + kLine), QPointF(left + kColumn - 2 * kInset, top + kLine));
}

// ---- The parts, each measured and drawn at the top left of its place in a column

struct Part
{
    std::function<double()> height;
    std::function<void(QPainter&, QPointF)> draw;
};

double headerHeight(const ChartSheet& s)
{
    return 64 + kLine * static_cast<double>(s.header.size() + 1);
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
    text(p, QRectF(x, y, width, kLine), "胎元：" + s.conception + "    命宫：" + s.lifePalace, font(24), kInk,
         Qt::AlignLeft | Qt::AlignVCenter);
}

constexpr double kPillarRows = 3 * kLine + 2 * kPillarCell + 3 * 38 + 3 * kLine;

double pillarsHeight()
{
    return kPillarRows + kLine; // and the legend
}

// Where stem i sits, relative to the pillars part's top left.
QRectF stemCellIn(QPointF at, int i)
{
    const Columns c{at.x() + kInset, 4};
    return c.cell(i, at.y() + 2 * kLine, kPillarCell);
}

void drawLegend(QPainter& p, double left, double top)
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
        x += kCells / 5;
    }
}

void drawPillars(QPainter& p, QPointF at, const ChartSheet& s)
{
    const Columns c{at.x() + kInset, 4};
    double y = at.y();
    rowLabel(p, c, y, kLine, "");
    for (int i = 0; i < 4; ++i)
        text(p, c.cell(i, y, kLine), s.pillars[i].title, font(22), kMuted);
    y += kLine;
    rowLabel(p, c, y, kLine, "十神");
    for (int i = 0; i < 4; ++i)
        text(p, c.cell(i, y, kLine), s.pillars[i].tenGod, font(26, true));
    y += kLine;
    rowLabel(p, c, y, kPillarCell, "天干");
    for (int i = 0; i < 4; ++i)
        drawGlyph(p, c.cell(i, y, kPillarCell), s.pillars[i].stem, kPillarCell - 8);
    y += kPillarCell;
    rowLabel(p, c, y, kPillarCell, "地支");
    for (int i = 0; i < 4; ++i)
        drawGlyph(p, c.cell(i, y, kPillarCell), s.pillars[i].branch, kPillarCell - 8);
    y += kPillarCell + kLine / 2;
    rowLabel(p, c, y, 38, "藏干");
    for (int i = 0; i < 4; ++i) {
        double row = y;
        for (const auto& hidden : s.pillars[i].hidden) {
            const QRectF cell = c.cell(i, row, 38);
            const QColor colour = hidden.stem.element ? elementColour(*hidden.stem.element) : kInk;
            text(p, cell.adjusted(0, 0, -cell.width() / 2, 0), hidden.stem.text, font(28, true, true), colour,
                 Qt::AlignRight | Qt::AlignVCenter);
            text(p, cell.adjusted(cell.width() / 2 + 6, 0, 0, 0), hidden.tenGod, font(22), kInk,
                 Qt::AlignLeft | Qt::AlignVCenter);
            row += 38;
        }
    }
    y += 3 * 38;
    const std::pair<const char*, std::string models::SheetPillar::*> rows[] = {
        {"旺衰", &models::SheetPillar::growth},
        {"纳音", &models::SheetPillar::naYin},
        {"旬空", &models::SheetPillar::voids},
    };
    for (const auto& [label, member] : rows) {
        rowLabel(p, c, y, kLine, label);
        for (int i = 0; i < 4; ++i)
            text(p, c.cell(i, y, kLine), s.pillars[i].*member, font(24));
        y += kLine;
    }
    y += kLine / 2;
    drawLegend(p, c.left, y);
}

double starLines(const models::SheetStarRow& row)
{
    std::size_t most = 1;
    for (const auto& names : row.names)
        most = std::max(most, names.size());
    return static_cast<double>(most);
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

constexpr double kLuckTable = 3 * 34 + 2 * kLuckCell + 2 * 34;

double luckHeight()
{
    return kLine + 8 + 2 * 36 + 8 + kLuckTable;
}

void markCurrent(QPainter& p, const QRectF& column)
{
    p.setPen(QPen(QColor(0xc0, 0x90, 0x00), 2));
    p.setBrush(kCurrent);
    p.drawRoundedRect(column, 8, 8);
    p.setBrush(Qt::NoBrush);
}

void drawLuck(QPainter& p, QPointF at, const ChartSheet& s)
{
    const Columns c{at.x() + kInset, 8};
    heading(p, c.left, at.y(), "大运");
    double y = at.y() + kLine + 8;
    const double width = kColumn - 2 * kInset;
    text(p, QRectF(c.left, y, width, 36), "起运：" + s.start, font(22), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    text(p, QRectF(c.left, y + 36, width, 36), "交运：" + s.handOver, font(22), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    y += 2 * 36 + 8;
    if (s.currentLuck)
        markCurrent(p, c.cell(*s.currentLuck, y, kLuckTable).adjusted(3, -2, -3, 2));
    const char* labels[] = {"岁数", "交运", "十神"};
    for (int r = 0; r < 3; ++r)
        rowLabel(p, c, y + r * 34, 34, labels[r]);
    rowLabel(p, c, y + 3 * 34, 2 * kLuckCell, "大运");
    rowLabel(p, c, y + 3 * 34 + 2 * kLuckCell, 34, "旺衰");
    rowLabel(p, c, y + 4 * 34 + 2 * kLuckCell, 34, "纳音");
    for (int i = 0; i < 8; ++i) {
        const auto& luck = s.luck[static_cast<std::size_t>(i)];
        const bool current = s.currentLuck == i;
        text(p, c.cell(i, y, 34), std::to_string(luck.age) + "岁", font(22, current));
        text(p, c.cell(i, y + 34, 34), std::to_string(luck.year), font(22, current));
        text(p, c.cell(i, y + 2 * 34, 34), luck.tenGod, font(22));
        drawGlyph(p, c.cell(i, y + 3 * 34, kLuckCell), luck.stem, kLuckCell - 6);
        drawGlyph(p, c.cell(i, y + 3 * 34 + kLuckCell, kLuckCell), luck.branch, kLuckCell - 6);
        text(p, c.cell(i, y + 3 * 34 + 2 * kLuckCell, 34), luck.growth, font(22));
        text(p, c.cell(i, y + 4 * 34 + 2 * kLuckCell, 34), luck.naYin, font(20));
    }
}

constexpr double kYearTable = 32 + 2 * kYearCell;

double yearlyHeight()
{
    return kLine + 8 + kYearTable;
}

void drawYearly(QPainter& p, QPointF at, const ChartSheet& s)
{
    const Columns c{at.x() + kInset, 10};
    const auto& luck = s.luck[static_cast<std::size_t>(s.shownPeriod)];
    heading(p, c.left, at.y(),
            "流年（" + luck.stem.text + luck.branch.text + "运，" + std::to_string(s.yearly.front().year) + "—" +
                std::to_string(s.yearly.back().year) + "）");
    const double y = at.y() + kLine + 8;
    rowLabel(p, c, y, 32, "年份");
    rowLabel(p, c, y + 32, 2 * kYearCell, "流年");
    for (int r = 0; r < 10; ++r) {
        const auto& year = s.yearly[static_cast<std::size_t>(r)];
        const bool current = s.currentYear == r;
        if (current)
            markCurrent(p, c.cell(r, y, kYearTable).adjusted(3, -2, -3, 2));
        text(p, c.cell(r, y, 32), std::to_string(year.year), font(20, current));
        drawGlyph(p, c.cell(r, y + 32, kYearCell), year.stem, kYearCell - 4);
        drawGlyph(p, c.cell(r, y + 32 + kYearCell, kYearCell), year.branch, kYearCell - 4);
    }
}

std::vector<Part> partsOf(const ChartSheet& s)
{
    std::vector<Part> parts;
    parts.push_back({[&s] { return headerHeight(s); }, [&s](QPainter& p, QPointF at) { drawHeader(p, at, s); }});
    parts.push_back({pillarsHeight, [&s](QPainter& p, QPointF at) { drawPillars(p, at, s); }});
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

std::array<QRectF, 4> ChartPainter::stemCells(const QRectF& target) const
{
    const Arrangement a = arrange(target);
    std::array<QRectF, 4> cells;
    for (int i = 0; i < 4; ++i) {
        const QRectF cell = stemCellIn(a.places[1], i); // the pillars are the second part
        cells[static_cast<std::size_t>(i)] = QRectF(a.origin + cell.topLeft() * a.scale, cell.size() * a.scale);
    }
    return cells;
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
