#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::cli {

// Buffered output to a file descriptor. A reader that went away (a closed pipe)
// and a write that failed are told apart, since the first ends the run quietly
// and the second is an error to report.
class Output {
public:
    enum class State { open, reader_gone, failed };

    explicit Output(int fd);
    ~Output();
    Output(const Output&) = delete;
    Output& operator=(const Output&) = delete;

    void write(std::string_view text)
    {
        buffer_ += text;
        if (buffer_.size() >= flush_threshold)
            flush();
    }
    void flush();

    bool open() const { return state_ == State::open; }
    State state() const { return state_; }
    // The errno of the failed write.
    int error() const { return error_; }

private:
    static constexpr std::size_t flush_threshold = 1 << 16;
    int fd_;
    std::string buffer_;
    State state_ = State::open;
    int error_ = 0;
};

}  // namespace quelvarinox::cli
