#include "tools/dibujos/planet_painter.h"

#include <cmath>
#include <numbers>
#include <tuple>

#include <QPainterPath>
#include <QRadialGradient>

#include "tools/dibujos/canvas.h"

namespace quelvarinox::dibujos {

namespace {

bool has(const Look& look, Feature feature) { return (look.features & feature) != 0; }

// A point inside the disc of the world, kept away from its rim by `margin` (0..1).
QPointF inside(const Look& look, Sky& sky, double margin)
{
    const double angle = sky.between(0, 2 * std::numbers::pi);
    const double distance = std::sqrt(sky.between(0, 1)) * look.radius * (1 - margin);
    return look.centre + QPointF(std::cos(angle) * distance, std::sin(angle) * distance);
}

// An irregular closed blob around `middle`.
QPainterPath blob(QPointF middle, double size, Sky& sky)
{
    QPainterPath path;
    constexpr int corners = 9;
    for (int i = 0; i <= corners; ++i) {
        const double angle = 2 * std::numbers::pi * (i % corners) / corners;
        const double reach = size * sky.between(0.55, 1.2);
        const QPointF corner = middle + QPointF(std::cos(angle) * reach, std::sin(angle) * reach * 0.8);
        if (i == 0)
            path.moveTo(corner);
        else
            path.lineTo(corner);
    }
    return path;
}

void paint_glow(QPainter& painter, QPointF where, double radius, QColor colour)
{
    QRadialGradient glow(where, radius);
    glow.setColorAt(0, colour);
    colour.setAlpha(0);
    glow.setColorAt(1, colour);
    painter.setPen(Qt::NoPen);
    painter.setBrush(glow);
    painter.drawEllipse(where, radius, radius);
}

void paint_ball(QPainter& painter, QPointF where, double radius, QColor colour)
{
    QRadialGradient light(where - QPointF(radius * 0.4, radius * 0.4), radius * 1.6);
    light.setColorAt(0, colour.lighter(150));
    light.setColorAt(0.6, colour);
    light.setColorAt(1, colour.darker(400));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(where, radius, radius);
}

void paint_backdrop(QPainter& painter, const Look& look, Sky& sky)
{
    if (has(look, nebula)) {
        for (int i = 0; i < 5; ++i) {
            QColor gas = look.detail;
            gas.setAlpha(static_cast<int>(sky.between(60, 120)));
            paint_glow(painter, QPointF(sky.between(0, canvas_width), sky.between(0, canvas_height)),
                       sky.between(14, 30), gas);
        }
    }
    if (has(look, twin_suns)) {
        paint_glow(painter, QPointF(14, 12), 13, QColor(255, 230, 150, 200));
        paint_glow(painter, QPointF(27, 7), 9, QColor(255, 170, 90, 200));
        painter.setBrush(QColor(255, 250, 225));
        painter.drawEllipse(QPointF(14, 12), 4.2, 4.2);
        painter.setBrush(QColor(255, 205, 130));
        painter.drawEllipse(QPointF(27, 7), 3, 3);
    }
    if (has(look, giant_behind))
        paint_ball(painter, QPointF(82, 4), 34, QColor(120, 128, 70));
    if (has(look, asteroids)) {
        for (int i = 0; i < 70; ++i) {
            const double angle = sky.between(0, 2 * std::numbers::pi);
            const double reach = sky.between(1.35, 1.7) * look.radius;
            const QPointF rock = look.centre + QPointF(std::cos(angle) * reach, std::sin(angle) * reach * 0.35);
            painter.setBrush(QColor(150, 135, 115));
            const double size = sky.between(0.3, 0.8);
            painter.drawEllipse(rock, size, size);
        }
    }
}

QRectF ring_box(const Look& look, double scale)
{
    return QRectF(look.centre.x() - look.radius * scale, look.centre.y() - look.radius * scale * 0.3,
                  2 * look.radius * scale, 2 * look.radius * scale * 0.3);
}

// The ring's far half goes behind the world, its near half in front of it.
void paint_ring(QPainter& painter, const Look& look, bool near_half)
{
    const int start = near_half ? 180 * 16 : 0;
    for (const auto& [scale, width, alpha] : {std::tuple{1.75, 2.4, 200}, std::tuple{1.45, 1.6, 150}}) {
        QColor colour = look.detail;
        colour.setAlpha(alpha);
        painter.setPen(QPen(colour, width));
        painter.setBrush(Qt::NoBrush);
        painter.drawArc(ring_box(look, scale), start, 180 * 16);
    }
}

void paint_shipyards(QPainter& painter, const Look& look, bool near_half)
{
    painter.setPen(QPen(QColor(150, 155, 165), 0.6));
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(ring_box(look, 1.5), near_half ? 180 * 16 : 0, 180 * 16);
    painter.setPen(Qt::NoPen);
    for (int i = 0; i < 24; ++i) {
        const double angle = 2 * std::numbers::pi * i / 24;
        if ((std::sin(angle) > 0) != near_half)
            continue;
        const QPointF dock = look.centre + QPointF(std::cos(angle) * look.radius * 1.5,
                                                   std::sin(angle) * look.radius * 1.5 * 0.3);
        painter.setBrush(QColor(200, 205, 215));
        painter.drawRect(QRectF(dock - QPointF(1.1, 0.6), QSizeF(2.2, 1.2)));
        painter.setBrush(look.detail);
        painter.drawEllipse(dock, 0.35, 0.35);
    }
}

void paint_surface(QPainter& painter, const Look& look, Sky& sky)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(look.sea);
    painter.drawEllipse(look.centre, look.radius, look.radius);
    const double r = look.radius;
    if (has(look, bands)) {
        for (int i = 0; i < 9; ++i) {
            const double y = look.centre.y() - r + (i + 0.3) * 2 * r / 9;
            QPainterPath stripe;
            stripe.moveTo(look.centre.x() - r, y);
            for (double x = -r; x <= r; x += 2)
                stripe.lineTo(look.centre.x() + x, y + std::sin(x * 0.25 + i) * 0.9);
            painter.setPen(QPen(i % 2 ? look.land : look.land.lighter(130), sky.between(1.2, 3)));
            painter.setBrush(Qt::NoBrush);
            painter.drawPath(stripe);
        }
        painter.setPen(Qt::NoPen);
    }
    if (has(look, continents))
        for (int i = 0; i < 6; ++i) {
            painter.setBrush(i % 3 ? look.land : look.land.darker(125));
            painter.drawPath(blob(inside(look, sky, 0.05), sky.between(0.15, 0.32) * r, sky));
        }
    if (has(look, fields))
        for (int i = 0; i < 36; ++i) {
            painter.setBrush(i % 3 == 0 ? look.land : i % 3 == 1 ? look.land.darker(130) : look.sea.lighter(115));
            const QPointF corner = inside(look, sky, 0);
            painter.drawRect(QRectF(corner, QSizeF(sky.between(2, 5), sky.between(1.5, 4))));
        }
    if (has(look, dunes))
        for (int i = 0; i < 10; ++i) {
            const QPointF start = inside(look, sky, 0.1);
            painter.setPen(QPen(look.land, sky.between(0.6, 1.3)));
            painter.setBrush(Qt::NoBrush);
            painter.drawArc(QRectF(start, QSizeF(sky.between(8, 18), sky.between(3, 6))), 20 * 16, 140 * 16);
            painter.setPen(Qt::NoPen);
        }
    if (has(look, craters))
        for (int i = 0; i < 9; ++i) {
            const QPointF pit = inside(look, sky, 0.15);
            const double size = sky.between(1, 3.2);
            painter.setBrush(look.sea.lighter(125));
            painter.drawEllipse(pit + QPointF(0.4, 0.4), size, size);
            painter.setBrush(look.sea.darker(150));
            painter.drawEllipse(pit, size * 0.85, size * 0.85);
        }
    if (has(look, ice_caps)) {
        painter.setBrush(QColor(240, 246, 255));
        painter.drawEllipse(QPointF(look.centre.x(), look.centre.y() - r), r * 0.55, r * 0.22);
        painter.drawEllipse(QPointF(look.centre.x(), look.centre.y() + r), r * 0.45, r * 0.18);
    }
    if (has(look, storms))
        for (const auto& [dx, dy, size] : {std::tuple{0.3, 0.25, 0.22}, std::tuple{-0.4, -0.35, 0.13}}) {
            const QPointF eye = look.centre + QPointF(dx * r, dy * r);
            painter.setBrush(look.detail);
            painter.drawEllipse(eye, size * r * 1.6, size * r);
            painter.setBrush(look.detail.lighter(140));
            painter.drawEllipse(eye, size * r * 0.8, size * r * 0.45);
        }
    if (has(look, clouds) || has(look, rain)) {
        const QColor white = has(look, rain) ? QColor(190, 195, 205, 190) : QColor(255, 255, 255, 170);
        for (int i = 0; i < (has(look, rain) ? 14 : 8); ++i) {
            painter.setPen(QPen(white, sky.between(0.8, has(look, rain) ? 2.6 : 1.6), Qt::SolidLine, Qt::RoundCap));
            painter.setBrush(Qt::NoBrush);
            const QPointF start = inside(look, sky, 0.1);
            painter.drawArc(QRectF(start, QSizeF(sky.between(8, 20), sky.between(2, 5))), 0, 160 * 16);
        }
        painter.setPen(Qt::NoPen);
    }
}

void paint_night(QPainter& painter, const Look& look)
{
    const double r = look.radius;
    QRadialGradient light(look.centre - QPointF(r * 0.45, r * 0.45), r * 1.9);
    light.setColorAt(0, QColor(255, 255, 255, 40));
    light.setColorAt(0.45, QColor(0, 0, 0, 0));
    light.setColorAt(0.8, QColor(0, 0, 10, 190));
    light.setColorAt(1, QColor(0, 0, 10, 245));
    painter.setPen(Qt::NoPen);
    painter.setBrush(light);
    painter.drawEllipse(look.centre, r, r);
}

void paint_lights(QPainter& painter, const Look& look, Sky& sky)
{
    painter.setPen(Qt::NoPen);
    if (has(look, whole_city)) {
        for (double y = look.centre.y() - look.radius; y < look.centre.y() + look.radius; y += 1.6)
            for (double x = look.centre.x() - look.radius; x < look.centre.x() + look.radius; x += 1.6) {
                QColor lamp = look.detail;
                lamp.setAlpha(static_cast<int>(sky.between(40, 255)));
                painter.setBrush(lamp);
                painter.drawRect(QRectF(x + sky.between(0, 0.4), y, 0.7, 0.7));
            }
        return;
    }
    if (has(look, city_lights))
        for (int i = 0; i < 60; ++i) {
            const QPointF lamp = inside(look, sky, 0.05);
            const bool night = (lamp - look.centre).x() + (lamp - look.centre).y() > 0;
            QColor colour = look.detail;
            colour.setAlpha(night ? 255 : 90);
            painter.setBrush(colour);
            painter.drawEllipse(lamp, 0.45, 0.45);
        }
    if (has(look, crystals))
        for (int i = 0; i < 14; ++i) {
            const QPointF glint = inside(look, sky, 0.1);
            painter.setPen(QPen(look.detail, 0.45));
            painter.drawLine(glint - QPointF(1.3, 0), glint + QPointF(1.3, 0));
            painter.drawLine(glint - QPointF(0, 1.3), glint + QPointF(0, 1.3));
            painter.setPen(Qt::NoPen);
        }
    if (has(look, blasts))
        for (int i = 0; i < 5; ++i)
            paint_glow(painter, inside(look, sky, 0.15), sky.between(2, 4), look.detail);
}

void paint_companions(QPainter& painter, const Look& look, Sky& sky)
{
    if (has(look, moon))
        paint_ball(painter, look.centre + QPointF(look.radius * 1.25, -look.radius * 0.85), look.radius * 0.2,
                   QColor(170, 165, 160));
    if (has(look, moons))
        for (const auto& [dx, dy, size] : {std::tuple{-1.3, -0.7, 0.14}, std::tuple{1.3, -0.6, 0.11},
                                           std::tuple{1.2, 0.85, 0.16}, std::tuple{-1.15, 0.9, 0.1}})
            paint_ball(painter, look.centre + QPointF(dx * look.radius, dy * look.radius), size * look.radius,
                       QColor::fromHsv(static_cast<int>(sky.between(0, 360)), 60, 190));
    if (has(look, station)) {
        const QPointF hub = look.centre + QPointF(look.radius * 1.2, look.radius * 0.75);
        painter.setPen(QPen(QColor(200, 205, 210), 0.8));
        painter.drawLine(hub - QPointF(5, 0), hub + QPointF(5, 0));
        painter.setPen(Qt::NoPen);
        painter.setBrush(QColor(215, 220, 230));
        painter.drawEllipse(hub, 2.2, 2.2);
        painter.setBrush(QColor(120, 130, 150));
        painter.drawRect(QRectF(hub - QPointF(6.5, 1.3), QSizeF(2, 2.6)));
        painter.drawRect(QRectF(hub + QPointF(4.5, -1.3), QSizeF(2, 2.6)));
        painter.setBrush(QColor(255, 80, 60));
        painter.drawEllipse(hub, 0.6, 0.6);
    }
}

}  // namespace

void paint_planet(QPainter& painter, const Look& look, Sky& sky)
{
    sky.paint_stars(painter, 45);
    paint_backdrop(painter, look, sky);
    if (has(look, rings))
        paint_ring(painter, look, false);
    if (has(look, shipyards))
        paint_shipyards(painter, look, false);

    QColor air = look.sea.lighter(160);
    air.setAlpha(110);
    paint_glow(painter, look.centre, look.radius * 1.15, air);

    QPainterPath disc;
    disc.addEllipse(look.centre, look.radius, look.radius);
    painter.save();
    painter.setClipPath(disc);
    paint_surface(painter, look, sky);
    paint_night(painter, look);
    paint_lights(painter, look, sky);
    painter.restore();

    if (has(look, rings))
        paint_ring(painter, look, true);
    if (has(look, shipyards))
        paint_shipyards(painter, look, true);
    paint_companions(painter, look, sky);
}

}  // namespace quelvarinox::dibujos
