#include "library/name_source.h"

#include "quelvarinox/quelvarinox.hpp"

namespace quelvarinox::library {

const Category& category_named(std::string_view name)
{
    const Category* category = find_category_by_name(name);
    if (!category)
        throw UnknownCategory(name);
    return *category;
}

NameSource::NameSource(std::uint64_t seed) : maker_(seed), given_(category_table().size(), 0) {}

const std::string& NameSource::make(const Category& category, std::uint64_t index, bool alternative)
{
    last_category_ = &category;
    last_index_ = index;
    last_alternative_ = alternative;
    return maker_.make(category, index, alternative);
}

std::string NameSource::last_trace() const
{
    std::string trace;
    if (last_category_) {
        NameMaker tracing(maker_.seed(), true);
        tracing.make(*last_category_, last_index_, last_alternative_);
        tracing.append_trace(trace);
    }
    return trace;
}

}  // namespace quelvarinox::library
