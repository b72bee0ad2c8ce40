#include "library/loaded_grammar.h"

#include "engine/grammar_file.h"

namespace quelvarinox::detail {

namespace {

GrammarReading reading_of(GrammarLoad load, std::string file_name)
{
    GrammarReading reading;
    if (load.grammar)
        reading.grammar = std::make_shared<const LoadedGrammar>(std::move(load.grammar));
    reading.mistakes = std::move(load.mistakes);
    reading.unreadable = load.unreadable;
    reading.file_name = std::move(file_name);
    return reading;
}

}  // namespace

LoadedGrammar::LoadedGrammar(std::unique_ptr<const Grammar> grammar)
    : grammar_(std::move(grammar)), category_(category_of_grammar(*grammar_))
{
}

GrammarReading read_grammar(std::string_view text) { return reading_of(load_grammar(text), {}); }

GrammarReading read_grammar_file(const std::string& path)
{
    return reading_of(load_grammar_file(path), grammar_file_name(path));
}

}  // namespace quelvarinox::detail
