#include "cli/grammar_files.h"

#include <cerrno>

#include "cli/messages.h"
#include "engine/builtin_grammars.h"
#include "engine/grammar_file.h"
#include "text/shown.h"

namespace quelvarinox::cli {

namespace {

// Each mistake of the file at `path` as the tool writes it: placed in the
// file, or after the tool's name when it has no place.
std::vector<std::string> placed_errors(const std::string& path, const std::vector<GrammarMistake>& mistakes)
{
    std::vector<std::string> errors;
    const std::string name = detail::grammar_file_name(path);
    for (const GrammarMistake& mistake : mistakes)
        errors.push_back((mistake.line == 0 ? std::string(program) : "") + detail::placed(name, mistake));
    return errors;
}

bool written_as_category(std::string_view name) { return name.find_first_of("./") == std::string_view::npos; }

}  // namespace

GrammarFile read_grammar_file(const std::string& path, std::ostream& err)
{
    GrammarFile file;
    hint_standard_input(path, "la gramática", err);
    detail::GrammarLoad load = detail::load_grammar_file(path);
    file.errors = placed_errors(path, load.mistakes);
    if (load.grammar) {
        file.grammar = std::move(load.grammar);
        file.category = detail::category_of_grammar(*file.grammar);
    }
    return file;
}

ExportedGrammar export_grammar(const std::string& category_or_file)
{
    const detail::Category* category = detail::find_category_by_name(category_or_file);
    if (category) {
        if (const detail::BuiltinGrammarText* text = detail::builtin_grammar_text(category->picture_key))
            return {std::string(text->text), {}};
        return {{}, {std::string(program) + "La categoría " + detail::shown(category->display_text) +
                     " no tiene gramática que exportar: sus nombres los hace un programa, con reglas que no caben en "
                     "tablas de sílabas."}};
    }
    detail::WholeGrammarFile whole = detail::whole_grammar_file(category_or_file);
    if (whole.unreadable == ENOENT && written_as_category(category_or_file))
        return {{}, {std::string(program) + "Categoría desconocida: " + detail::shown(category_or_file) +
                     ". --lista da las categorías; un fichero de gramática se nombra con su ruta, como "
                     "mi-lengua.toml."}};
    return {std::move(whole.text), placed_errors(category_or_file, whole.mistakes)};
}

}  // namespace quelvarinox::cli
