#include "library/list_learning.h"

namespace quelvarinox::detail {

LearnedFile learn_list(std::string_view examples, const quelvarinox::LearnOptions& options)
{
    const GrammarIdentity standard_input = identity_from_file_name("-");
    LearnOptions learn;
    learn.identity = {options.display_text.value_or(standard_input.display_name),
                      options.key.value_or(standard_input.key)};
    learn.min_count = options.min_count;
    LearnedGrammar grammar = learn_grammar(examples, learn);
    return {std::move(grammar.text), std::move(grammar.error)};
}

LearnedFile learn_list_file(const std::string& path, const quelvarinox::LearnOptions& options)
{
    return learn_grammar_file(path, {options.display_text, options.key, options.min_count});
}

}  // namespace quelvarinox::detail
