#pragma once

#include <QApplication>
#include <QTest>

// Window tests run offscreen where no display is set, so a test binary can be
// started directly, not only through ctest; with a display they show up.
inline void useOffscreenWithoutDisplay() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

// QTEST_MAIN with the platform chosen before the application starts.
#define ROCCALC_WINDOW_TEST_MAIN(TestObject)    \
    int main(int argc, char* argv[]) {          \
        useOffscreenWithoutDisplay();           \
        QApplication app(argc, argv);           \
        app.setAttribute(Qt::AA_Use96Dpi);      \
        TestObject test;                        \
        QTEST_SET_MAIN_SOURCE_PATH              \
        return QTest::qExec(&test, argc, argv); \
    }
