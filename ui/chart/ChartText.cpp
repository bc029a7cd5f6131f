#include "ui/chart/ChartParts.h"

#include "ui/chart/ChartPainter.h"
#include "ui/common/QtText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPen>
#include <QStringList>

#include <algorithm>

namespace ui::parts {
namespace {

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

} // namespace

QFont font(double pixels, bool bold, bool serif)
{
    QFont f;
    f.setFamilies(families(serif));
    f.setPixelSize(std::max(1, static_cast<int>(pixels)));
    f.setBold(bold);
    // The canvas is scaled: hinting for the unscaled size would misplace glyphs.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void text(QPainter& p, const QRectF& box, const std::string& value, const QFont& f, const QColor& colour, int align)
{
    p.setFont(f);
    p.setPen(colour);
    // A long name or place is cut short with an ellipsis rather than run into the next column.
    const QString shown = QFontMetricsF(f).elidedText(toQt(value), Qt::ElideRight, box.width());
    p.drawText(box, align | Qt::TextSingleLine, shown);
}

void paragraph(QPainter& p, const QRectF& box, const std::string& value, const QFont& f, const QColor& colour)
{
    p.setFont(f);
    p.setPen(colour);
    p.drawText(box, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, toQt(value));
}

double paragraphHeight(const std::string& value, const QFont& f, double width)
{
    const QRectF room(0, 0, width, 1e6);
    return QFontMetricsF(f).boundingRect(room, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, toQt(value)).height();
}

void drawGlyph(QPainter& p, const QRectF& cell, const models::SheetGlyph& g, double size)
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

void markCurrent(QPainter& p, const QRectF& column)
{
    p.setPen(QPen(QColor(0xc0, 0x90, 0x00), 2));
    p.setBrush(kCurrent);
    p.drawRoundedRect(column, 8, 8);
    p.setBrush(Qt::NoBrush);
}

} // namespace ui::parts
