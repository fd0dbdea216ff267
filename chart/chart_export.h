#pragma once

#include <QSize>
#include <QString>
#include <optional>

#include "chart/chart_data.h"

namespace roccalc::chart {

// The chart as the bytes of an SVG (texts as text) or a PNG file, chosen by
// the name's extension; no value for an extension that is neither.
std::optional<QByteArray> renderChartFile(const ChartData& chart, const QString& path,
                                          const QSize& size);

}  // namespace roccalc::chart
