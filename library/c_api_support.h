#pragma once

// What the files of the C interface share: its objects, the guard that keeps
// exceptions inside it, and how a text leaves it.

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

}  // namespace quelvarinox::detail
