#include "tools/dibujos/emblems.h"

#include <cmath>
#include <utility>

#include <QLinearGradient>
#include <QRadialGradient>

#include "tools/dibujos/canvas.h"

namespace quelvarinox::dibujos {

namespace {

// A lightsaber from `hilt_end` along `angle` (degrees, 0 = right, counter-clockwise).
void paint_saber(QPainter& painter, QPointF hilt_end, double angle, double blade_length, QColor blade)
{
    painter.save();
    painter.translate(hilt_end);
    painter.rotate(-angle);
    for (const auto& [width, alpha] : {std::pair{7.0, 45}, std::pair{4.5, 90}, std::pair{3.0, 170}}) {
        QColor glow = blade;
        glow.setAlpha(alpha);
        painter.setPen(QPen(glow, width, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(13, 0), QPointF(13 + blade_length, 0));
    }
    painter.setPen(QPen(QColor(255, 255, 255), 1.3, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(13, 0), QPointF(12.5 + blade_length, 0));

    QLinearGradient metal(0, -2, 0, 2);
    metal.setColorAt(0, QColor(230, 232, 236));
    metal.setColorAt(0.5, QColor(140, 145, 155));
    metal.setColorAt(1, QColor(60, 62, 70));
    painter.setPen(Qt::NoPen);
    painter.setBrush(metal);
    painter.drawRoundedRect(QRectF(0, -1.7, 13, 3.4), 0.6, 0.6);
    painter.setBrush(QColor(30, 30, 35));
    for (double x = 2; x < 8; x += 1.5)
        painter.drawRect(QRectF(x, -1.8, 0.6, 3.6));
    painter.setBrush(QColor(200, 40, 40));
    painter.drawRect(QRectF(9, -0.6, 1.2, 1.2));
    painter.restore();
}

void paint_vignette(QPainter& painter, QColor centre)
{
    QRadialGradient haze(QPointF(canvas_width / 2.0, canvas_height / 2.0), 50);
    haze.setColorAt(0, centre);
    haze.setColorAt(1, QColor(0, 0, 0, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(haze);
    painter.drawRect(QRectF(0, 0, canvas_width, canvas_height));
}

}  // namespace

void paint_jedi(QPainter& painter, Sky& sky)
{
    sky.paint_stars(painter, 35);
    paint_vignette(painter, QColor(40, 70, 140, 120));
    paint_saber(painter, QPointF(14, 66), 38, 62, QColor(80, 150, 255));
}

void paint_varkh(QPainter& painter, Sky& sky)
{
    sky.paint_stars(painter, 20);
    paint_vignette(painter, QColor(120, 10, 10, 150));
    paint_saber(painter, QPointF(10, 64), 35, 58, QColor(255, 40, 30));
    paint_saber(painter, QPointF(78, 64), 145, 58, QColor(255, 40, 30));
}

void paint_planeta(QPainter& painter, Sky& sky)
{
    sky.paint_stars(painter, 50);
    const QPointF sun(44, 37.5);
    QRadialGradient corona(sun, 14);
    corona.setColorAt(0, QColor(255, 250, 210));
    corona.setColorAt(0.35, QColor(255, 210, 90));
    corona.setColorAt(1, QColor(255, 140, 20, 0));
    painter.setPen(Qt::NoPen);
    painter.setBrush(corona);
    painter.drawEllipse(sun, 14, 14);

    struct Orbit {
        double across;
        double angle;
        double size;
        QColor colour;
    };
    constexpr double tilt = 0.42;
    for (const Orbit& orbit : {Orbit{14, 0.6, 1.4, QColor(200, 120, 80)}, Orbit{21, 2.4, 2.0, QColor(90, 160, 240)},
                               Orbit{29, 4.3, 2.6, QColor(110, 200, 120)}, Orbit{37, 5.6, 3.4, QColor(220, 180, 110)},
                               Orbit{43, 1.3, 2.2, QColor(170, 200, 230)}}) {
        painter.setPen(QPen(QColor(150, 160, 200, 150), 0.5));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(sun, orbit.across, orbit.across * tilt);
        const QPointF place = sun + QPointF(std::cos(orbit.angle) * orbit.across,
                                            std::sin(orbit.angle) * orbit.across * tilt);
        QRadialGradient light(place - QPointF(orbit.size * 0.4, orbit.size * 0.4), orbit.size * 1.6);
        light.setColorAt(0, orbit.colour.lighter(140));
        light.setColorAt(1, orbit.colour.darker(250));
        painter.setPen(Qt::NoPen);
        painter.setBrush(light);
        painter.drawEllipse(place, orbit.size, orbit.size);
    }
}

}  // namespace quelvarinox::dibujos
