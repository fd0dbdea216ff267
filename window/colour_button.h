#pragma once

#include <QPushButton>

namespace roccalc::window {

// A push button that shows its background colour as a solid fill (the
// colour of a request button is what the user reads), with its caption
// centred and wrapped onto a second line where one line is too narrow.
class ColourButton : public QPushButton {
  public:
    ColourButton(const QString& caption, QWidget* parent);

    void setBackground(const QColor& colour);
    QColor background() const { return background_; }

    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor background_;
};

}  // namespace roccalc::window
