#pragma once

#include <QWidget>

namespace roccalc::window {

// A decoration drawn on the window: the outline of a rectangle or, for the
// section frames, of a rounded rectangle 3 pixels wide. Never filled; takes
// no input.
class OutlineShape : public QWidget {
    Q_OBJECT

  public:
    OutlineShape(bool rounded, QWidget* parent);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    bool rounded_;
};

}  // namespace roccalc::window
