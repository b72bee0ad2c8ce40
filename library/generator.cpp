#include "quelvarinox/quelvarinox.hpp"

#include "core/random_source.h"
#include "library/name_source.h"

namespace quelvarinox {

UnknownCategory::UnknownCategory(std::string_view name)
    : std::invalid_argument("categoría desconocida: «" + std::string(name) + "»")
{
}

Generator::Generator() : Generator(random_run_seed()) {}

Generator::Generator(std::uint64_t seed) : source_(std::make_unique<library::NameSource>(seed)) {}

Generator::Generator(Generator&&) noexcept = default;
Generator& Generator::operator=(Generator&&) noexcept = default;
Generator::~Generator() = default;

std::uint64_t Generator::seed() const { return source_->seed(); }

std::string Generator::name(std::string_view category, bool alternative)
{
    return source_->next(library::category_named(category), alternative);
}

std::vector<std::string> Generator::names(std::string_view category, std::size_t count, bool alternative)
{
    const Category& row = library::category_named(category);
    std::vector<std::string> names;
    names.reserve(count);
    for (std::size_t i = 0; i < count; ++i)
        names.push_back(source_->next(row, alternative));
    return names;
}

std::string Generator::name_at(std::string_view category, std::uint64_t index, bool alternative)
{
    const Category& row = library::category_named(category);
    if (index == 0)
        throw std::invalid_argument("los nombres se cuentan desde 1");
    return source_->make(row, index, alternative);
}

std::string Generator::last_trace() const { return source_->last_trace(); }

}  // namespace quelvarinox
