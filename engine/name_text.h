#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "core/weighted_table.h"

namespace quelvarinox::detail {

// The text of a name while it is built, in a buffer of its own that holds any
// usual name (and on the heap past that). Its pieces are mostly one to four
// bytes long: they are copied here with plain stores, which cost a fraction of
// a call to copy them.
class NameText {
public:
    NameText() = default;
    NameText(const NameText&) = delete;
    NameText& operator=(const NameText&) = delete;

    std::string_view view() const { return {data_, size_}; }
    bool empty() const { return size_ == 0; }
    char back() const { return data_[size_ - 1]; }
    void pop_back() { --size_; }

    void append(std::string_view piece)
    {
        const std::size_t n = piece.size();
        if (size_ + n > capacity_) [[unlikely]]
            grow(size_ + n);
        char* out = data_ + size_;
        const char* in = piece.data();
        if (n <= 4) {
            if (n > 0)
                out[0] = in[0];
            if (n > 1)
                out[1] = in[1];
            if (n > 2)
                out[2] = in[2];
            if (n > 3)
                out[3] = in[3];
        } else {
            std::memcpy(out, in, n);
        }
        size_ += n;
    }

    // A table's piece: its slot's eight bytes are copied at once, and the
    // name grows by the piece's own size.
    void append(TablePiece piece)
    {
        if (size_ + TablePiece::room > capacity_) [[unlikely]]
            grow(size_ + TablePiece::room);
        std::memcpy(data_ + size_, piece.bytes, TablePiece::room);
        size_ += piece.size;
    }

private:
    void grow(std::size_t needed)
    {
        const std::string kept(view());
        heap_.resize(std::max(needed, 2 * capacity_));
        kept.copy(heap_.data(), kept.size());
        data_ = heap_.data();
        capacity_ = heap_.size();
    }

    static constexpr std::size_t own_capacity = 256;
    char own_[own_capacity];
    std::string heap_;
    char* data_ = own_;
    std::size_t capacity_ = own_capacity;
    std::size_t size_ = 0;
};

}  // namespace quelvarinox::detail
