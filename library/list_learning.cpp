#include "library/list_learning.h"

#include <cerrno>

#include "engine/grammar_file.h"
#include "learning/learn_grammar.h"
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

detail::LearnOptions learner_options(GrammarIdentity identity, const quelvarinox::LearnOptions& options)
{
    detail::LearnOptions learn;
    learn.identity = {options.display_text.value_or(identity.display_name), options.key.value_or(identity.key)};
    learn.min_count = options.min_count;
    return learn;
}

ListLearning learned(std::string_view examples, const detail::LearnOptions& learn)
{
    LearnedGrammar grammar = learn_grammar(examples, learn);
    return {std::move(grammar.text), std::move(grammar.error)};
}

}  // namespace

ListLearning learn_list(std::string_view examples, const quelvarinox::LearnOptions& options)
{
    return learned(examples, learner_options(identity_from_file_name("-"), options));
}

ListLearning learn_list_file(const std::string& path, const quelvarinox::LearnOptions& options)
{
    const detail::LearnOptions learn = learner_options(identity_from_file_name(path), options);
    // As the tool: a wrong name or key is said before the file is read, and the
    // list's faults after the list's name.
    if (std::string problem = identity_problem(learn.identity); !problem.empty())
        return {{}, std::move(problem)};
    const std::string name = path == "-" ? grammar_file_name(path) : shown(path);
    const FileText file = read_bounded_file(path);
    if (file.error != 0)
        return {{}, unreadable_message(name, file.error), file.error};
    ListLearning learning = learned(file.text, learn);
    if (!learning.error.empty())
        learning.error = name + ": " + learning.error;
    return learning;
}

}  // namespace quelvarinox::detail
