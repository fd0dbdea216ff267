#include <QApplication>
#include <cstdio>
#include <cstdlib>

#include "window/form1_window.h"

int main(int argc, char* argv[]) {
    const bool platformChosen = std::getenv("QT_QPA_PLATFORM") != nullptr;
    if (!platformChosen && std::getenv("DISPLAY") == nullptr &&
        std::getenv("WAYLAND_DISPLAY") == nullptr) {
        std::fputs(
            "roccalc: no display to open the window on (DISPLAY and WAYLAND_DISPLAY are unset)\n",
            stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("roccalc"));
    QApplication::setDesktopFileName(QStringLiteral("org.roccalc.RocCalc"));
    roccalc::window::Form1Window window;
    window.showMaximized();
    return QApplication::exec();
}
