#include "quelvarinox/quelvarinox.hpp"

#include "core/random_source.h"
#include "library/name_source.h"

namespace quelvarinox {

namespace {

using detail::NameOrigin;
using detail::NameSource;

// The name just made, or NameRefused when the grammar refused it.
const std::string& given(const detail::NameSource& source, const std::string& name)
{
    if (const detail::Refusal& refusal = source.last_refusal()) [[unlikely]]
        throw NameRefused(source.refusal_message(), source.last_index(), static_cast<std::uint32_t>(refusal.pattern));
    return name;
}

void each_name(detail::NameSource& source, const detail::NameOrigin& origin, std::uint64_t count, bool alternative,
               const std::function<void(std::string_view)>& take)
{
    for (std::uint64_t i = 0; i < count; ++i)
        take(given(source, source.next(origin, alternative)));
}

std::vector<std::string> names_of(detail::NameSource& source, const detail::NameOrigin& origin, std::size_t count, bool alternative)
{
    std::vector<std::string> names;
    names.reserve(count);
    each_name(source, origin, count, alternative, [&](std::string_view name) { names.emplace_back(name); });
    return names;
}

std::string name_numbered(detail::NameSource& source, const detail::NameOrigin& origin, std::uint64_t index, bool alternative)
{
    if (index == 0)
        throw std::invalid_argument("los nombres se cuentan desde 1");
    return given(source, source.make(origin, index, alternative));
}

}  // namespace

NameRefused::NameRefused(const std::string& message, std::uint64_t index, std::uint32_t pattern)
    : std::runtime_error(message), index_(index), pattern_(pattern)
{
}

std::uint64_t NameRefused::index() const noexcept { return index_; }

std::uint32_t NameRefused::pattern() const noexcept { return pattern_; }

UnknownCategory::UnknownCategory(std::string_view name)
    : std::invalid_argument("categoría desconocida: «" + std::string(name) + "»")
{
}

Generator::Generator() : Generator(detail::random_run_seed()) {}

Generator::Generator(std::uint64_t seed) : source_(std::make_unique<detail::NameSource>(seed)) {}

Generator::Generator(Generator&&) noexcept = default;
Generator& Generator::operator=(Generator&&) noexcept = default;
Generator::~Generator() = default;

std::uint64_t Generator::seed() const { return source_->seed(); }

std::string Generator::name(std::string_view category, bool alternative)
{
    return source_->next(detail::category_named(category), alternative);
}

std::string Generator::name(const Grammar& grammar, bool alternative)
{
    return given(*source_, source_->next(grammar.grammar_, alternative));
}

// An unknown category throws before anything is reserved.
std::vector<std::string> Generator::names(std::string_view category, std::size_t count, bool alternative)
{
    return names_of(*source_, detail::category_named(category), count, alternative);
}

std::vector<std::string> Generator::names(const Grammar& grammar, std::size_t count, bool alternative)
{
    return names_of(*source_, grammar.grammar_, count, alternative);
}

void Generator::for_each_name(std::string_view category, std::uint64_t count, bool alternative,
                              const std::function<void(std::string_view)>& take)
{
    each_name(*source_, detail::category_named(category), count, alternative, take);
}

void Generator::for_each_name(const Grammar& grammar, std::uint64_t count, bool alternative,
                              const std::function<void(std::string_view)>& take)
{
    each_name(*source_, grammar.grammar_, count, alternative, take);
}

// An unknown category throws before index 0 does.
std::string Generator::name_at(std::string_view category, std::uint64_t index, bool alternative)
{
    return name_numbered(*source_, detail::category_named(category), index, alternative);
}

std::string Generator::name_at(const Grammar& grammar, std::uint64_t index, bool alternative)
{
    return name_numbered(*source_, grammar.grammar_, index, alternative);
}

std::string Generator::last_trace() const { return source_->last_trace(); }

}  // namespace quelvarinox
