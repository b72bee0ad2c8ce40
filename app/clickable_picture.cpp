#include "app/clickable_picture.h"

#include <QMouseEvent>

namespace quelvarinox {

ClickablePicture::ClickablePicture(QWidget* parent) : QLabel(parent) {}

void ClickablePicture::mouseReleaseEvent(QMouseEvent* event)
{
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
}

}  // namespace quelvarinox
