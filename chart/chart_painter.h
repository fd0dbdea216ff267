#pragma once

#include <QPointF>
#include <QRectF>

#include "chart/chart_data.h"

class QPainter;

namespace roccalc::chart {

// Where the plot frame lies in an area of a paint device, and the mapping
// between its pixels and the chart's probit coordinates.
class PlotGeometry {
  public:
    PlotGeometry(const QRectF& area, const ChartData& chart);

    const QRectF& frame() const { return frame_; }
    QPointF toPixel(Point point) const;
    Point toData(const QPointF& pixel) const;

  private:
    QRectF frame_;
    Point lowest_;
    Point highest_;
};

// Paints the whole chart into `area` of any device: a widget, a QImage, an
// SVG generator. Texts are drawn as text.
void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart);

}  // namespace roccalc::chart
