#pragma once

#include <chrono>
#include <cstdint>
#include <ostream>

namespace quelvarinox::cli {

// A line on a terminal that shows how a long run goes: names done of the
// total, the rate and the time left. It appears once the run has taken a couple
// of seconds, and never when messages go to a file or a pipe.
class Progress {
public:
    using Clock = std::chrono::steady_clock;

    Progress(std::ostream& err, bool on_a_terminal, std::uint64_t total, Clock::time_point start = Clock::now());
    ~Progress();

    void update(std::uint64_t done, Clock::time_point now = Clock::now());
    // Removes the line, if one was shown, before a message or the end.
    void clear();

private:
    std::ostream& err_;
    bool enabled_;
    std::uint64_t total_;
    Clock::time_point start_;
    Clock::time_point last_shown_{};
    bool shown_ = false;
};

}  // namespace quelvarinox::cli
