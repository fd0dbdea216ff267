#pragma once

#include <QImage>
#include <QWidget>

namespace roccalc::window {

// The picture box of the lower right: a bitmap of a submarine, blue lines on
// light cyan, inside a single-line border. It takes focus in the tab order.
class SubmarinePicture : public QWidget {
    Q_OBJECT

  public:
    explicit SubmarinePicture(QWidget* parent);

    static QImage drawSubmarine();  // 142 x 78 pixels, 24 bits a pixel

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QImage bitmap_;
};

}  // namespace roccalc::window
