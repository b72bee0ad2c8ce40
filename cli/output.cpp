#include "cli/output.h"

#include <cerrno>
#include <unistd.h>

namespace quelvarinox::cli {

Output::Output(int fd) : fd_(fd) { buffer_.reserve(flush_threshold + 4096); }

Output::~Output() { flush(); }

void Output::flush()
{
    std::size_t done = 0;
    while (state_ == State::open && done < buffer_.size()) {
        const ssize_t written = ::write(fd_, buffer_.data() + done, buffer_.size() - done);
        if (written >= 0) {
            done += static_cast<std::size_t>(written);
        } else if (errno != EINTR) {
            error_ = errno;
            state_ = errno == EPIPE ? State::reader_gone : State::failed;
        }
    }
    buffer_.clear();
}

}  // namespace quelvarinox::cli
