#pragma once

#include <QPushButton>

#include "detection/form1.h"

namespace roccalc::window {

// A push button that shows its background colour as a solid fill (the
// colour of a request button is what the user reads), with its caption
// centred and wrapped onto a second line where one line is too narrow.
class ColourButton : public QPushButton {
    Q_OBJECT

  public:
    ColourButton(const QString& caption, QWidget* parent);

    // The colour as the calculator sets it, read back exactly.
    void setBackColor(Colour colour);
    Colour backColor() const { return backColor_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    Colour backColor_ = kGreen;
};

}  // namespace roccalc::window
