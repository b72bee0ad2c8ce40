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
    last_ = NamePlace{&category, index, alternative};
    return maker_.make(category, index, alternative);
}

std::string NameSource::last_trace() const
{
    std::string trace;
    if (last_) {
        NameMaker tracing(maker_.seed(), true);
        tracing.make(*last_->category, last_->index, last_->alternative);
        tracing.append_trace(trace);
    }
    return trace;
}

}  // namespace quelvarinox::library
