#pragma once

#include <QLabel>

namespace quelvarinox::app {

// A label that shows a picture and reports a click on it: a press and release
// of the left button inside it or, while it has the focus, the space bar or
// Enter. It draws the style's focus frame while it has the focus.
class ClickablePicture final : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace quelvarinox::app
