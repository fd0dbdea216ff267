#include "window/outline_shape.h"

#include <QPainter>

#include "window/colours.h"
#include "window/device_pixels.h"

namespace roccalc::window {
namespace {

constexpr int kFrameWidth = 3;
constexpr qreal kCornerRadius = 12.0;

}  // namespace

OutlineShape::OutlineShape(bool rounded, QWidget* parent) : QWidget(parent), rounded_(rounded) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void OutlineShape::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (rounded_) {
        painter.setRenderHint(QPainter::Antialiasing);
        QPen pen(toQColor(kDarkGrey), kFrameWidth);
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        // Keep the whole pen inside the widget.
        const qreal inset = kFrameWidth / 2.0;
        painter.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset),
                                kCornerRadius, kCornerRadius);
    } else {
        const DevicePixels device(painter, *this);
        device.outline(device.rect(), Qt::black, Qt::black);
    }
}

}  // namespace roccalc::window
