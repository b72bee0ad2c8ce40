#include "cli/learning_run.h"

#include "cli/messages.h"
#include "engine/grammar_file.h"
#include "learning/learn_grammar.h"
#include "text/shown.h"

namespace quelvarinox::cli {

int write_learned_grammar(const Options& options, Output& out, std::ostream& err)
{
    const std::string& path = *options.learn_file;
    detail::LearnOptions learn;
    learn.identity = detail::identity_from_file_name(path);
    learn.identity.display_name = options.learned_name.value_or(learn.identity.display_name);
    learn.identity.key = options.learned_key.value_or(learn.identity.key);
    learn.min_count = static_cast<int>(options.min_count.value_or(learn.min_count));
    if (const std::string problem = detail::identity_problem(learn.identity); !problem.empty()) {
        err << program << problem << '\n';
        return 2;
    }
    const std::string name = path == "-" ? detail::grammar_file_name(path) : detail::shown(path);
    hint_standard_input(path, "los nombres de ejemplo, uno por línea,", err);
    const detail::FileText list = detail::read_bounded_file(path);
    if (list.error != 0) {
        err << program << "No se pueden leer los nombres de " << name << ": " << detail::describe_errno(list.error)
            << ".\n";
        return 2;
    }
    const detail::LearnedGrammar grammar = detail::learn_grammar(list.text, learn);
    if (!grammar.error.empty()) {
        err << program << name << ": " << grammar.error << '\n';
        return 2;
    }
    out.write(grammar.text);
    return 0;
}

}  // namespace quelvarinox::cli
