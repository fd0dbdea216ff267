// Drives the real window with a seeded random stream of clicks, keys, pastes
// and ticks, and checks after every event that the window shows only
// well-formed captions and sane values. ROCCALC_MONKEY_SEED replays a run;
// ROCCALC_MONKEY_EVENTS sets its length.
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTest>
#include <cmath>
#include <random>

#include "tests/window/window_test_main.h"
#include "window/colour_button.h"
#include "window/form1_window.h"

using roccalc::CurveState;
using roccalc::FlagButton;
using roccalc::kCommandFields;
using roccalc::kGreen;
using roccalc::kTextBoxFields;
using roccalc::ResultLabel;
using roccalc::window::ColourButton;
using roccalc::window::Form1Window;

namespace {

constexpr int kDefaultEvents = 20000;

quint64 seedFromEnvironment() {
    bool ok = false;
    const quint64 seed = qEnvironmentVariable("ROCCALC_MONKEY_SEED").toULongLong(&ok);
    return ok ? seed : std::random_device{}();
}

int eventsFromEnvironment() {
    bool ok = false;
    const int events = qEnvironmentVariableIntValue("ROCCALC_MONKEY_EVENTS", &ok);
    return ok && events > 0 ? events : kDefaultEvents;
}

// The shape of each pattern with '.' as the separator; empty is allowed.
const std::pair<ResultLabel, QRegularExpression> kCaptionShapes[] = {
    {ResultLabel::Label19, QRegularExpression(R"(^$|^-?([1-9]\d*)?\.(\d{0,3}[1-9])?$)")},
    {ResultLabel::Label11, QRegularExpression(R"(^$|^-?([1-9]\d*)?\.(\d{0,3}[1-9])?$)")},
    {ResultLabel::Label14, QRegularExpression(R"(^$|^-?   ([1-9]\d*)?\.(\d?[1-9])?$)")},
    {ResultLabel::Label27, QRegularExpression(R"(^$|^-?   ([1-9]\d*)?\.(\d?[1-9])?$)")},
    {ResultLabel::Label16, QRegularExpression(R"(^$|^-?([1-9]\d*)?\.(\d{0,4}[1-9])?$)")},
    {ResultLabel::Label20, QRegularExpression(R"(^$|^-?([1-9]\d*)?\.([1-9])?$)")},
};

QString nameOf(std::string_view name) {
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

const QString kTypedAlphabet = QStringLiteral("0123456789.-+eEdD,x &H\u0661");
const QString kPastedAlphabet = QStringLiteral("0123456789.-+eEdD, \t\n&HOx\u0661\u00e9");
const Qt::Key kControlKeys[] = {Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_Return, Qt::Key_Left,
                                Qt::Key_Right,     Qt::Key_Home,   Qt::Key_End,    Qt::Key_Escape};
const Qt::Key kShortcutLetters[] = {Qt::Key_A, Qt::Key_C, Qt::Key_V, Qt::Key_X, Qt::Key_Z};

bool within(double value, double low, double high) {
    return std::isfinite(value) && value >= low && value <= high;
}

}  // namespace

class MonkeyTest : public QObject {
    Q_OBJECT

  private slots:
    void randomSessionKeepsTheWindowSound();
};

void MonkeyTest::randomSessionKeepsTheWindowSound() {
    const quint64 seed = seedFromEnvironment();
    const int events = eventsFromEnvironment();
    qInfo("monkey seed %llu, %d events (replay with ROCCALC_MONKEY_SEED=%llu)", seed, events, seed);
    std::mt19937_64 random(seed);
    auto pick = [&](int n) { return static_cast<int>(random() % static_cast<quint64>(n)); };

    Form1Window window(QLocale::c());
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));

    auto randomText = [&](const QString& alphabet) {
        const int length = pick(8) == 0 ? 200 + pick(2000) : pick(24);
        QString text;
        for (int i = 0; i < length; ++i) {
            text += alphabet[pick(static_cast<int>(alphabet.size()))];
        }
        return text;
    };

    for (int event = 0; event < events; ++event) {
        const int kind = pick(20);
        QString what;
        if (kind < 5) {
            const QString name = nameOf(kCommandFields[pick(kCommandFields.size())].name);
            what = QStringLiteral("click %1").arg(name);
            QTest::mouseClick(window.findChild<ColourButton*>(name), Qt::LeftButton);
        } else if (kind < 13) {
            auto* box = window.findChild<QLineEdit*>(
                nameOf(kTextBoxFields[pick(kTextBoxFields.size())].name));
            box->setFocus();
            const int key = pick(10);
            if (key < 7) {
                const QString c = kTypedAlphabet[pick(static_cast<int>(kTypedAlphabet.size()))];
                what = QStringLiteral("type '%1' in %2").arg(c, box->objectName());
                // Sent as text: QTest's own key table knows only ASCII.
                QTest::sendKeyEvent(QTest::Click, box, Qt::Key_unknown, c, Qt::NoModifier);
            } else if (key < 9) {
                const Qt::Key control = kControlKeys[pick(8)];
                what = QStringLiteral("key %1 in %2").arg(int(control)).arg(box->objectName());
                QTest::keyClick(box, control);
            } else {
                const Qt::Key letter = kShortcutLetters[pick(5)];
                what = QStringLiteral("ctrl+%1 in %2").arg(int(letter)).arg(box->objectName());
                QTest::keyClick(box, letter, Qt::ControlModifier);
            }
        } else if (kind < 16) {
            auto* box = window.findChild<QLineEdit*>(
                nameOf(kTextBoxFields[pick(kTextBoxFields.size())].name));
            const QString text = randomText(kPastedAlphabet);
            what =
                QStringLiteral("paste %1 characters in %2").arg(text.size()).arg(box->objectName());
            QApplication::clipboard()->setText(text);
            box->selectAll();
            box->paste();
        } else {
            const bool first = pick(2) == 0;
            what = first ? QStringLiteral("tick Timer1") : QStringLiteral("tick Timer2");
            if (first) {
                window.timer1Tick();
                QVERIFY2(window.backColor(FlagButton::Command2) == kGreen, qPrintable(what));
            } else {
                window.timer2Tick();
                QVERIFY2(window.backColor(FlagButton::Command4) == kGreen, qPrintable(what));
            }
        }

        const QString where =
            QStringLiteral("event %1 (%2), seed %3").arg(event).arg(what).arg(seed);
        for (const auto& [label, shape] : kCaptionShapes) {
            const QString name = nameOf(roccalc::field(label).name);
            const QString caption = window.findChild<QLabel*>(name)->text();
            QVERIFY2(shape.match(caption).hasMatch(),
                     qPrintable(QStringLiteral("%1: %2 shows \"%3\"").arg(where, name, caption)));
        }
        const CurveState& s = window.calculator().state();
        QVERIFY2(within(s.q, 0, 3.02) && within(s.pfaCalc, 0, 50) && within(s.d, 0, 30.0002) &&
                     within(s.pdCalc, 0, 101) && within(s.dSet, 0, 40) && within(s.lastY, 0, 2.02),
                 qPrintable(where));
        QVERIFY2(window.backColor(FlagButton::Command1) == kGreen, qPrintable(where));
        QVERIFY2(window.findChild<ColourButton*>("Command3")->backColor() == kGreen,
                 qPrintable(where));
    }
}

ROCCALC_WINDOW_TEST_MAIN(MonkeyTest)
#include "monkey_test.moc"
