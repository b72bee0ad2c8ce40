#pragma once

#include <QPainter>

#include "tools/dibujos/sky.h"

namespace quelvarinox::dibujos {

// The pictures of the three categories that are not a single world.
void paint_jedi(QPainter& painter, Sky& sky);       // a blue lightsaber
void paint_varkh(QPainter& painter, Sky& sky);      // a crossed pair of red blades
void paint_planeta(QPainter& painter, Sky& sky);    // a star with its orbits

}  // namespace quelvarinox::dibujos
