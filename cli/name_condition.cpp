#include "cli/name_condition.h"

#include "cli/text_folding.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::cli {

bool LetterCount::admits(std::string_view name) const
{
    const std::size_t letters = detail::utf8_length(name).value_or(name.size());
    return (!min_ || letters >= *min_) && (!max_ || letters <= *max_);
}

std::string LetterCount::unmet() const
{
    const auto letters = [](std::uint64_t count) {
        return std::to_string(count) + (count == 1 ? " letra" : " letras");
    };
    if (min_ && max_)
        return "de entre " + std::to_string(*min_) + " y " + letters(*max_);
    if (min_)
        return "de " + letters(*min_) + " o más";
    return "de " + letters(*max_) + " o menos";
}

StartsWith::StartsWith(std::string_view prefix) : written_(prefix), folded_(folded(prefix)) {}

bool StartsWith::admits(std::string_view name) const
{
    // Folding keeps or shortens a text, so a shorter name cannot match.
    return name.size() >= folded_.size() && folded(name).starts_with(folded_);
}

std::string StartsWith::unmet() const { return "que empiecen por " + detail::shown(written_); }

std::string NotListed::unmet() const { return "que no estén en " + detail::shown(file_); }

}  // namespace quelvarinox::cli
