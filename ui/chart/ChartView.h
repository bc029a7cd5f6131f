#pragma once

#include "models/chart/ChartSheet.h"

#include <QWidget>

#include <optional>

// The drawn chart beside the chart text: the whole chart scaled to the view, in one column or two.
namespace ui {

class ChartView : public QWidget
{
    Q_OBJECT

public:
    explicit ChartView(QWidget* parent = nullptr);

    void setSheet(std::optional<models::ChartSheet> sheet);
    const std::optional<models::ChartSheet>& sheet() const { return m_sheet; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::optional<models::ChartSheet> m_sheet;
};

} // namespace ui
