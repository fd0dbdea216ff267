#pragma once

#include <QRect>
#include <QtMath>

#include "window/form_layout.h"

namespace roccalc::window {

inline constexpr int kTwipsPerInch = 1440;

// Twips to device-independent pixels at the screen's logical DPI (15 twips a
// pixel at 96 dpi); Qt scales those pixels for high-DPI screens itself.
inline int twipsToPixels(int twips, qreal logicalDpi) {
    return qRound(twips * logicalDpi / kTwipsPerInch);
}

inline QRect toPixels(const Twips& place, qreal logicalDpi) {
    return {twipsToPixels(place.left, logicalDpi), twipsToPixels(place.top, logicalDpi),
            twipsToPixels(place.width, logicalDpi), twipsToPixels(place.height, logicalDpi)};
}

}  // namespace roccalc::window
