#pragma once

#include <cstdint>
#include <random>

#include <QPainter>

namespace quelvarinox::dibujos {

// The deterministic source of every scattered detail of one picture, and the
// black, starry background that every picture starts from.
class Sky {
public:
    explicit Sky(std::uint32_t seed) : engine_(seed) {}

    // A value in [low, high), the same on every run for the same seed.
    double between(double low, double high)
    {
        return low + (high - low) * (static_cast<double>(engine_()) / 4294967296.0);
    }

    void paint_stars(QPainter& painter, int count);

private:
    std::mt19937 engine_;
};

}  // namespace quelvarinox::dibujos
