#include "app/opened_grammars.h"

#include <algorithm>

#include "engine/grammar_file.h"

namespace quelvarinox::app {

struct OpenedGrammars::Opened {
    std::unique_ptr<const detail::Grammar> grammar;
    detail::Category category;
};

OpenedGrammars::OpenedGrammars() = default;
OpenedGrammars::~OpenedGrammars() = default;

const detail::Category* OpenedGrammars::open(const std::string& path, std::string& mistakes)
{
    detail::GrammarLoad load = detail::load_grammar_file(path);
    if (!load.grammar) {
        mistakes = detail::placed(path, load.mistakes);
        return nullptr;
    }
    if (detail::find_category(load.grammar->display_text)) {
        mistakes = "La gramática «" + load.grammar->display_text +
                   "» se llama como una categoría de la lista: cámbiele «nombre» para distinguirla.";
        return nullptr;
    }
    auto opened = std::make_unique<Opened>();
    opened->category = detail::category_of_grammar(*load.grammar);
    opened->grammar = std::move(load.grammar);
    const auto same_text = std::find_if(opened_.begin(), opened_.end(), [&](const auto& listed) {
        return listed->category.display_text == opened->category.display_text;
    });
    if (same_text != opened_.end()) {
        *same_text = std::move(opened);
        return &(*same_text)->category;
    }
    opened_.push_back(std::move(opened));
    return &opened_.back()->category;
}

const detail::Category* OpenedGrammars::find(std::string_view text) const
{
    for (const auto& listed : opened_)
        if (listed->category.display_text == text)
            return &listed->category;
    return nullptr;
}

std::size_t OpenedGrammars::index_of(const detail::Category& category) const
{
    const auto listed = std::find_if(opened_.begin(), opened_.end(),
                                     [&](const auto& opened) { return &opened->category == &category; });
    return static_cast<std::size_t>(listed - opened_.begin());
}

}  // namespace quelvarinox::app
