#include "cli/progress.h"

#include <cstdio>

namespace quelvarinox::cli {

namespace {

constexpr auto quiet_start = std::chrono::seconds(2);
constexpr auto refresh = std::chrono::milliseconds(250);

}  // namespace

Progress::Progress(std::ostream& err, bool on_a_terminal, std::uint64_t total, Clock::time_point start)
    : err_(err), enabled_(on_a_terminal), total_(total), start_(start)
{
}

Progress::~Progress() { clear(); }

void Progress::update(std::uint64_t done, Clock::time_point now)
{
    if (!enabled_ || now - start_ < quiet_start || (shown_ && now - last_shown_ < refresh))
        return;
    last_shown_ = now;
    shown_ = true;
    const double seconds = std::chrono::duration<double>(now - start_).count();
    const double rate = static_cast<double>(done) / seconds;
    char line[160];
    if (rate > 0 && done < total_)
        std::snprintf(line, sizeof line, "\r%llu de %llu nombres, %.2f millones por segundo, quedan %.0f s\x1b[K",
                      static_cast<unsigned long long>(done), static_cast<unsigned long long>(total_), rate / 1e6,
                      static_cast<double>(total_ - done) / rate);
    else
        std::snprintf(line, sizeof line, "\r%llu de %llu nombres\x1b[K", static_cast<unsigned long long>(done),
                      static_cast<unsigned long long>(total_));
    err_ << line << std::flush;
}

void Progress::clear()
{
    if (shown_)
        err_ << "\r\x1b[K" << std::flush;
    shown_ = false;
}

}  // namespace quelvarinox::cli
