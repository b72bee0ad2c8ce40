#pragma once

// What the files of the C interface share: its objects, the guard that keeps
// exceptions inside it, and how a text leaves it.

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <memory>
#include <string_view>

#include "library/loaded_grammar.h"
#include "library/name_source.h"
#include "quelvarinox/quelvarinox.h"

struct quelvarinox_generator {
    explicit quelvarinox_generator(std::uint64_t seed) : source(seed) {}
    quelvarinox::detail::NameSource source;
};

struct quelvarinox_grammar {
    std::shared_ptr<const quelvarinox::detail::LoadedGrammar> loaded;
};

namespace quelvarinox::detail {

// Nothing may leave a C function as an exception. The library itself throws
// only what allocating throws (bad_alloc, length_error).
template <typename Body>
quelvarinox_status guarded(Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return QUELVARINOX_OUT_OF_MEMORY;
    }
}

// The `length` bytes at `text`, which may be NULL when there are none.
inline std::string_view text_of(const char* text, std::size_t length)
{
    return length == 0 ? std::string_view() : std::string_view(text, length);
}

// A null buffer of size 0 asks for the size alone.
inline bool valid_buffer(const char* buffer, std::size_t size) { return buffer != nullptr || size == 0; }

// `text` and its NUL, when they fit; `needed`, when not NULL, gets their size.
inline quelvarinox_status copy_out(std::string_view text, char* buffer, std::size_t size, std::size_t* needed)
{
    if (needed)
        *needed = text.size() + 1;
    if (size <= text.size())
        return QUELVARINOX_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return QUELVARINOX_OK;
}

// `text` whole when it fits, or as many of its characters as do, with a NUL
// after them; `needed` tells the size of the whole.
inline void copy_cut(std::string_view text, char* buffer, std::size_t size, std::size_t* needed)
{
    if (needed)
        *needed = text.size() + 1;
    if (size == 0)
        return;
    std::size_t length = std::min(text.size(), size - 1);
    while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

}  // namespace quelvarinox::detail
