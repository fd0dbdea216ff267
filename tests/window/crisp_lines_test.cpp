// The 1-pixel lines at a fractional scale (1.5): each button is closed by its
// dark edge with no fill showing outside it, and each result rectangle has
// its bottom right corner.
#include <QLabel>
#include <QTest>

#include "tests/window/window_test_main.h"
#include "window/colour_button.h"
#include "window/form1_window.h"

using roccalc::window::ColourButton;
using roccalc::window::Form1Window;

class CrispLinesTest : public QObject {
    Q_OBJECT

  private slots:
    void buttonEdgeClosesTheFill();
    void rectangleCornerIsClosed();
};

namespace {

bool green(const QColor& c) {
    return c.green() > 150 && c.red() < 100 && c.blue() < 100;
}

bool dark(const QColor& c) {
    return c.red() < 100 && c.green() < 100 && c.blue() < 100;
}

// The button and a margin round it, as the window shows them, in device
// pixels.
QImage aroundWidget(const QWidget& widget) {
    QWidget* parent = widget.parentWidget();
    return parent->grab(widget.geometry().adjusted(-3, -3, 3, 3)).toImage();
}

}  // namespace

void CrispLinesTest::buttonEdgeClosesTheFill() {
    Form1Window window(QLocale::c());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.devicePixelRatioF(), 1.5);
    auto* button = window.findChild<ColourButton*>(QStringLiteral("Command3"));
    const QImage image = aroundWidget(*button);
    // From the middle outwards, right and down: the fill, the dark edge, and
    // then never the fill again.
    const int midY = image.height() / 2;
    const int midX = image.width() / 2;
    auto checkRun = [](auto pixelAt, int from, int to, const char* where) {
        bool edgeSeen = false;
        for (int i = from; i < to; ++i) {
            const QColor c = pixelAt(i);
            edgeSeen = edgeSeen || dark(c);
            QVERIFY2(!(edgeSeen && green(c)), where);
        }
        QVERIFY2(edgeSeen, where);
    };
    checkRun([&](int x) { return image.pixelColor(x, midY); }, midX, image.width(),
             "fill shows right of the edge");
    checkRun([&](int y) { return image.pixelColor(midX + 20, y); }, midY + 6, image.height(),
             "fill shows below the edge");
}

void CrispLinesTest::rectangleCornerIsClosed() {
    Form1Window window(QLocale::c());
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const char* name : {"Shape1", "Shape2(0)", "Shape2(1)", "Shape3"}) {
        QWidget* shape = window.findChild<QWidget*>(QString::fromLatin1(name));
        const QImage image = shape->grab().toImage();
        const int right = image.width() - 1;
        const int bottom = image.height() - 1;
        QVERIFY2(dark(image.pixelColor(right, bottom)), name);
        QVERIFY2(dark(image.pixelColor(right, bottom / 2)), name);
        QVERIFY2(dark(image.pixelColor(right / 2, bottom)), name);
    }
}

ROCCALC_WINDOW_TEST_MAIN(CrispLinesTest)
#include "crisp_lines_test.moc"
