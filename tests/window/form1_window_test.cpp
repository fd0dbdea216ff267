#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "chart/chart_painter.h"
#include "tests/window/window_test_main.h"
#include "window/colour_button.h"
#include "window/form1_window.h"
#include "window/roc_chart_view.h"

using roccalc::kGreen;
using roccalc::kRed;
using roccalc::window::ColourButton;
using roccalc::window::Form1Window;
using roccalc::window::RocChartView;

class Form1WindowTest : public QObject {
    Q_OBJECT

  private:
    template <typename T>
    static T* child(QWidget& window, const char* name) {
        T* widget = window.findChild<T*>(QString::fromLatin1(name));
        if (widget == nullptr) {
            qFatal("no control %s", name);
        }
        return widget;
    }
    static QString caption(QWidget& window, const char* name) {
        return child<QLabel>(window, name)->text();
    }
    static QColor shownColour(ColourButton* button) {
        // The colour really painted, away from the edge and the caption.
        return button->grab().toImage().pixelColor(4, button->height() / 2);
    }
    static void type(QWidget& window, const char* box, const QString& keys) {
        QLineEdit* edit = child<QLineEdit>(window, box);
        edit->setFocus();
        QTest::keyClicks(edit, keys);
    }
    // A box of a shown window, focused, ready for keys or input-method text.
    static QLineEdit* focusedBox(QWidget& window, const QString& name) {
        window.show();
        if (!QTest::qWaitForWindowActive(&window)) {
            qFatal("the window did not show");
        }
        QLineEdit* edit = child<QLineEdit>(window, name.toLatin1().constData());
        edit->setFocus();
        return edit;
    }
    static void click(QWidget& window, const char* button) {
        QTest::mouseClick(child<ColourButton>(window, button), Qt::LeftButton);
    }

  private slots:
    void startState();
    void typicalUseThroughKeysClicksAndTicks();
    void requestButtonIsRedUntilTheTick();
    void enterClicksTheFocusedButton();
    void keystrokeFilter_data();
    void keystrokeFilter();
    void pasteShortcuts();
    void inputMethodCommits_data();
    void inputMethodCommits();
    void focusOutShowsTheStart();
    void tabOrder();
    void commaLocaleWritesCommaAndReadsPoint();
    void geometryAtNinetySixDpi();
    void noLabelClipsItsText();
    void accessibleNames();
    void scrollBarsOnlyBelowTheLayoutsSize();
    void chartBesideTheControls();
    void exactValueTooltips_data();
    void exactValueTooltips();
};

void Form1WindowTest::startState() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Form1"));
    for (const char* name : {"Label19", "Label11", "Label14", "Label16", "Label27", "Label20"}) {
        QCOMPARE(caption(window, name), QString());
    }
    for (const char* name : {"Command1", "Command2", "Command3", "Command4"}) {
        QCOMPARE(shownColour(child<ColourButton>(window, name)), QColor(0x00, 0xFF, 0x00));
    }
    QCOMPARE(QApplication::focusWidget(), child<QWidget>(window, "Command1"));
    QVERIFY(child<QTimer>(window, "Timer1")->isActive());
    QCOMPARE(child<QTimer>(window, "Timer2")->interval(), 1000);
}

void Form1WindowTest::typicalUseThroughKeysClicksAndTicks() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    type(window, "Text1", QStringLiteral("1"));
    click(window, "Command1");
    QCOMPARE(caption(window, "Label19"), QStringLiteral(".9875"));
    QCOMPARE(caption(window, "Label11"), QStringLiteral("2.33"));

    type(window, "Text2", QStringLiteral("90"));
    click(window, "Command2");
    QTRY_COMPARE_WITH_TIMEOUT(caption(window, "Label16"), QStringLiteral("13.0312"), 3000);
    QCOMPARE(caption(window, "Label14"), QStringLiteral("   90.01"));

    type(window, "Text5", QStringLiteral("13.0312"));
    click(window, "Command4");
    QTRY_COMPARE_WITH_TIMEOUT(caption(window, "Label27"), QStringLiteral("   89.97"), 3000);

    type(window, "Text3", QStringLiteral("1"));
    type(window, "Text4", QStringLiteral("1"));
    click(window, "Command3");
    QCOMPARE(caption(window, "Label20"), QStringLiteral("4.1"));
}

