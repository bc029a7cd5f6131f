#include "ui/chart/ChartView.h"

#include "ui/chart/ChartPainter.h"

#include <QPainter>

namespace ui {

ChartView::ChartView(QWidget* parent) : QWidget(parent)
{
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white); // as on paper, whatever the desktop's theme
    setPalette(colours);
    setFocusPolicy(Qt::NoFocus);
}

void ChartView::setSheet(std::optional<models::ChartSheet> sheet)
{
    m_sheet = std::move(sheet);
    update();
}

void ChartView::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRectF area = QRectF(rect()).adjusted(8, 8, -8, -8);
    if (!m_sheet) {
        painter.setPen(palette().color(QPalette::PlaceholderText));
        painter.drawText(area, Qt::AlignCenter, QStringLiteral("请先八字排盘"));
        return;
    }
    ChartPainter(*m_sheet).paint(painter, area);
}

} // namespace ui
