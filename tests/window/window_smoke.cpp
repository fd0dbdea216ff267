// Opens the window, lets both timers tick once, closes it: a whole start and
// shut-down for memory checkers, which are too slow for the Qt Test suites.
#include <QApplication>
#include <QTimer>

#include "window/form1_window.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    roccalc::window::Form1Window window;
    window.showMaximized();
    QTimer::singleShot(1500, &window, &QWidget::close);
    return QApplication::exec();
}
