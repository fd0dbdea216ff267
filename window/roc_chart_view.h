#pragma once

#include <QLocale>
#include <QWidget>

#include "chart/chart_data.h"

namespace roccalc::window {

// The ROC chart beside the calculator: it paints the chart it is given and,
// under the mouse, tells the p(FA), p(D) and d of the point there. It reads
// nothing of the calculator itself.
class RocChartView : public QWidget {
    Q_OBJECT

  public:
    RocChartView(const QLocale& locale, QWidget* parent);

    void setChart(chart::ChartData chart);
    const chart::ChartData& chart() const { return chart_; }

    // The tooltip text for a point in the widget; empty outside the frame.
    QString pointText(const QPointF& position) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

  private:
    QLocale locale_;
    chart::ChartData chart_;
};

}  // namespace roccalc::window
