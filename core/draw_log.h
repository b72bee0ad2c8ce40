#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace quelvarinox {

struct DrawEvent {
    enum class Kind : std::uint8_t { reseed, tirada, number_prefix };
    Kind kind;
    std::uint16_t multiplier;  // N of a Tirada(N); unused otherwise
    std::uint16_t value;
};

// Every reseed and every draw of a generator call, in order. Its text form is the
// trace of the command-line tool: "R" for a reseed, "N:v" for a Tirada(N) that gave
// v, "u:v" for the planet number prefix v, separated by single spaces.
class DrawLog {
public:
    void record_reseed() { events_.push_back({DrawEvent::Kind::reseed, 0, 0}); }
    void record_tirada(int multiplier, int value)
    {
        events_.push_back({DrawEvent::Kind::tirada, static_cast<std::uint16_t>(multiplier),
                           static_cast<std::uint16_t>(value)});
    }
    void record_number_prefix(int value)
    {
        events_.push_back({DrawEvent::Kind::number_prefix, 0, static_cast<std::uint16_t>(value)});
    }
    void clear() { events_.clear(); }

    const std::vector<DrawEvent>& events() const { return events_; }
    void append_trace(std::string& out) const;
    std::string trace() const;

private:
    std::vector<DrawEvent> events_;
};

}  // namespace quelvarinox
