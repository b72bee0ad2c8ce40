#include "cli/grammar_files.h"

#include <unistd.h>

#include "engine/builtin_grammars.h"
#include "engine/grammar_file.h"
#include "engine/grammar_loader.h"
#include "text/shown.h"

namespace quelvarinox::cli {

GrammarFile read_grammar_file(const std::string& path)
{
    GrammarFile file;
    const bool standard_input = path == "-";
    const std::string name = standard_input ? "(entrada estándar)" : path;
    const detail::GrammarFileText read = standard_input ? detail::read_grammar_text(STDIN_FILENO) : detail::read_grammar_file_text(path);
    if (read.error != 0) {
        file.errors.push_back(detail::unreadable_grammar_message(name, read.error));
        return file;
    }
    detail::GrammarLoad load = detail::load_grammar(read.text);
    for (const detail::GrammarError& wrong : load.errors)
        file.errors.push_back(describe_error(name, wrong));
    if (load.grammar) {
        file.grammar = std::move(load.grammar);
        file.category = detail::category_of_grammar(*file.grammar);
    }
    return file;
}

ExportedGrammar export_grammar(const std::string& category_name)
{
    const detail::Category* category = detail::find_category_by_name(category_name);
    if (!category)
        return {{}, "Categoría desconocida: " + detail::shown(category_name) + ". --lista da las categorías."};
    if (const detail::BuiltinGrammarText* text = detail::builtin_grammar_text(category->picture_key))
        return {std::string(text->text), {}};
    return {{}, "La categoría " + detail::shown(category->display_text) + " no tiene gramática que exportar: sus nombres "
                "los hace un programa, con reglas que no caben en tablas de sílabas."};
}

}  // namespace quelvarinox::cli
