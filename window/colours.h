#pragma once

#include <QColor>

#include "detection/form1.h"

namespace roccalc::window {

// Colours are kept as 0x00BBGGRR, the layout the calculator reads back.
inline QColor toQColor(Colour colour) {
    return QColor(static_cast<int>(colour & 0xFF), static_cast<int>((colour >> 8) & 0xFF),
                  static_cast<int>((colour >> 16) & 0xFF));
}

}  // namespace roccalc::window
