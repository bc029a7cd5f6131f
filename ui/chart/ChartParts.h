#pragma once

#include "models/chart/ChartSheet.h"

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>

#include <functional>
#include <string>
#include <vector>

class QPainter;

// What the files of the drawn chart share, private to ui/chart/: the canvas's measures and colours, the text and
// tile helpers, and each part's height and drawing. Callers use ChartPainter.h. The namespace keeps these short
// names apart from the rest of `ui`.
namespace ui::parts {

// Canvas units: a column is 1200 wide, about a pixel each when the chart fills a screen.
inline constexpr double kColumn = 1200;
inline constexpr double kInset = 40;  // between a column's edge and its text
inline constexpr double kGap = 28;    // between the parts
inline constexpr double kLabel = 110; // the row labels' column
inline constexpr double kCells = kColumn - 2 * kInset - kLabel;
inline constexpr double kLine = 40;                    // a row of text
inline constexpr double kPillarCell = 118;             // a stem or branch of the four pillars
inline constexpr double kLuckCell = 60;                // a stem or branch of a luck pillar
inline constexpr double kYearCell = 48;                // a stem or branch of a yearly pillar
inline constexpr double kStarLine = 34;                // a star's name
inline constexpr double kPageRatio = 297.0 / 210.0;    // A4 portrait
inline constexpr double kPageWidth = kColumn + 2 * 60; // the page's own units: the chart column and its margins
inline constexpr double kFooter = 50;

inline const QColor kInk(0x22, 0x22, 0x22);
inline const QColor kMuted(0x66, 0x66, 0x66);
inline const QColor kRule(0xbb, 0xbb, 0xbb);
inline const QColor kCurrent(0xff, 0xf3, 0xc4); // the running luck pillar and year

// ChartText.cpp
QFont font(double pixels, bool bold = false, bool serif = false);
void text(QPainter& p, const QRectF& box, const std::string& value, const QFont& f, const QColor& colour = kInk,
          int align = Qt::AlignCenter);
// A stem or branch: a tinted tile, the character in its element's colour, the element's name in the corner.
void drawGlyph(QPainter& p, const QRectF& cell, const models::SheetGlyph& g, double size);
void heading(QPainter& p, double left, double top, const std::string& title);
// Text wrapped to the box's width, and the height it takes at `width`.
void paragraph(QPainter& p, const QRectF& box, const std::string& value, const QFont& f, const QColor& colour = kInk);
double paragraphHeight(const std::string& value, const QFont& f, double width);
// The tint and border behind the running luck pillar or year.
void markCurrent(QPainter& p, const QRectF& column);

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

void rowLabel(QPainter& p, const Columns& c, double top, double height, const char* label);

// The parts, each measured and drawn at the top left of its place in a column.
struct Part
{
    std::function<double()> height;
    std::function<void(QPainter&, QPointF)> draw;
};

// ChartPillars.cpp: the birth above the pillars, the pillars with the elements' legend, the stars below.
double headerHeight(const models::ChartSheet& s);
void drawHeader(QPainter& p, QPointF at, const models::ChartSheet& s);
double pillarsHeight(const models::ChartSheet& s);
void drawPillars(QPainter& p, QPointF at, const models::ChartSheet& s);
// Where stem i sits, relative to the pillars part's top left.
QRectF stemCellIn(QPointF at, int i);
// Where the bar of element e may run in count row `row` (0 the eight characters, 1 with the hidden stems),
// relative to the pillars part's top left; the rows are there only with the analysis.
QRectF countRoomIn(QPointF at, int row, int e);
double starsHeight(const models::ChartSheet& s);
void drawStars(QPainter& p, QPointF at, const models::ChartSheet& s);

// ChartAnalysis.cpp: what the analysis adds. 胎元 and 命宫 with 身宫 and 胎息 on one line or two, as fits.
std::vector<std::string> palaceLines(const models::ChartSheet& s);
// The notices' box under the header; no height when there are none.
double noticesHeight(const models::ChartSheet& s);
void drawNotices(QPainter& p, double left, double top, const models::ChartSheet& s);
// The relations, one a line; a part only when there are some.
double relationsHeight(const models::ChartSheet& s);
void drawRelations(QPainter& p, QPointF at, const models::ChartSheet& s);
// The element counts' two bar rows, under the legend.
double countsHeight();
void drawCounts(QPainter& p, double left, double top, const models::SheetAnalysis& a);
QRectF countRoom(double left, double top, int row, int e);

// ChartLuck.cpp: the luck pillars and the yearly pillars of the one shown.
double luckHeight();
void drawLuck(QPainter& p, QPointF at, const models::ChartSheet& s);
double yearlyHeight();
void drawYearly(QPainter& p, QPointF at, const models::ChartSheet& s);

} // namespace ui::parts
