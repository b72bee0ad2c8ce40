#pragma once

#include <string>

#include "core/draw_log.h"
#include "core/random_source.h"

namespace quelvarinox::detail {

// The draws of a generation: the shared random source and, when someone wants
// to see how a name was built, a log of every draw. It is three pointers, so
// that a generator may keep a copy at hand that nothing it writes can change.
class Draws {
public:
    explicit Draws(RandomSource& random, DrawLog* log = nullptr) : random_(&random), pcg_(random.engine()), log_(log) {}

    void reseed()
    {
        random_->reseed();
        if (log_)
            log_->record_reseed();
    }

    // u times N, rounded to the nearest integer with ties to even: 0..N, where 0
    // and N come up half as often as the values between.
    int Tirada(int N) { return Tirada(N, N * 0x1p-53); }

    // The same draw, for an N read from a grammar file: `scale` is N * 2^-53,
    // worked out once when the file is read rather than at every draw.
    int Tirada(int N, double scale)
    {
        // (k * 2^-53) * N and k * (N * 2^-53) are the same product, rounded once.
        const double scaled = pcg_ ? static_cast<double>(pcg_->top_bits()) * scale : random_->uniform() * N;
        const int value = round_half_even(scaled);
        if (log_) [[unlikely]]
            log_->record_tirada(N, value);
        return value;
    }

    // Marks the draws so far as those of a name that pattern `pattern` (from 1)
    // rejected; the next draws make the name again.
    void rejected(int pattern)
    {
        if (log_)
            log_->record_rejection(pattern);
    }

    // The planet number prefix: u times 100 plus 1, rounded the same way (1..101).
    int number_prefix()
    {
        const int value = round_half_even(random_->uniform() * 100 + 1);
        if (log_)
            log_->record_number_prefix(value);
        return value;
    }

    // For 0 <= x < 2^52: adding and taking away 2^52 leaves x rounded to the nearest
    // integer, ties to even, in the default rounding mode, without a library call.
    static int round_half_even(double x)
    {
        constexpr double shift = 0x1p52;
        return static_cast<int>((x + shift) - shift);
    }

private:
    RandomSource* random_;
    PcgSource* pcg_;
    DrawLog* log_;
};

// What a generator may touch outside itself: its draws, the result slot
// LabelOut through which the text helpers hand back their results, the
// alternative-mode flag huevo ("0" or "1"), and room for the name it builds.
class GenerationContext : public Draws {
public:
    explicit GenerationContext(RandomSource& random, DrawLog* log = nullptr)
        : Draws(random, log), name_room(initial_name_room, '\0')
    {
    }

    std::string LabelOut;
    std::string huevo = "0";

    bool alternative_mode() const { return huevo == "1"; }

    const Draws& draws() const { return *this; }

    // Where a name is built (see NameText), kept from name to name: as large
    // as the longest name so far, and at least this.
    static constexpr std::size_t initial_name_room = 256;
    std::string name_room;
};

}  // namespace quelvarinox::detail

namespace quelvarinox::detail {

// Every generator: reseeds, draws, and leaves one new name in `Text1`.
using NameGenerator = void (*)(GenerationContext& ctx, std::string& Text1);

}  // namespace quelvarinox::detail
