#include "ui/chart/ChartParts.h"

#include <QPainter>

#include <string>

namespace ui::parts {
namespace {

constexpr double kLuckTable = 3 * 34 + 2 * kLuckCell + 2 * 34;
constexpr double kYearTable = 32 + 2 * kYearCell;

} // namespace

double luckHeight()
{
    return kLine + 8 + 2 * 36 + 8 + kLuckTable;
}

void drawLuck(QPainter& p, QPointF at, const models::ChartSheet& s)
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

double yearlyHeight()
{
    return kLine + 8 + kYearTable;
}

void drawYearly(QPainter& p, QPointF at, const models::ChartSheet& s)
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

} // namespace ui::parts
