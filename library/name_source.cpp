#include "library/name_source.h"

#include "quelvarinox/quelvarinox.hpp"

namespace quelvarinox::detail {

const Category& category_named(std::string_view name)
{
    const Category* category = find_category_by_name(name);
    if (!category)
        throw UnknownCategory(name);
    return *category;
}

NameSource::NameSource(std::uint64_t seed) : maker_(seed), given_(category_table().size(), 0) {}

const std::string& NameSource::make(const NameOrigin& origin, std::uint64_t index, bool alternative)
{
    last_ = NamePlace{origin, index, alternative};
    return maker_.make(*origin.category, index, alternative);
}

std::uint64_t& NameSource::given(const NameOrigin& origin)
{
    if (!origin.grammar)
        return given_[position_of(*origin.category) - 1];
    const std::string_view key = origin.category->picture_key;
    const auto found = given_by_key_.find(key);
    return found != given_by_key_.end() ? found->second : given_by_key_.emplace(key, 0).first->second;
}

std::string NameSource::refusal_message() const
{
    if (!last_ || !last_refusal())
        return {};
    const Category& category = *last_->origin.category;
    return "la gramática «" + std::string(category.display_text) + "» no da el nombre número " +
           std::to_string(last_->index) + ": " + refusal_text(*category.grammar, last_refusal());
}

std::string NameSource::last_trace() const
{
    std::string trace;
    if (last_) {
        NameMaker tracing(maker_.seed(), true);
        tracing.make(*last_->origin.category, last_->index, last_->alternative);
        tracing.append_trace(trace);
    }
    return trace;
}

}  // namespace quelvarinox::detail
