#pragma once

#include <QColor>
#include <QPointF>

namespace quelvarinox::dibujos {

// The features a world may show; a look combines any of them.
enum Feature : unsigned {
    continents = 1u << 0,   // land masses on a sea of the base colour
    clouds = 1u << 1,       // thin white streaks
    ice_caps = 1u << 2,     // white poles
    bands = 1u << 3,        // the stripes of a gas giant
    storms = 1u << 4,       // oval storms
    dunes = 1u << 5,        // curved sand ridges
    craters = 1u << 6,      // small pits
    city_lights = 1u << 7,  // scattered lights
    whole_city = 1u << 8,   // a lit grid that covers the world
    fields = 1u << 9,       // a patchwork of farmland
    crystals = 1u << 10,    // glittering specks
    blasts = 1u << 11,      // orange flashes
    rings = 1u << 12,       // a tilted ring
    shipyards = 1u << 13,   // a ring of orbital docks
    moon = 1u << 14,        // one moon
    moons = 1u << 15,       // several small moons
    twin_suns = 1u << 16,   // two suns in the sky
    nebula = 1u << 17,      // coloured gas behind the world
    asteroids = 1u << 18,   // a belt of rocks
    station = 1u << 19,     // a space station close by
    giant_behind = 1u << 20,  // a huge planet filling a corner
    rain = 1u << 21,        // grey rain clouds
};

struct Look {
    QColor sea;       // the base colour of the surface
    QColor land;      // continents, fields, dunes, bands
    QColor detail;    // storms, lights, crystals, nebula, ring
    unsigned features;
    QPointF centre;   // in the 88 × 75 picture
    double radius;
};

}  // namespace quelvarinox::dibujos
