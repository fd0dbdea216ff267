#include "window/roc_chart_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "chart/chart_painter.h"

namespace roccalc::window {

RocChartView::RocChartView(const QLocale& locale, QWidget* parent)
    : QWidget(parent), locale_(locale) {
    setObjectName(QStringLiteral("CurveROC"));
    setMouseTracking(true);
    setFocusPolicy(Qt::NoFocus);  // the specified tab order stays as it is
    setAccessibleName(QStringLiteral("Curve ROC"));
}

void RocChartView::setChart(chart::ChartData chart) {
    chart_ = std::move(chart);
    setAccessibleDescription(QString::fromStdString(chart_.description));
    update();
}

QString RocChartView::pointText(const QPointF& position) const {
    const chart::PlotGeometry geometry(QRectF(rect()), chart_);
    if (!geometry.frame().contains(position)) {
        return {};
    }
    const chart::Point point = geometry.toData(position);
    QLocale plain = locale_;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return QStringLiteral("p(FA) = %1 %   p(D) = %2 %   d = %3")
        .arg(plain.toString(chart::percentOf(point.x), 'g', 3),
             plain.toString(chart::percentOf(point.y), 'g', 3),
             plain.toString(chart::indexThrough(point), 'g', 3));
}

void RocChartView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    chart::paintChart(painter, QRectF(rect()), chart_);
}

void RocChartView::mouseMoveEvent(QMouseEvent* event) {
    const QString text = pointText(event->position());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        QToolTip::showText(event->globalPosition().toPoint(), text, this);
    }
    QWidget::mouseMoveEvent(event);
}

}  // namespace roccalc::window
