#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelvarinox::detail {

struct DrawEvent {
    enum class Kind : std::uint8_t { reseed, tirada, number_prefix, rejection };
    Kind kind;
    std::uint32_t multiplier;  // N of a Tirada(N), up to a grammar's 100000; unused otherwise
    std::uint32_t value;       // the draw, the prefix, or the number of the pattern that rejected a name
};

// Every reseed and every draw of a generator call, in order. Its text form is the
// trace of the command-line tool: "R" for a reseed, "N:v" for a Tirada(N) that gave
// v, "u:v" for the planet number prefix v, "Xp" after the draws of a name that
// pattern p of its grammar rejected, separated by single spaces.
class DrawLog {
public:
    // Out of line, so that the draw itself stays small enough to inline.
    void record_reseed();
    void record_tirada(int multiplier, int value);
    void record_number_prefix(int value);
    void record_rejection(int pattern);
    void clear() { events_.clear(); }

    const std::vector<DrawEvent>& events() const { return events_; }

    void append_trace(std::string& out) const;
    std::string trace() const;

private:
    std::vector<DrawEvent> events_;
};

}  // namespace quelvarinox::detail
