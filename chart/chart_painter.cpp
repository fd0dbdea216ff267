#include "chart/chart_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

namespace roccalc::chart {
namespace {

// Room around the frame, in units of the text height.
constexpr double kLeftRoom = 3.6;
constexpr double kRightRoom = 1.2;
constexpr double kTopRoom = 2.6;
constexpr double kBottomRoom = 3.2;

const QColor kFamilyColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0x2c, 0xa0, 0x2c),
                                 QColor(0x94, 0x67, 0xbd), QColor(0xff, 0x7f, 0x0e),
                                 QColor(0x8c, 0x56, 0x4b), QColor(0x17, 0xbe, 0xcf)};
const QColor kFoundColour(0x20, 0x20, 0x20);
const QColor kSetColour(0x60, 0x60, 0x60);
const QColor kPointColour(0xE0, 0x00, 0x00);
const QColor kGridColour(0xDD, 0xDD, 0xDD);

// The text height scales with the area, within readable bounds.
double textPixels(const QRectF& area) {
    return std::clamp(std::min(area.width(), area.height()) / 55.0, 9.0, 16.0);
}

QFont chartFont(double pixels, bool bold = false) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(static_cast<int>(pixels));
    font.setBold(bold);
    return font;
}

QString text(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QPen curvePen(const Curve& curve, std::size_t familyIndex, double unit) {
    switch (curve.kind) {
        case CurveKind::Family:
            return QPen(kFamilyColours[familyIndex % std::size(kFamilyColours)], unit);
        case CurveKind::Found:
            return QPen(kFoundColour, 2.5 * unit);
        case CurveKind::Set:
            return QPen(kSetColour, 1.6 * unit, Qt::DashLine);
    }
    return QPen();
}

void drawMarker(QPainter& painter, const Marker& marker, const QPointF& at, double unit) {
    // The hollow marker is the larger, so a red dot at the same place shows.
    const double radius = (marker.kind == MarkerKind::OperatingPoint ? 4.5 : 7.0) * unit;
    if (marker.kind == MarkerKind::OperatingPoint) {
        painter.setPen(QPen(kPointColour, unit));
        painter.setBrush(kPointColour);
    } else {
        painter.setPen(QPen(kSetColour, 1.6 * unit));
        painter.setBrush(Qt::white);
    }
    painter.drawEllipse(at, radius, radius);
    painter.setBrush(Qt::NoBrush);
}

}  // namespace

PlotGeometry::PlotGeometry(const QRectF& area, const ChartData& chart)
    : lowest_(chart.lowest), highest_(chart.highest) {
    const double h = textPixels(area);
    frame_ = area.adjusted(kLeftRoom * h, kTopRoom * h, -kRightRoom * h, -kBottomRoom * h);
}

QPointF PlotGeometry::toPixel(Point point) const {
    const double fx = (point.x - lowest_.x) / (highest_.x - lowest_.x);
    const double fy = (point.y - lowest_.y) / (highest_.y - lowest_.y);
    return {frame_.left() + fx * frame_.width(), frame_.bottom() - fy * frame_.height()};
}

Point PlotGeometry::toData(const QPointF& pixel) const {
    const double fx = (pixel.x() - frame_.left()) / frame_.width();
    const double fy = (frame_.bottom() - pixel.y()) / frame_.height();
    return {lowest_.x + fx * (highest_.x - lowest_.x), lowest_.y + fy * (highest_.y - lowest_.y)};
}

