#include "window/keystroke_filter.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <algorithm>

#include "text/key_filter.h"

namespace roccalc::window {
namespace {

bool allAllowed(const QString& text) {
    return std::all_of(text.begin(), text.end(), [](QChar c) { return keyAllowed(c.unicode()); });
}

}  // namespace

bool KeystrokeFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::InputMethod) {
        // Composed characters arrive as committed text: keep the allowed ones.
        auto* input = static_cast<QInputMethodEvent*>(event);
        QString kept;
        for (const QChar c : input->commitString()) {
            if (keyAllowed(c.unicode())) {
                kept += c;
            }
        }
        if (kept != input->commitString()) {
            input->setCommitString(kept, input->replacementStart(), input->replacementLength());
        }
        return false;
    }
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
    return !allAllowed(key->text());  // dropped: the box never sees the key
}

}  // namespace roccalc::window
