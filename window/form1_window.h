#pragma once

#include <QLocale>
#include <QWidget>
#include <array>
#include <string>
#include <vector>

#include "detection/calculator.h"
#include "detection/form1.h"

class QLabel;
class QLineEdit;
class QTimer;

namespace roccalc::window {

class ColourButton;
class RocChartView;
class SubmarinePicture;

// The calculator's window: the Form1 model on Qt Widgets. It lays out the
// controls, forwards clicks and timer ticks to the Calculator, filters the
// keystrokes of four boxes and shows the captions; it computes nothing.
class Form1Window : public QWidget, public Form1 {
    Q_OBJECT

  public:
    explicit Form1Window(const QLocale& locale = QLocale::system(), QWidget* parent = nullptr);

    std::string text(TextBox box) const override;
    void setText(TextBox box, std::string_view text) override;
    std::string caption(ResultLabel label) const override;
    void setCaption(ResultLabel label, std::string_view caption) override;
    Colour backColor(FlagButton button) const override;
    void setBackColor(FlagButton button, Colour colour) override;

    const Calculator& calculator() const { return calculator_; }

    // What Timer1 and Timer2 call on each tick.
    void timer1Tick();
    void timer2Tick();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void createChart(qreal dpi);
    void placeChart();
    void createShapes(qreal dpi);
    void createLabels(qreal dpi);
    void createInputs(qreal dpi);
    void createButtons(qreal dpi);
    void createPicture(qreal dpi);
    void createTimers();
    void setTabOrder();
    void fitResultLabel(ResultLabel label);
    // After every click and tick: what is shown beside the captions.
    void showBesideCaptions();
    ColourButton* button(Command command) const { return buttons_[slot(command)]; }

    QLocale locale_;
    Calculator calculator_;
    std::array<QLineEdit*, kTextBoxCount> texts_{};
    std::array<QLabel*, kResultLabelCount> results_{};
    std::array<QRect, kResultLabelCount> resultPlaces_{};
    std::array<bool, kResultLabelCount> resultAutoSize_{};

    std::array<ColourButton*, kCommandFields.size()> buttons_{};
    SubmarinePicture* picture_ = nullptr;
    QTimer* timer1_ = nullptr;
    QTimer* timer2_ = nullptr;
    QWidget* canvas_ = nullptr;
    RocChartView* chart_ = nullptr;
    int chartLeft_ = 0;
    int chartTop_ = 0;
    CurveState chartState_;
    std::vector<std::string> chartCaptions_;
};

}  // namespace roccalc::window
