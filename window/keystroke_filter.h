#pragma once

#include <QObject>

namespace roccalc::window {

// Drops every typed character that cannot be part of a plain decimal number
// before the box sees it, whether it comes as a key or as text committed by
// an input method (dead keys, Compose). Keys that type no character
// (arrows, Home, End, Delete, Shift+Insert) pass untouched, and so does
// text that enters other than by typing, such as a paste from the menu;
// shortcuts that arrive as control characters (Ctrl+V on X11) are dropped
// as characters.
class KeystrokeFilter : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace roccalc::window
