#include "tools/dibujos/sky.h"

#include "tools/dibujos/canvas.h"

namespace quelvarinox::dibujos {

void Sky::paint_stars(QPainter& painter, int count)
{
    painter.fillRect(QRectF(0, 0, canvas_width, canvas_height), QColor(4, 5, 14));
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF place(between(0, canvas_width), between(0, canvas_height));
        const int glow = static_cast<int>(between(110, 255));
        painter.setBrush(QColor(glow, glow, static_cast<int>(between(glow * 0.8, 255))));
        const double size = between(0.25, 0.6);
        painter.drawEllipse(place, size, size);
    }
}

}  // namespace quelvarinox::dibujos
