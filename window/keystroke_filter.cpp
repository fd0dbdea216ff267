#include "window/keystroke_filter.h"

#include <QKeyEvent>

#include "text/key_filter.h"

namespace roccalc::window {

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return QObject::eventFilter(watched, event);
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    // Tab, Shift+Tab and Delete arrive with a control character as text, but
    // they move the focus or edit, they type nothing.
    switch (key->key()) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Delete:
            return false;
        default:
            break;
    }
    // The clipboard and select-all shortcuts come as control characters on
    // X11 but with no text elsewhere (Shift+Insert everywhere): drop them by
    // meaning too.
    for (const auto shortcut :
         {QKeySequence::Copy, QKeySequence::Cut, QKeySequence::Paste, QKeySequence::SelectAll}) {
        if (key->matches(shortcut)) {
            return true;
        }
    }
    const QString text = key->text();
    for (const QChar c : text) {
        if (!keyAllowed(c.unicode())) {
            return true;  // dropped: the box never sees the key
        }
    }
    return false;
}

}  // namespace roccalc::window
