#pragma once

#include <QLabel>

namespace quelvarinox {

// A label that shows a picture and reports a click on it: a press and release
// of the left button inside it.
class ClickablePicture final : public QLabel {
    Q_OBJECT

public:
    explicit ClickablePicture(QWidget* parent);

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace quelvarinox