void Form1WindowTest::requestButtonIsRedUntilTheTick() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    auto* command2 = child<ColourButton>(window, "Command2");
    QSignalSpy ticks(child<QTimer>(window, "Timer1"), &QTimer::timeout);

    type(window, "Text2", QStringLiteral("50"));
    click(window, "Command2");
    QCOMPARE(window.backColor(roccalc::FlagButton::Command2), kRed);
    QCOMPARE(shownColour(command2), QColor(0xFF, 0x00, 0x00));
    QVERIFY(ticks.wait(2000));
    QCOMPARE(window.backColor(roccalc::FlagButton::Command2), kGreen);
    QCOMPARE(shownColour(command2), QColor(0x00, 0xFF, 0x00));
    QVERIFY(!caption(window, "Label16").isEmpty());

    click(window, "Command3");
    QCOMPARE(shownColour(child<ColourButton>(window, "Command3")), QColor(0x00, 0xFF, 0x00));
}

void Form1WindowTest::enterClicksTheFocusedButton() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    type(window, "Text1", QStringLiteral("10"));
    auto* command1 = child<ColourButton>(window, "Command1");
    command1->setFocus();
    QTest::keyClick(command1, Qt::Key_Return);
    QCOMPARE(caption(window, "Label11"), QStringLiteral("1.29"));
    type(window, "Text1", QStringLiteral("1"));  // now "101": above 49.5, emptied
    command1->setFocus();
    QTest::keyClick(command1, Qt::Key_Space);
    QCOMPARE(child<QLineEdit>(window, "Text1")->text(), QString());
}

void Form1WindowTest::keystrokeFilter_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QTestEventList>("keys");
    QTest::addColumn<QString>("expected");

    auto typed = [](const QString& text) {
        QTestEventList events;
        events.addKeyClicks(text);
        return events;
    };
    QTest::newRow("digits point minus") << "Text1" << typed("1-2.3.") << "1-2.3.";
    QTest::newRow("letters blank comma plus dropped") << "Text2" << typed("9a b,+eE0") << "90";
    QTest::newRow("keypad digits") << "Text3" << [] {
        QTestEventList e;
        e.addKeyClick(Qt::Key_7, Qt::KeypadModifier);
        e.addKeyClick(Qt::Key_Period, Qt::KeypadModifier);
        e.addKeyClick(Qt::Key_5, Qt::KeypadModifier);
        return e;
    }() << "7.5";
    QTest::newRow("backspace edits") << "Text4" << [&] {
        QTestEventList e = typed("123");
        e.addKeyClick(Qt::Key_Backspace);
        return e;
    }() << "12";
    QTest::newRow("arrows home delete work") << "Text1" << [&] {
        QTestEventList e = typed("123");
        e.addKeyClick(Qt::Key_Home);
        e.addKeyClick(Qt::Key_Delete);
        e.addKeyClick(Qt::Key_End);
        e.addKeyClick(Qt::Key_Left);
        e.addKeyClicks("9");
        return e;
    }() << "293";
    QTest::newRow("enter dropped") << "Text3" << [&] {
        QTestEventList e = typed("4");
        e.addKeyClick(Qt::Key_Return);
        e.addKeyClick(Qt::Key_Enter, Qt::KeypadModifier);
        return e;
    }() << "4";
    QTest::newRow("text5 takes everything") << "Text5" << typed("2 5,x&H") << "2 5,x&H";
}

void Form1WindowTest::keystrokeFilter() {
    QFETCH(QString, box);
    QFETCH(QTestEventList, keys);
    QFETCH(QString, expected);
    Form1Window window;
    QLineEdit* edit = focusedBox(window, box);
    QSignalSpy returns(edit, &QLineEdit::returnPressed);
    keys.simulate(edit);
    QCOMPARE(edit->text(), expected);
    if (box != QLatin1String("Text5")) {
        QCOMPARE(returns.count(), 0);
    }
}

// Ctrl+V arrives on X11 as the control character 0x16 and is dropped as a
// character; Shift+Insert types nothing, so it pastes as usual, unfiltered.
void Form1WindowTest::pasteShortcuts() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QApplication::clipboard()->setText(QStringLiteral("1a"));
    for (const char* box : {"Text1", "Text2", "Text3", "Text4"}) {
        QLineEdit* edit = child<QLineEdit>(window, box);
        edit->setFocus();
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_V, QChar(0x16), Qt::ControlModifier);
        QCOMPARE(edit->text(), QString());
        QTest::sendKeyEvent(QTest::Click, edit, Qt::Key_A, QChar(0x01), Qt::ControlModifier);
        QCOMPARE(edit->selectedText(), QString());
        QTest::keyClick(edit, Qt::Key_Insert, Qt::ShiftModifier);
        QCOMPARE(edit->text(), QStringLiteral("1a"));
    }
    QLineEdit* text5 = child<QLineEdit>(window, "Text5");
    text5->setFocus();
    QTest::keyClick(text5, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(text5->text(), QStringLiteral("1a"));
}

