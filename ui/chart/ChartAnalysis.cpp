#include "ui/chart/ChartParts.h"

#include "ui/chart/ChartPainter.h"
#include "ui/common/QtText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>

#include <algorithm>
#include <string>

using models::ChartSheet;

namespace ui::parts {
namespace {

constexpr double kWidth = kColumn - 2 * kInset;
constexpr double kNoticePad = 12;
constexpr double kNoticeGap = 6; // between two notices in the box
constexpr double kNoticeAbove = 12;
constexpr double kRelationLine = 32;
constexpr double kBarRow = 36;
constexpr double kBarName = 32;  // the element's name before its bar
constexpr double kBarCount = 44; // the count after the longest bar
constexpr double kBarHeight = 16;

const QColor kNoticeInk(0x8a, 0x4b, 0x00);
const QColor kNoticeFill(0xfd, 0xf0, 0xe0);
const QColor kNoticeBorder(0xd9, 0x8e, 0x04);

QFont palaceFont()
{
    return font(24);
}

QFont noticeFont()
{
    return font(22);
}

// The sentences' column: the box less its padding and the label column.
double noticeTextWidth()
{
    return kWidth - 2 * kNoticePad - kLabel;
}

double noticeLinesHeight(const models::SheetAnalysis& a)
{
    double height = 0;
    for (const std::string& notice : a.notices)
        height += paragraphHeight(notice, noticeFont(), noticeTextWidth()) + kNoticeGap;
    return height - kNoticeGap;
}

// Every bar of both rows on one scale, so that the rows compare as well as the elements.
double barUnit(const models::SheetAnalysis& a)
{
    const int most = std::max(*std::max_element(a.elements.begin(), a.elements.end()),
                              *std::max_element(a.elementsWithHidden.begin(), a.elementsWithHidden.end()));
    return (kCells / 5 - kBarName - kBarCount) / std::max(1, most);
}

void barRow(QPainter& p, double left, double top, int row, const std::array<int, 5>& counts, double unit)
{
    for (int e = 0; e < 5; ++e) {
        const auto element = static_cast<engine::Element>(e);
        const QColor colour = elementColour(element);
        const QRectF room = countRoom(left, top, row, e);
        text(p, QRectF(room.left() - kBarName, top + row * kBarRow, kBarName, kBarRow),
             std::string(engine::elementName(element)), font(22, true), colour, Qt::AlignLeft | Qt::AlignVCenter);
        const double length = counts[static_cast<std::size_t>(e)] * unit;
        p.fillRect(QRectF(room.left(), room.top(), length, room.height()), colour);
        text(p, QRectF(room.left() + length + 6, top + row * kBarRow, kBarCount, kBarRow),
             std::to_string(counts[static_cast<std::size_t>(e)]), font(22), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

// Two columns once there are more than two relations.
std::size_t relationRows(std::size_t count)
{
    return count <= 2 ? count : (count + 1) / 2;
}

} // namespace

std::vector<std::string> palaceLines(const ChartSheet& s)
{
    const std::string first = "胎元：" + s.conception + "    命宫：" + s.lifePalace;
    if (!s.analysis)
        return {first};
    const std::string second = "身宫：" + s.analysis->bodyPalace + "    胎息：" + s.analysis->breath;
    const std::string both = first + "    " + second;
    if (QFontMetricsF(palaceFont()).horizontalAdvance(toQt(both)) <= kWidth)
        return {both};
    return {first, second};
}

double noticesHeight(const ChartSheet& s)
{
    if (!s.analysis || s.analysis->notices.empty())
        return 0;
    return kNoticeAbove + std::max(kLine, noticeLinesHeight(*s.analysis)) + 2 * kNoticePad;
}

void drawNotices(QPainter& p, double left, double top, const ChartSheet& s)
{
    if (noticesHeight(s) == 0)
        return;
    const QRectF box(left, top + kNoticeAbove, kWidth, noticesHeight(s) - kNoticeAbove);
    p.setPen(QPen(kNoticeBorder, 1.5));
    p.setBrush(kNoticeFill);
    p.drawRoundedRect(box, 8, 8);
    p.setBrush(Qt::NoBrush);
    const QRectF inner = box.adjusted(kNoticePad, kNoticePad, -kNoticePad, -kNoticePad);
    text(p, QRectF(inner.left(), inner.top(), kLabel, kLine), "提示", font(22, true), kNoticeInk,
         Qt::AlignLeft | Qt::AlignVCenter);
    // A lone short sentence sits level with the label; longer ones start at its top.
    double y = inner.top() + std::max(0.0, (kLine - noticeLinesHeight(*s.analysis)) / 2);
    for (const std::string& notice : s.analysis->notices) {
        const double height = paragraphHeight(notice, noticeFont(), noticeTextWidth());
        paragraph(p, QRectF(inner.left() + kLabel, y, noticeTextWidth(), height + 2), notice, noticeFont(), kNoticeInk);
        y += height + kNoticeGap;
    }
}

double relationsHeight(const ChartSheet& s)
{
    return kLine + 8 + kRelationLine * static_cast<double>(relationRows(s.analysis->relations.size()));
}

// Down the left half, then down the right: a relation is short, and a column of them would leave most of the
// width empty.
void drawRelations(QPainter& p, QPointF at, const ChartSheet& s)
{
    const double left = at.x() + kInset;
    heading(p, left, at.y(), "刑冲合害");
    const auto& relations = s.analysis->relations;
    const std::size_t rows = relationRows(relations.size());
    for (std::size_t i = 0; i < relations.size(); ++i) {
        const QRectF line(left + kWidth / 2 * static_cast<double>(i / rows),
                          at.y() + kLine + 8 + kRelationLine * static_cast<double>(i % rows), kWidth / 2,
                          kRelationLine);
        text(p, line, relations[i], font(22), kInk, Qt::AlignLeft | Qt::AlignVCenter);
    }
}

double countsHeight()
{
    return 2 * kBarRow;
}

// Under the legend: each element's bar starts where the legend's name does above it.
QRectF countRoom(double left, double top, int row, int e)
{
    const double x = left + kLabel + e * (kCells / 5) + kBarName;
    const double y = top + row * kBarRow + (kBarRow - kBarHeight) / 2;
    return {x, y, kCells / 5 - kBarName - kBarCount, kBarHeight};
}

void drawCounts(QPainter& p, double left, double top, const models::SheetAnalysis& a)
{
    const double unit = barUnit(a);
    text(p, QRectF(left, top, kLabel, kBarRow), "八字", font(22), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
    barRow(p, left, top, 0, a.elements, unit);
    text(p, QRectF(left, top + kBarRow, kLabel, kBarRow), "含藏干", font(22), kMuted, Qt::AlignLeft | Qt::AlignVCenter);
    barRow(p, left, top, 1, a.elementsWithHidden, unit);
}

} // namespace ui::parts
