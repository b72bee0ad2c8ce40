#pragma once

#include <QPainter>

#include "tools/dibujos/look.h"
#include "tools/dibujos/sky.h"

namespace quelvarinox::dibujos {

// Paints a world with its features, and what surrounds it, over a starry sky.
void paint_planet(QPainter& painter, const Look& look, Sky& sky);

}  // namespace quelvarinox::dibujos
