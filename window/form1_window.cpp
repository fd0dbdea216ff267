#include "window/form1_window.h"

#include <QEvent>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTimer>
#include <QVBoxLayout>

#include "chart/chart_data.h"
#include "detection/exact_theory.h"
#include "window/colour_button.h"
#include "window/colours.h"
#include "window/exact_tooltip.h"
#include "window/form_layout.h"
#include "window/keystroke_filter.h"
#include "window/outline_shape.h"
#include "window/roc_chart_view.h"
#include "window/submarine_picture.h"
#include "window/twips.h"

namespace roccalc::window {
namespace {

constexpr int kTickMilliseconds = 1000;
constexpr int kChartGap = 10;          // pixels right of the rightmost control, and margins
constexpr int kLeastChartWidth = 320;  // below this the chart is hidden

// The window's font; where "MS Sans Serif" is missing (as on Debian), the
// metric-compatible Liberation Sans is the nearest, then any sans serif.
QFont windowFont(double points, bool bold) {
    QFont font;
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arial")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QString decimalSeparatorOf(const QLocale& locale) {
    return locale.decimalPoint();
}

}  // namespace

Form1Window::Form1Window(const QLocale& locale, QWidget* parent)
    : QWidget(parent),
      locale_(locale),
      calculator_(*this, decimalSeparatorOf(locale).toStdString()) {
    setWindowTitle(QStringLiteral("Form1"));
    // The controls lie on a canvas in a scroll area: where the window is
    // smaller than the layout, scroll bars reach every control; where it is
    // larger, nothing moves.
    auto* scroll = new QScrollArea(this);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setFocusPolicy(Qt::NoFocus);  // the specified tab order stays as it is
    scroll->setWidgetResizable(true);
    scroll->viewport()->setBackgroundRole(QPalette::Window);
    canvas_ = new QWidget;
    canvas_->setObjectName(QStringLiteral("canvas"));
    scroll->setWidget(canvas_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    const qreal dpi = logicalDpiX();
    createShapes(dpi);
    createLabels(dpi);
    createInputs(dpi);
    createButtons(dpi);
    createPicture(dpi);
    createTimers();
    setTabOrder();
    createChart(dpi);
    const QRect client = toPixels(kRestoredClientArea, dpi);
    resize(client.size());
    button(Command::Command1)->setFocus();
}

// The chart takes the free area right of every specified control and below
// the top of the section frames; the layout's own extent is the canvas's
// least size.
void Form1Window::createChart(qreal dpi) {
    QRect extent;
    for (const QWidget* child : canvas_->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        extent = extent.united(child->geometry());
    }
    canvas_->setMinimumSize(extent.right() + 1, extent.bottom() + 1);
    chartLeft_ = extent.right() + 1 + kChartGap;
    chartTop_ = twipsToPixels(shapeSpecs().front().place.top, dpi);
    chart_ = new RocChartView(locale_, canvas_);
    chart_->hide();
    canvas_->installEventFilter(this);
    showBesideCaptions();
}

void Form1Window::placeChart() {
    const QRect free(chartLeft_, chartTop_, canvas_->width() - chartLeft_ - kChartGap,
                     canvas_->height() - chartTop_ - kChartGap);
    if (free.width() < kLeastChartWidth || free.height() < kLeastChartWidth) {
        chart_->hide();  // hidden, not squeezed
        return;
    }
    chart_->setGeometry(free);
    chart_->show();
}

bool Form1Window::eventFilter(QObject* watched, QEvent* event) {
    if (watched == canvas_ && event->type() == QEvent::Resize) {
        placeChart();
    }
    if (event->type() == QEvent::FocusOut) {
        // A box scrolled to its end would show a digit cut in half at its
        // left edge, which reads as another number.
        if (auto* box = qobject_cast<QLineEdit*>(watched)) {
            box->setCursorPosition(0);
        }
    }
    return QWidget::eventFilter(watched, event);
}

void Form1Window::createShapes(qreal dpi) {
    for (const ShapeSpec& entry : shapeSpecs()) {
        auto* shape = new OutlineShape(entry.rounded, canvas_);
        shape->setObjectName(QString::fromUtf8(entry.name));
        shape->setGeometry(toPixels(entry.place, dpi));
    }
}

void Form1Window::createLabels(qreal dpi) {
    auto addLabel = [&](const QString& name, const QString& text, const QRect& place, double points,
                        bool bold) {
        auto* label = new QLabel(text, canvas_);
        label->setObjectName(name);
        label->setTextFormat(Qt::PlainText);  // keeps runs of blanks
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFont(windowFont(points, bold));
        label->setGeometry(place);
        return label;
    };
    for (const LabelSpec& entry : labelSpecs()) {
        const QRect place = toPixels(entry.place, dpi);
        QLabel* label = addLabel(QString::fromUtf8(entry.name), QString::fromUtf8(entry.text),
                                 place, entry.points, entry.bold);
        if (entry.textColour) {
            QPalette palette = label->palette();
            palette.setColor(QPalette::WindowText, toQColor(*entry.textColour));
            label->setPalette(palette);
        }
        if (entry.autoSize) {
            label->adjustSize();
        } else if (label->sizeHint().width() > place.width()) {
            label->resize(label->sizeHint().width(), place.height());  // never cut a text off
        }
    }
    for (const ResultLabelSpec& entry : resultLabelSpecs()) {
        const QRect place = toPixels(entry.place, dpi);
        results_[slot(entry.label)] = addLabel(QString::fromUtf8(field(entry.label).name),
                                               QString(), place, kResultPoints, true);
        resultPlaces_[slot(entry.label)] = place;
        resultAutoSize_[slot(entry.label)] = entry.autoSize;
    }
}

void Form1Window::createInputs(qreal dpi) {
    auto* filter = new KeystrokeFilter(this);
    for (const TextBoxSpec& entry : textBoxSpecs()) {
        auto* box = new QLineEdit(canvas_);
        box->setObjectName(QString::fromUtf8(field(entry.box).name));
        box->setFont(windowFont(kTextBoxPoints, true));
        box->setGeometry(toPixels(entry.place, dpi));
        box->setAccessibleName(QString::fromUtf8(entry.hint).simplified());
        if (entry.filtered) {
            box->installEventFilter(filter);
        }
        box->installEventFilter(this);  // shows the start of its text when left
        texts_[slot(entry.box)] = box;
    }
}

void Form1Window::createButtons(qreal dpi) {
    for (const ButtonSpec& entry : buttonSpecs()) {
        auto* widget = new ColourButton(QString::fromUtf8(entry.caption), canvas_);
        widget->setObjectName(QString::fromUtf8(field(entry.command).name));
        widget->setFont(windowFont(kButtonPoints, true));
        widget->setGeometry(toPixels(entry.place, dpi));
        widget->setBackColor(kGreen);
        buttons_[slot(entry.command)] = widget;
    }
    connect(button(Command::Command1), &QPushButton::clicked, this, [this] {
        calculator_.Command1_Click();
        showBesideCaptions();
    });
    connect(button(Command::Command2), &QPushButton::clicked, this, [this] {
        calculator_.Command2_Click();
        showBesideCaptions();
    });
    connect(button(Command::Command4), &QPushButton::clicked, this, [this] {
        calculator_.Command4_Click();
        showBesideCaptions();
    });
    connect(button(Command::Command3), &QPushButton::clicked, this, [this] {
        calculator_.Command3_Click();
        showBesideCaptions();
    });
}

void Form1Window::createPicture(qreal dpi) {
    picture_ = new SubmarinePicture(canvas_);
    picture_->setObjectName(QStringLiteral("Picture1"));
    picture_->setGeometry(toPixels(kPicturePlace, dpi));
}

void Form1Window::createTimers() {
    // The long calculations run on the tick after their click, so the red
    // request colour is painted before the window is busy.
    timer1_ = new QTimer(this);
    timer1_->setObjectName(QStringLiteral("Timer1"));
    connect(timer1_, &QTimer::timeout, this, &Form1Window::timer1Tick);
    timer2_ = new QTimer(this);
    timer2_->setObjectName(QStringLiteral("Timer2"));
    connect(timer2_, &QTimer::timeout, this, &Form1Window::timer2Tick);
    timer1_->start(kTickMilliseconds);
    timer2_->start(kTickMilliseconds);
}

void Form1Window::timer1Tick() {
    calculator_.Timer1_Timer();
    showBesideCaptions();
}

void Form1Window::timer2Tick() {
    calculator_.Timer2_Timer();
    showBesideCaptions();
}

// The exact theory of each caption as its tooltip, which a screen reader
// hears as the label's description.
void Form1Window::showBesideCaptions() {
    // The chart is drawn again only when what it shows has changed.
    std::vector<std::string> captions;
    for (const ResultLabelField& row : kResultLabelFields) {
        captions.push_back(caption(row.label));
    }
    if (captions != chartCaptions_ || calculator_.state() != chartState_) {
        chartCaptions_ = captions;
        chartState_ = calculator_.state();
        chart_->setChart(chart::buildChart(chartState_, *this, calculator_.decimalSeparator()));
    }
    const ExactValues exact = exactValues(*this, calculator_);
    for (const ResultLabelField& row : kResultLabelFields) {
        QLabel* label = results_[slot(row.label)];
        const QString tooltip =
            exactTooltip(exactValueOf(exact, row.label), label->text(), locale_);
        if (label->toolTip() != tooltip) {
            label->setToolTip(tooltip);
            label->setAccessibleDescription(tooltip);
        }
    }
}

void Form1Window::setTabOrder() {
    const std::array<QWidget*, 10> order{
        button(Command::Command1),    button(Command::Command2),
        button(Command::Command3),    texts_[slot(TextBox::Text4)],
        texts_[slot(TextBox::Text3)], texts_[slot(TextBox::Text2)],
        texts_[slot(TextBox::Text1)], picture_,
        texts_[slot(TextBox::Text5)], button(Command::Command4),
    };
    for (std::size_t i = 0; i + 1 < order.size(); ++i) {
        QWidget::setTabOrder(order[i], order[i + 1]);
    }
}

std::string Form1Window::text(TextBox box) const {
    return texts_[slot(box)]->text().toStdString();
}

void Form1Window::setText(TextBox box, std::string_view text) {
    texts_[slot(box)]->setText(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

std::string Form1Window::caption(ResultLabel label) const {
    return results_[slot(label)]->text().toStdString();
}

void Form1Window::setCaption(ResultLabel label, std::string_view caption) {
    results_[slot(label)]->setText(
        QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())));
    fitResultLabel(label);
}

// An auto-size label takes the size of its text; the others keep their size
// but grow to the right where the text is wider, so no result is clipped.
void Form1Window::fitResultLabel(ResultLabel label) {
    QLabel* widget = results_[slot(label)];
    const QRect place = resultPlaces_[slot(label)];
    if (resultAutoSize_[slot(label)]) {
        widget->adjustSize();
    } else {
        widget->resize(std::max(place.width(), widget->sizeHint().width()), place.height());
    }
}

// The button keeps the colour: one place, read back exactly.
Colour Form1Window::backColor(FlagButton flag) const {
    return button(field(flag).command)->backColor();
}

void Form1Window::setBackColor(FlagButton flag, Colour colour) {
    button(field(flag).command)->setBackColor(colour);
}

}  // namespace roccalc::window
