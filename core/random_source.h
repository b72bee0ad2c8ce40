#pragma once

#include <cstdint>

#include <pcg_random.hpp>

namespace quelvarinox {

// The one source of uniform values of the program. Every generator, Compuesto
// and Pideletra reseed it before their draws, so a helper's reseed also changes
// what its caller draws afterwards.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A value in [0, 1).
    virtual double uniform() = 0;
};

// Shared by both production sources: a PCG engine and the [0, 1) conversion
// from its top 53 bits, which can never give 1.0.
class PcgSource : public RandomSource {
public:
    double uniform() final { return static_cast<double>(engine_() >> 11) * 0x1p-53; }

protected:
    void seed_engine(std::uint64_t high, std::uint64_t low);

private:
    pcg64 engine_;
};

// Reseeds "from the clock". Two reseeds inside one tick of the clock (a generator
// and the Compuesto it calls right after) must still give different streams, so
// the clock is mixed with a per-process counter before it seeds the engine.
class ClockRandom final : public PcgSource {
public:
    ClockRandom() { reseed(); }
    void reseed() override;
};

// Reproducible runs: the k-th reseed takes the k-th seed of a sequence that starts
// at the user's seed, so one seed gives the same names on every machine.
class SeededRandom final : public PcgSource {
public:
    explicit SeededRandom(std::uint64_t seed) : next_(seed) { reseed(); }
    void reseed() override;

private:
    std::uint64_t next_;
};

// The splitmix64 finaliser: a bijective mix of all 64 bits.
constexpr std::uint64_t splitmix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace quelvarinox
