#include "cli/learning_run.h"

#include "cli/messages.h"
#include "learning/learn_file.h"

namespace quelvarinox::cli {

int write_learned_grammar(const Options& options, Output& out, std::ostream& err)
{
    const std::string& path = *options.learn_file;
    detail::FileLearnOptions learn{options.learned_name, options.learned_key};
    if (options.min_count)
        learn.min_count = static_cast<int>(*options.min_count);
    const detail::LearnedFile grammar = detail::learn_grammar_file(
        path, learn, [&] { hint_standard_input(path, "los nombres de ejemplo, uno por línea,", err); });
    if (!grammar.error.empty()) {
        err << program << grammar.error << '\n';
        return 2;
    }
    out.write(grammar.text);
    return 0;
}

}  // namespace quelvarinox::cli
