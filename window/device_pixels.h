#pragma once

#include <QPainter>
#include <QRect>
#include <QWidget>
#include <QtMath>

namespace roccalc::window {

// Paints a widget's 1-pixel lines in device pixels. At a fractional scale
// (1.25, 1.5, ...) a 1-pixel pen on logical coordinates falls between
// device pixels: it blurs, and the fill shows as a sliver outside the edge.
// While this lives, the painter draws in device pixels; rect() is the whole
// widget and line() one logical pixel, both rounded to whole device pixels.
class DevicePixels {
  public:
    DevicePixels(QPainter& painter, const QWidget& widget)
        : painter_(painter), ratio_(widget.devicePixelRatioF()) {
        painter_.save();
        painter_.setRenderHint(QPainter::Antialiasing, false);
        painter_.scale(1.0 / ratio_, 1.0 / ratio_);
        // Sizes round as Qt rounds a widget's rectangle to device pixels.
        rect_ = QRect(0, 0, qRound(widget.width() * ratio_), qRound(widget.height() * ratio_));
        line_ = qMax(1, qRound(ratio_));
    }
    ~DevicePixels() { painter_.restore(); }
    DevicePixels(const DevicePixels&) = delete;
    DevicePixels& operator=(const DevicePixels&) = delete;

    const QRect& rect() const { return rect_; }
    int line() const { return line_; }

    // A closed outline `width` lines thick, inside `r`, as filled strips.
    void outline(const QRect& r, const QColor& topLeft, const QColor& bottomRight,
                 int width = 1) const {
        const int w = width * line_;
        painter_.fillRect(QRect(r.left(), r.top(), r.width(), w), topLeft);
        painter_.fillRect(QRect(r.left(), r.top(), w, r.height()), topLeft);
        painter_.fillRect(QRect(r.left(), r.bottom() - w + 1, r.width(), w), bottomRight);
        painter_.fillRect(QRect(r.right() - w + 1, r.top(), w, r.height()), bottomRight);
    }

  private:
    QPainter& painter_;
    qreal ratio_;
    QRect rect_;
    int line_ = 1;
};

}  // namespace roccalc::window
