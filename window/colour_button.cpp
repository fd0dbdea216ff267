#include "window/colour_button.h"

#include <QPainter>

#include "window/colours.h"
#include "window/device_pixels.h"

namespace roccalc::window {
namespace {

constexpr int kTextMargin = 3;
constexpr int kTextFlags = Qt::AlignCenter | Qt::TextWordWrap;

// Where the caption needs two lines, break it at the widest run of blanks
// (the latest of equal ones) that keeps a bracketed group such as "( q )"
// whole: the captions read as "calcolo var." over the variable's name.
QString layOutCaption(const QString& caption, const QFontMetrics& metrics, int width) {
    if (metrics.horizontalAdvance(caption) <= width) {
        return caption;
    }
    QString best = caption;  // left to word wrapping when no break fits
    qsizetype bestRun = 0;
    for (qsizetype i = 1; i < caption.size(); ++i) {
        if (caption[i] != u' ' || caption[i - 1] == u' ') {
            continue;
        }
        qsizetype end = i;
        while (end < caption.size() && caption[end] == u' ') {
            ++end;
        }
        const QString first = caption.left(i);
        const QString second = caption.mid(end).trimmed();
        const bool fits =
            metrics.horizontalAdvance(first) <= width && metrics.horizontalAdvance(second) <= width;
        if (fits && !second.isEmpty() && first.count(u'(') == first.count(u')') &&
            end - i >= bestRun) {
            best = first + u'\n' + second;
            bestRun = end - i;
        }
    }
    return best;
}

}  // namespace

ColourButton::ColourButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    // Enter clicks the focused button, as Space does.
    setAutoDefault(true);
    setFocusPolicy(Qt::StrongFocus);
}

void ColourButton::setBackColor(Colour colour) {
    backColor_ = colour;
    update();
}

QSize ColourButton::sizeHint() const {
    const int lineWidth = width() - 2 * kTextMargin;
    const QRect text =
        fontMetrics().boundingRect(QRect(0, 0, lineWidth, 1000), kTextFlags,
                                   layOutCaption(this->text(), fontMetrics(), lineWidth));
    return text.size() + QSize(2 * kTextMargin, 2 * kTextMargin);
}

void ColourButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sunken = isDown();
    {
        // The fill and the raised edge (sunken while pressed) in whole
        // device pixels, so the edge closes the button at any scale.
        const DevicePixels device(painter, *this);
        painter.fillRect(device.rect(), toQColor(backColor_));
        const QColor light = sunken ? QColor(64, 64, 64) : QColor(255, 255, 255);
        const QColor dark = sunken ? QColor(255, 255, 255) : QColor(64, 64, 64);
        device.outline(device.rect(), light, dark);
    }

    const QRect outer = rect();
    QRect textArea = outer.adjusted(kTextMargin, kTextMargin, -kTextMargin, -kTextMargin);
    if (sunken) {
        textArea.translate(1, 1);
    }
    painter.setPen(palette().color(QPalette::ButtonText));
    painter.drawText(textArea, kTextFlags, layOutCaption(text(), fontMetrics(), textArea.width()));

    if (hasFocus()) {
        // A dotted rectangle inside the edge: visible on red and green alike.
        painter.setPen(QPen(Qt::black, 1, Qt::DotLine));
        painter.drawRect(outer.adjusted(2, 2, -3, -3));
    }
}

}  // namespace roccalc::window
