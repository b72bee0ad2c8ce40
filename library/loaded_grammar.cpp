#include "library/loaded_grammar.h"

#include "engine/grammar_file.h"

namespace quelvarinox::detail {

LoadedGrammar::LoadedGrammar(std::unique_ptr<const Grammar> grammar)
    : grammar_(std::move(grammar)), category_(category_of_grammar(*grammar_))
{
}

std::string GrammarReading::messages() const
{
    if (unreadable != 0)
        return unreadable_grammar_message(path, unreadable);
    std::string joined;
    for (const GrammarError& error : errors) {
        if (!joined.empty())
            joined += '\n';
        joined += placed_message(path, error.line, error.column, error.message);
    }
    return joined;
}

GrammarReading read_grammar(std::string_view text)
{
    GrammarLoad load = load_grammar(text);
    GrammarReading reading;
    if (load.grammar)
        reading.grammar = std::make_shared<const LoadedGrammar>(std::move(load.grammar));
    reading.errors = std::move(load.errors);
    return reading;
}

GrammarReading read_grammar_file(const std::string& path)
{
    GrammarFileText file = read_grammar_file_text(path);
    GrammarReading reading = file.error == 0 ? read_grammar(file.text) : GrammarReading{};
    reading.path = path;
    reading.unreadable = file.error;
    return reading;
}

std::string placed_message(std::string_view path, int line, int column, std::string_view message)
{
    std::string placed = std::to_string(line) + ":" + std::to_string(column) + ": ";
    placed += message;
    return path.empty() ? placed : std::string(path) + ":" + placed;
}

}  // namespace quelvarinox::detail
