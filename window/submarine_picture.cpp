#include "window/submarine_picture.h"

#include <QPainter>
#include <QPainterPath>

#include "window/device_pixels.h"

namespace roccalc::window {
namespace {

constexpr int kBitmapWidth = 142;
constexpr int kBitmapHeight = 78;
const QColor kGround(0xE0, 0xFF, 0xFF);
const QColor kLines(0x00, 0x30, 0xC0);

}  // namespace

SubmarinePicture::SubmarinePicture(QWidget* parent) : QWidget(parent), bitmap_(drawSubmarine()) {
    setFocusPolicy(Qt::StrongFocus);
    setAccessibleName(QStringLiteral("sommergibile"));
}

QImage SubmarinePicture::drawSubmarine() {
    QImage image(kBitmapWidth, kBitmapHeight, QImage::Format_RGB888);
    image.fill(kGround);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(kLines, 1.3));
    p.setBrush(Qt::NoBrush);

    // Surface waves across the top.
    QPainterPath waves;
    waves.moveTo(0, 14);
    for (int x = 0; x < kBitmapWidth; x += 12) {
        waves.quadTo(x + 3, 11, x + 6, 14);
        waves.quadTo(x + 9, 17, x + 12, 14);
    }
    p.drawPath(waves);

    // Hull: a long body, blunt bow on the left, tapering stern on the right.
    QPainterPath hull;
    hull.moveTo(14, 50);
    hull.cubicTo(14, 38, 24, 36, 36, 36);
    hull.lineTo(104, 36);
    hull.cubicTo(116, 37, 124, 44, 128, 50);
    hull.cubicTo(124, 56, 116, 62, 104, 63);
    hull.lineTo(36, 63);
    hull.cubicTo(24, 63, 14, 61, 14, 50);
    p.drawPath(hull);

    // Sail with periscope and mast.
    QPainterPath sail;
    sail.moveTo(50, 36);
    sail.lineTo(54, 24);
    sail.lineTo(74, 24);
    sail.lineTo(78, 36);
    p.drawPath(sail);
    p.drawLine(QPointF(60, 24), QPointF(60, 16));
    p.drawLine(QPointF(60, 16), QPointF(65, 16));
    p.drawLine(QPointF(69, 24), QPointF(69, 19));
    p.drawLine(QPointF(51, 30), QPointF(45, 30));  // fairwater plane
    p.drawLine(QPointF(77, 30), QPointF(83, 30));

    // Stern planes, rudder and screw.
    p.drawLine(QPointF(112, 50), QPointF(122, 44));
    p.drawLine(QPointF(112, 50), QPointF(122, 56));
    p.drawLine(QPointF(128, 50), QPointF(132, 50));
    p.drawEllipse(QPointF(134, 45), 2, 4);
    p.drawEllipse(QPointF(134, 55), 2, 4);

    // Portholes and a deck line.
    for (int x = 34; x <= 94; x += 15) {
        p.drawEllipse(QPointF(x, 49), 2.5, 2.5);
    }
    p.drawLine(QPointF(30, 41), QPointF(108, 41));

    // Sonar pings from the bow.
    for (int r = 6; r <= 14; r += 4) {
        p.drawArc(QRectF(10 - r, 50 - r, 2 * r, 2 * r), 120 * 16, 120 * 16);
    }
    return image;
}

void SubmarinePicture::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), kGround);
    painter.drawImage(QPoint(1, 1), bitmap_);
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(rect().adjusted(0, 0, -1, -1));
    } else {
        const DevicePixels device(painter, *this);
        device.outline(device.rect(), Qt::black, Qt::black);
    }
}

}  // namespace roccalc::window
