#include "learning/learn_file.h"

#include <cerrno>

#include "engine/grammar_file.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

// "No se pueden leer los nombres de «ruta»: no existe."
std::string unreadable_message(std::string_view name, int error)
{
    const std::string why = error == ENOSYS ? "esta versión de la biblioteca no lee ficheros, sino el texto de la lista"
                                            : describe_errno(error);
    return "No se pueden leer los nombres de " + std::string(name) + ": " + why + ".";
}

}  // namespace

LearnedFile learn_grammar_file(const std::string& path, const FileLearnOptions& options,
                               const std::function<void()>& before_reading)
{
    const GrammarIdentity named = identity_from_file_name(path);
    LearnOptions learn;
    learn.identity = {options.display_name.value_or(named.display_name), options.key.value_or(named.key)};
    learn.min_count = options.min_count;
    if (std::string problem = identity_problem(learn.identity); !problem.empty())
        return {{}, std::move(problem)};
    const std::string name = path == "-" ? grammar_file_name(path) : shown(path);
    if (before_reading)
        before_reading();
    const FileText file = read_bounded_file(path);
    if (file.error != 0)
        return {{}, unreadable_message(name, file.error), file.error};
    LearnedGrammar grammar = learn_grammar(file.text, learn);
    if (!grammar.error.empty())
        return {{}, name + ": " + grammar.error};
    return {std::move(grammar.text), {}};
}

}  // namespace quelvarinox::detail
