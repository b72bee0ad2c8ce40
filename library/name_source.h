#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"
#include "categories/name_maker.h"

namespace quelvarinox::library {

// The row that `name` names, by its display text or its key; throws UnknownCategory.
const Category& category_named(std::string_view name);

// What the C++ and the C generators share: the names of one seed, the count of
// names given of each category, and the last name made, whose trace is made on
// request by making that one name again with a tracing maker, so that the names
// themselves are made at full speed.
class NameSource {
public:
    explicit NameSource(std::uint64_t seed);

    std::uint64_t seed() const { return maker_.seed(); }

    // Name `index` of `category`, valid until the next call.
    const std::string& make(const Category& category, std::uint64_t index, bool alternative);

    // The index that the next name of `category` takes; move_on counts that name as given.
    std::uint64_t next_index(const Category& category) const { return given_[position_of(category) - 1] + 1; }
    void move_on(const Category& category) { ++given_[position_of(category) - 1]; }

    // The next name of `category`, counted as given.
    const std::string& next(const Category& category, bool alternative)
    {
        const std::string& name = make(category, next_index(category), alternative);
        move_on(category);
        return name;
    }

    std::string last_trace() const;

private:
    struct NamePlace {
        const Category* category;
        std::uint64_t index;
        bool alternative;
    };

    NameMaker maker_;
    std::vector<std::uint64_t> given_;
    std::optional<NamePlace> last_;
};

}  // namespace quelvarinox::library
