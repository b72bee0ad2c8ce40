#include "cli/grammar_files.h"

#include "cli/messages.h"
#include "engine/builtin_grammars.h"
#include "engine/grammar_file.h"
#include "text/shown.h"

namespace quelvarinox::cli {

GrammarFile read_grammar_file(const std::string& path, std::ostream& err)
{
    GrammarFile file;
    hint_standard_input(path, "la gramática", err);
    detail::GrammarLoad load = detail::load_grammar_file(path);
    const std::string name = detail::grammar_file_name(path);
    for (const GrammarMistake& mistake : load.mistakes)
        file.errors.push_back((mistake.line == 0 ? std::string(program) : "") + detail::placed(name, mistake));
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
    return {{}, "La categoría " + detail::shown(category->display_text) +
                    " no tiene gramática que exportar: sus nombres los hace un programa, con reglas que no caben en "
                    "tablas de sílabas."};
}

}  // namespace quelvarinox::cli
