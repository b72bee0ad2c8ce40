#include "cli/rejection_sample.h"

#include <vector>

#include "categories/name_maker.h"
#include "text/shown.h"

namespace quelvarinox::cli {

namespace {

constexpr std::uint64_t sample_names = 1000;

std::string percent(std::uint64_t part, std::uint64_t whole) { return std::to_string(part * 100 / whole) + " %"; }

}  // namespace

std::optional<std::string> rejection_warning(const detail::Category& category)
{
    const detail::Grammar& grammar = *category.grammar;
    if (!grammar.rejection)
        return std::nullopt;
    detail::NameMaker maker(1, true);
    std::vector<std::uint64_t> by_pattern(grammar.rejection->patterns().size(), 0);
    std::uint64_t names = 0;
    std::uint64_t attempts = 0;
    std::uint64_t refused = 0;
    for (const bool alternative : {false, true}) {
        if (alternative && !category.reads_huevo)
            continue;
        for (std::uint64_t index = 1; index <= sample_names; ++index) {
            maker.make(category, index, alternative);
            ++names;
            ++attempts;
            refused += maker.refusal() ? 1 : 0;
            for (const detail::DrawEvent& event : maker.draws().events())
                if (event.kind == detail::DrawEvent::Kind::rejection) {
                    ++attempts;
                    ++by_pattern[event.value - 1];
                }
        }
    }
    std::uint64_t rejected = 0;
    std::size_t most = 0;
    for (std::size_t pattern = 0; pattern < by_pattern.size(); ++pattern) {
        rejected += by_pattern[pattern];
        if (by_pattern[pattern] > by_pattern[most])
            most = pattern;
    }
    const std::string sample = "en una muestra de " + std::to_string(names) + " nombres";
    if (refused > 0)
        return "aviso: " + sample + ", " + std::to_string(refused) +
               " no se dan: [rechazo] los rechaza " + std::to_string(detail::rejection_attempts) +
               " veces seguidas; el patrón que más rechaza es el " + std::to_string(most + 1) + ", " +
               detail::shown(grammar.rejection->patterns()[most]);
    if (rejected * 2 <= attempts)
        return std::nullopt;
    return "aviso: [rechazo] rechaza el " + percent(rejected, attempts) + " de los intentos, " + sample +
           "; el patrón " + std::to_string(most + 1) + ", " + detail::shown(grammar.rejection->patterns()[most]) +
           ", rechaza el " + percent(by_pattern[most], attempts);
}

}  // namespace quelvarinox::cli
