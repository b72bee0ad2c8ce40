#pragma once

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <string>
#include <string_view>

#include "core/weighted_table.h"

namespace quelvarinox::detail {

// The text of a name while it is built, in a room that outlasts it (see
// GenerationContext::name_room) and grows when a name needs more. Its pieces
// are mostly one to four bytes long: they are copied here with plain stores,
// which cost a fraction of a call to copy them. The room is not part of the
// text, so that a builder whose calls are all inlined keeps the text's fields
// in registers.
class NameText {
public:
    explicit NameText(std::string& room) : room_(room), data_(room.data()), capacity_(room.size()) {}
    NameText(const NameText&) = delete;
    NameText& operator=(const NameText&) = delete;

    std::string_view view() const { return {data_, size_}; }
    bool empty() const { return size_ == 0; }
    char back() const { return data_[size_ - 1]; }
    void pop_back() { --size_; }
    void clear() { size_ = 0; }

    [[gnu::always_inline]] void append(std::string_view piece)
    {
        const std::size_t n = piece.size();
        if (size_ + n > capacity_) [[unlikely]]
            grow_to(size_ + n);
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
    [[gnu::always_inline]] void append(TablePiece piece)
    {
        if (size_ + TablePiece::room > capacity_) [[unlikely]]
            grow_to(size_ + TablePiece::room);
        std::memcpy(data_ + size_, piece.bytes, TablePiece::room);
        size_ += piece.size;
    }

private:
    void grow_to(std::size_t needed)
    {
        data_ = grown(room_, needed);
        capacity_ = room_.size();
    }

    // Out of line, and given the room alone, so that the text's own fields
    // stay where they are.
    [[gnu::noinline]] static char* grown(std::string& room, std::size_t needed)
    {
        room.resize(std::max(needed, 2 * room.size()));
        return room.data();
    }

    std::string& room_;
    char* data_;
    std::size_t capacity_;
    std::size_t size_ = 0;
};

}  // namespace quelvarinox::detail