void paintChart(QPainter& painter, const QRectF& area, const ChartData& chart) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(area, Qt::white);
    const PlotGeometry geometry(area, chart);
    const QRectF frame = geometry.frame();
    const double h = textPixels(area);
    const double unit = std::max(1.0, h / 11.0);

    // Grid and tick labels.
    painter.setFont(chartFont(h * 0.9));
    const QFontMetricsF metrics(painter.font());
    for (const Tick& tick : chart.xTicks) {
        const double x = geometry.toPixel({tick.probit, chart.lowest.y}).x();
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
        painter.setPen(Qt::black);
        const QString label = text(tick.label);
        painter.drawText(
            QPointF(x - metrics.horizontalAdvance(label) / 2, frame.bottom() + 1.3 * h), label);
    }
    for (const Tick& tick : chart.yTicks) {
        const double y = geometry.toPixel({chart.lowest.x, tick.probit}).y();
        painter.setPen(QPen(kGridColour, 1));
        painter.drawLine(QPointF(frame.left(), y), QPointF(frame.right(), y));
        painter.setPen(Qt::black);
        const QString label = text(tick.label);
        painter.drawText(
            QPointF(frame.left() - 0.4 * h - metrics.horizontalAdvance(label), y + 0.35 * h),
            label);
    }

    // Titles.
    painter.setFont(chartFont(h * 1.2, true));
    painter.drawText(QRectF(area.left(), area.top(), area.width(), 2.0 * h), Qt::AlignCenter,
                     text(chart.title));
    painter.setFont(chartFont(h));
    painter.drawText(QRectF(frame.left(), frame.bottom() + 1.7 * h, frame.width(), 1.4 * h),
                     Qt::AlignCenter, text(chart.xTitle));
    painter.save();
    painter.translate(area.left() + 0.9 * h, frame.center().y());
    painter.rotate(-90);
    painter.drawText(QRectF(-frame.height() / 2, -0.8 * h, frame.height(), 1.6 * h),
                     Qt::AlignCenter, text(chart.yTitle));
    painter.restore();

    // The p(FA) reached by section 1.
    if (chart.thresholdLine) {
        const double x = geometry.toPixel({*chart.thresholdLine, chart.lowest.y}).x();
        painter.setPen(QPen(kPointColour, unit * 0.8, Qt::DotLine));
        painter.drawLine(QPointF(x, frame.top()), QPointF(x, frame.bottom()));
    }

    // Curves, then points above them.
    std::size_t familyIndex = 0;
    for (const Curve& curve : chart.curves) {
        painter.setPen(curvePen(curve, familyIndex, unit));
        if (curve.kind == CurveKind::Family) {
            ++familyIndex;
        }
        for (const std::vector<Point>& piece : curve.pieces) {
            QPainterPath path(geometry.toPixel(piece.front()));
            for (std::size_t i = 1; i < piece.size(); ++i) {
                path.lineTo(geometry.toPixel(piece[i]));
            }
            painter.drawPath(path);
        }
    }
    for (auto marker = chart.markers.rbegin(); marker != chart.markers.rend(); ++marker) {
        drawMarker(painter, *marker, geometry.toPixel(marker->at), unit);  // the red dot last
    }

    painter.setPen(QPen(Qt::black, 1));
    painter.drawRect(frame);

    // Legend in the lower right, where no curve of the family passes.
    painter.setFont(chartFont(h * 0.9));
    const double line = 1.25 * h;
    const std::size_t entries = chart.curves.size() + chart.markers.size();
    double widest = 0;
    for (const Curve& curve : chart.curves) {
        widest = std::max(widest, metrics.horizontalAdvance(text(curve.legend)));
    }
    for (const Marker& marker : chart.markers) {
        widest = std::max(widest, metrics.horizontalAdvance(text(marker.legend)));
    }
    const QRectF box(frame.right() - widest - 3.4 * h - 0.5 * h,
                     frame.bottom() - static_cast<double>(entries) * line - 0.9 * h,
                     widest + 3.4 * h, static_cast<double>(entries) * line + 0.4 * h);
    painter.setPen(QPen(QColor(0xAA, 0xAA, 0xAA), 1));
    painter.setBrush(Qt::white);
    painter.drawRect(box);
    painter.setBrush(Qt::NoBrush);
    double y = box.top() + 0.2 * h + line / 2;
    familyIndex = 0;
    for (const Curve& curve : chart.curves) {
        painter.setPen(curvePen(curve, familyIndex, unit));
        if (curve.kind == CurveKind::Family) {
            ++familyIndex;
        }
        painter.drawLine(QPointF(box.left() + 0.4 * h, y), QPointF(box.left() + 2.4 * h, y));
        painter.setPen(Qt::black);
        painter.drawText(QPointF(box.left() + 2.9 * h, y + 0.35 * h), text(curve.legend));
        y += line;
    }
    for (const Marker& marker : chart.markers) {
        drawMarker(painter, marker, QPointF(box.left() + 1.4 * h, y), unit);
        painter.setPen(Qt::black);
        painter.drawText(QPointF(box.left() + 2.9 * h, y + 0.35 * h), text(marker.legend));
        y += line;
    }
    painter.restore();
}

}  // namespace roccalc::chart