// Dead keys and Compose commit their characters through the input method:
// the filter keeps the allowed ones and drops the others.
void Form1WindowTest::inputMethodCommits_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<QString>("commit");
    QTest::addColumn<QString>("expected");
    QTest::newRow("allowed") << "Text1"
                             << "1.5"
                             << "1.5";
    QTest::newRow("composed letters dropped")
        << "Text2" << QStringLiteral("\u00e9\u00e0\u00a9") << "";
    QTest::newRow("mixed keeps the digits") << "Text3" << QStringLiteral("\u00b2\u00e93") << "3";
    QTest::newRow("text5 takes everything") << "Text5" << QStringLiteral("\u00e9") << "\u00e9";
}

void Form1WindowTest::inputMethodCommits() {
    QFETCH(QString, box);
    QFETCH(QString, commit);
    QFETCH(QString, expected);
    Form1Window window;
    QLineEdit* edit = focusedBox(window, box);
    QInputMethodEvent event;
    event.setCommitString(commit);
    QCoreApplication::sendEvent(edit, &event);
    QCOMPARE(edit->text(), QString(expected));
}

// Leaving a box that holds more than it shows shows the start of its text,
// so no digit is cut in half at the left edge.
void Form1WindowTest::focusOutShowsTheStart() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QLineEdit* text5 = child<QLineEdit>(window, "Text5");
    text5->setFocus();
    QTest::keyClicks(text5, QStringLiteral("13.0312345"));
    QCOMPARE(text5->cursorPosition(), 10);
    child<QWidget>(window, "Command4")->setFocus();
    QCOMPARE(text5->cursorPosition(), 0);
}

void Form1WindowTest::tabOrder() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    const QStringList expected{"Command1", "Command2", "Command3", "Text4",    "Text3",   "Text2",
                               "Text1",    "Picture1", "Text5",    "Command4", "Command1"};
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget()->objectName(), QStringLiteral("Command4"));
}

void Form1WindowTest::commaLocaleWritesCommaAndReadsPoint() {
    Form1Window window(QLocale(QLocale::Italian, QLocale::Italy));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    type(window, "Text1", QStringLiteral("0.9"));
    click(window, "Command1");
    QCOMPARE(caption(window, "Label11"), QStringLiteral("2,37"));
}

void Form1WindowTest::geometryAtNinetySixDpi() {
    Form1Window window;
    if (window.logicalDpiX() != 96) {
        QSKIP("the pixel figures below hold at 96 dpi");
    }
    QCOMPARE(child<QWidget>(window, "Label21")->pos(), QPoint(40, 24));
    QCOMPARE(child<QWidget>(window, "Shape4(1)")->geometry(), QRect(272, 136, 465, 297));
    QCOMPARE(child<QWidget>(window, "Label27")->geometry(), QRect(616, 360, 57, 17));
    QCOMPARE(child<QWidget>(window, "Picture1")->size(), QSize(145, 81));
    QCOMPARE(window.size(), QSize(312, 213));
}

void Form1WindowTest::noLabelClipsItsText() {
    Form1Window window;
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    type(window, "Text1", QStringLiteral("0.1"));
    click(window, "Command1");
    type(window, "Text2", QStringLiteral("99.9"));
    click(window, "Command2");
    QTRY_COMPARE_WITH_TIMEOUT(caption(window, "Label16"), QStringLiteral("30.0001"), 3000);
    for (QLabel* label : window.findChildren<QLabel*>()) {
        const QSize text = label->fontMetrics().size(0, label->text());
        QVERIFY2(label->width() >= text.width() && label->height() >= text.height(),
                 qPrintable(label->objectName()));
    }
    for (ColourButton* button : window.findChildren<ColourButton*>()) {
        const QSize caption = button->sizeHint();  // the caption laid out in the button's width
        QVERIFY2(caption.width() <= button->width() && caption.height() <= button->height(),
                 qPrintable(button->objectName()));
    }
}

void Form1WindowTest::accessibleNames() {
    Form1Window window;
    QCOMPARE(child<QWidget>(window, "Text1")->accessibleName(),
             QStringLiteral("p(FA) impostato %"));
    QCOMPARE(child<QWidget>(window, "Text5")->accessibleName(), QStringLiteral("(d) impostato"));
    QCOMPARE(child<QWidget>(window, "Text4")->accessibleName(), QStringLiteral("RC Sec."));
    QCOMPARE(child<ColourButton>(window, "Command1")->text(), QStringLiteral("calcolo var. ( q )"));
}

