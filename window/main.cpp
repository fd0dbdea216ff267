#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "window/form1_window.h"

namespace {

// The display that was asked for, in words.
const char* displayName() {
    if (const char* wayland = std::getenv("WAYLAND_DISPLAY")) {
        return wayland;
    }
    const char* x11 = std::getenv("DISPLAY");
    return x11 != nullptr ? x11 : "";
}

// Until the window's platform is up, Qt's messages about it are replaced by
// one line of the program's own: a display that cannot be reached ends the
// program with status 1, not an abort.
void reportUnreachableDisplay(QtMsgType type, const QMessageLogContext&, const QString&) {
    if (type == QtFatalMsg) {
        std::fprintf(stderr, "roccalc: cannot open the window on the display \"%s\"\n",
                     displayName());
        std::fflush(stderr);
        std::_Exit(1);
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fputs(
            "roccalc: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
            stderr);
        return 1;
    }
    const QtMessageHandler previous = qInstallMessageHandler(reportUnreachableDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(previous);
    QApplication::setApplicationName(QStringLiteral("roccalc"));
    QApplication::setDesktopFileName(QStringLiteral("org.roccalc.RocCalc"));
    roccalc::window::Form1Window window;
    window.showMaximized();
    return QApplication::exec();
}
