#include "app/fit_text.h"

#include <QFontMetrics>
#include <QLabel>

namespace quelvarinox::app {

namespace {

constexpr qreal smallest_points = 6.0;
constexpr qreal step_points = 0.5;

bool fits(const QLabel& label, const QFont& font)
{
    const QRect room(0, 0, label.width(), QWIDGETSIZE_MAX);
    const int flags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;
    // A word longer than a line is not broken: it runs past the right edge.
    const QRect needed = QFontMetrics(font).boundingRect(room, flags, label.text());
    return needed.width() <= label.width() && needed.height() <= label.height();
}

}  // namespace

void fit_text(QLabel& label, const QFont& base)
{
    QFont font = base;
    while (font.pointSizeF() - step_points >= smallest_points && !fits(label, font))
        font.setPointSizeF(font.pointSizeF() - step_points);
    label.setFont(font);
}

}  // namespace quelvarinox::app