// A window smaller than the layout scrolls to every control; a larger one
// shows no scroll bar and moves nothing.
void Form1WindowTest::scrollBarsOnlyBelowTheLayoutsSize() {
    Form1Window window;
    if (window.logicalDpiX() != 96) {
        QSKIP("the pixel figures below hold at 96 dpi");
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    auto* scroll = child<QScrollArea>(window, "scroll");
    window.resize(600, 400);
    QTRY_VERIFY(scroll->horizontalScrollBar()->isVisible());
    QVERIFY(scroll->verticalScrollBar()->isVisible());
    scroll->ensureWidgetVisible(child<QWidget>(window, "Picture1"));
    QVERIFY(!child<QWidget>(window, "Picture1")->visibleRegion().isEmpty());

    window.resize(1500, 900);
    QTRY_VERIFY(!scroll->horizontalScrollBar()->isVisible());
    QVERIFY(!scroll->verticalScrollBar()->isVisible());
    QCOMPARE(child<QWidget>(window, "Label21")->mapTo(&window, QPoint(0, 0)), QPoint(40, 24));
    QCOMPARE(child<QWidget>(window, "Picture1")->mapTo(&window, QPoint(0, 0)), QPoint(864, 592));
}

// The chart takes the room right of every control, top-aligned with the
// frames, and hides rather than squeeze below 320 pixels.
void Form1WindowTest::chartBesideTheControls() {
    Form1Window window;
    if (window.logicalDpiX() != 96) {
        QSKIP("the pixel figures below hold at 96 dpi");
    }
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QWidget* chart = child<QWidget>(window, "CurveROC");
    window.resize(1920, 1000);
    QTRY_VERIFY(chart->isVisible());
    int rightmost = 0;
    for (QWidget* control :
         chart->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        if (control != chart) {
            rightmost = std::max(rightmost, control->geometry().right());
        }
    }
    QVERIFY(chart->x() >= rightmost + 10);
    QCOMPARE(chart->y(), child<QWidget>(window, "Shape4(0)")->y());
    QVERIFY(chart->width() > 850);
    QCOMPARE(chart->accessibleName(), QStringLiteral("Curve ROC"));
    // The tooltip at the pixel of p(FA) 1 %, p(D) 50 %: the d of the line
    // through it is Phi^-1(0.99)^2.
    auto* view = qobject_cast<RocChartView*>(chart);
    QVERIFY(view != nullptr);
    const roccalc::chart::PlotGeometry geometry(QRectF(view->rect()), view->chart());
    const QPointF pixel =
        geometry.toPixel({roccalc::chart::probitOf(1.0), roccalc::chart::probitOf(50.0)});
    QCOMPARE(view->pointText(pixel), QStringLiteral("p(FA) = 1 %   p(D) = 50 %   d = 5.41"));
    QCOMPARE(view->pointText(QPointF(1, 1)), QString());
    window.resize(1300, 1000);
    QTRY_VERIFY(!chart->isVisible());
}

// Each caption's tooltip (and accessible description) gives the exact
// theory and the difference; none where there is no caption or no value.
void Form1WindowTest::exactValueTooltips_data() {
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("pfa");
    QTest::addColumn<QString>("label11");
    QTest::addColumn<QString>("label19");
    QTest::newRow("point locale") << QLocale::c() << "1"
                                  << "valore esatto: 2.32635 (differenza +0.00365)"
                                  << "valore esatto: 0.990308 (differenza -0.00281)";
    QTest::newRow("comma locale") << QLocale(QLocale::Italian, QLocale::Italy) << "1"
                                  << "valore esatto: 2,32635 (differenza +0,00365)"
                                  << "valore esatto: 0,990308 (differenza -0,00281)";
    QTest::newRow("refused p(FA) has none") << QLocale::c() << "50" << QString() << QString();
}

void Form1WindowTest::exactValueTooltips() {
    QFETCH(QLocale, locale);
    QFETCH(QString, pfa);
    QFETCH(QString, label11);
    QFETCH(QString, label19);
    Form1Window window(locale);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    type(window, "Text1", pfa);
    click(window, "Command1");
    QCOMPARE(child<QLabel>(window, "Label11")->toolTip(), label11);
    QCOMPARE(child<QLabel>(window, "Label11")->accessibleDescription(), label11);
    QCOMPARE(child<QLabel>(window, "Label19")->toolTip(), label19);
    for (const char* empty : {"Label14", "Label16", "Label27", "Label20"}) {
        QCOMPARE(child<QLabel>(window, empty)->toolTip(), QString());
    }
}

ROCCALC_WINDOW_TEST_MAIN(Form1WindowTest)
#include "form1_window_test.moc"
