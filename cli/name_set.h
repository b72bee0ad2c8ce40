#pragma once

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarinox::cli {

// A set of names, for --excluir: every name is kept once, after its length, in
// one buffer, and an open-addressing table holds where each starts. A list of
// millions of names takes little more memory than its file, and asking for a
// name makes no copy of it. A name has at most 65535 bytes, and all of them
// 4 GiB: the bounds of a list keep well within both.
class NameSet {
public:
    NameSet() = default;
    NameSet(std::initializer_list<std::string_view> names);

    // Adds `name`, unless it is there already.
    void insert(std::string_view name);
    bool contains(std::string_view name) const;
    std::size_t size() const { return size_; }

private:
    // The slot that holds `name`, or the empty one where it would go.
    std::size_t slot_of(std::string_view name) const;
    std::string_view name_from(std::uint32_t start) const;
    void grow();

    std::string packed_;
    // Where each name starts in packed_, plus one; 0 marks an empty slot.
    // Their number is a power of two, and at most half of them are full.
    std::vector<std::uint32_t> slots_;
    std::size_t size_ = 0;
};

}  // namespace quelvarinox::cli
