#include "cli/name_set.h"

#include <algorithm>
#include <functional>
#include <utility>

namespace quelvarinox::cli {

NameSet::NameSet(std::initializer_list<std::string_view> names)
{
    for (const std::string_view name : names)
        insert(name);
}

void NameSet::insert(std::string_view name)
{
    if ((size_ + 1) * 2 > slots_.size())
        grow();
    std::uint32_t& slot = slots_[slot_of(name)];
    if (slot != 0)
        return;
    slot = static_cast<std::uint32_t>(packed_.size()) + 1;
    packed_ += static_cast<char>(name.size() & 0xFF);
    packed_ += static_cast<char>(name.size() >> 8);
    packed_ += name;
    ++size_;
}

bool NameSet::contains(std::string_view name) const { return size_ > 0 && slots_[slot_of(name)] != 0; }

std::size_t NameSet::slot_of(std::string_view name) const
{
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = std::hash<std::string_view>{}(name) & mask;; slot = (slot + 1) & mask)
        if (slots_[slot] == 0 || name_from(slots_[slot] - 1) == name)
            return slot;
}

std::string_view NameSet::name_from(std::uint32_t start) const
{
    const auto byte = [&](std::size_t at) { return static_cast<std::size_t>(static_cast<unsigned char>(packed_[at])); };
    return std::string_view(packed_).substr(start + 2, byte(start) | byte(start + 1) << 8);
}

void NameSet::grow()
{
    const std::vector<std::uint32_t> old =
        std::exchange(slots_, std::vector<std::uint32_t>(std::max<std::size_t>(16, slots_.size() * 2), 0));
    for (const std::uint32_t start : old)
        if (start != 0)
            slots_[slot_of(name_from(start - 1))] = start;
}

}  // namespace quelvarinox::cli
