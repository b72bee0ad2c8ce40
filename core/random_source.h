#pragma once

#include <cstdint>

#include <pcg_random.hpp>

namespace quelvarinox::detail {

class PcgSource;

// The one source of uniform values of the program. Every generator, Compuesto
// and Pideletra reseed it before their draws, so a helper's reseed also changes
// what its caller draws afterwards.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual void reseed() = 0;
    // A value in [0, 1).
    virtual double uniform() = 0;
    // The PCG engine behind this source, if it has one: draws from it need no
    // virtual call.
    virtual PcgSource* engine() { return nullptr; }
};

// Shared by both production sources: a PCG engine and the [0, 1) conversion
// from its top 53 bits, which can never give 1.0.
class PcgSource : public RandomSource {
public:
    double uniform() final { return static_cast<double>(top_bits()) * 0x1p-53; }
    // The 53 top bits of the next output, which uniform() scales to [0, 1).
    std::uint64_t top_bits() { return engine_() >> 11; }
    PcgSource* engine() final { return this; }

protected:
    void seed_engine(std::uint64_t high, std::uint64_t low);

private:
    pcg64 engine_;
};

// Reproducible runs. Each name of a run has a place of its own: a stream (one
// per category) and an index in it. The reseeds of the generator call that makes
// it take the seeds of a sequence that depends only on the run's seed and that
// place, so any name can be made again alone, on any machine, and the names of
// a run can be made in any order.
class SeededRandom final : public PcgSource {
public:
    explicit SeededRandom(std::uint64_t seed) : seed_(seed)
    {
        start_name(0, 0);
        reseed();
    }

    // Before the generator call that makes name `index` of `stream`: its first
    // reseed takes the first seed of that name's sequence.
    void start_name(std::uint64_t stream, std::uint64_t index);
    void reseed() override;

private:
    std::uint64_t seed_;
    std::uint64_t name_seed_ = 0;
    std::uint64_t reseeds_ = 0;
};

// A seed for a run that the user did not seed: the clock and the system's
// entropy, different for every run. With it, every reseed of the run still
// starts a stream of its own, as a reseed from the clock would.
std::uint64_t random_run_seed();

// The splitmix64 finaliser: a bijective mix of all 64 bits.
constexpr std::uint64_t splitmix64(std::uint64_t x)
{
    x += 0x9e3779b97f4a7c15ULL;
    x = (x ^ (x >> 30)) * 0xbf58476d1ce4e5b9ULL;
    x = (x ^ (x >> 27)) * 0x94d049bb133111ebULL;
    return x ^ (x >> 31);
}

}  // namespace quelvarinox::detail
