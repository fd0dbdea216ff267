#pragma once

#include <QObject>

namespace roccalc::window {

// Drops every typed character that cannot be part of a plain decimal number
// before the box sees it. Keys that type no character (arrows, Home, End,
// Delete) and the focus keys pass untouched; pasted text is not filtered.
class KeystrokeFilter : public QObject {
    Q_OBJECT

  public:
    using QObject::QObject;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace roccalc::window
