#include "engine/builtin_grammars.h"

#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "engine/grammar_loader.h"

namespace quelvarinox::detail {

namespace {

struct BuiltinGrammar {
    const BuiltinGrammarText* text;
    std::unique_ptr<const Grammar> grammar;
};

std::vector<BuiltinGrammar> read_builtin_grammars()
{
    std::vector<BuiltinGrammar> grammars;
    for (const BuiltinGrammarText& text : builtin_grammar_texts()) {
        GrammarLoad load = load_grammar(text.text);
        // The build checks every file before it builds a program, so a file
        // that does not load here was changed after the build.
        if (!load.grammar) {
            for (const GrammarMistake& mistake : load.mistakes)
                std::fprintf(stderr, "%s\n", placed(text.file_name, mistake).c_str());
            std::abort();
        }
        grammars.push_back({&text, std::move(load.grammar)});
    }
    return grammars;
}

const std::vector<BuiltinGrammar>& builtin_grammars()
{
    static const std::vector<BuiltinGrammar> grammars = read_builtin_grammars();
    return grammars;
}

const BuiltinGrammar* find(std::string_view key)
{
    for (const BuiltinGrammar& builtin : builtin_grammars())
        if (builtin.grammar->key == key)
            return &builtin;
    return nullptr;
}

}  // namespace

const Grammar* builtin_grammar(std::string_view key)
{
    const BuiltinGrammar* builtin = find(key);
    return builtin ? builtin->grammar.get() : nullptr;
}

const BuiltinGrammarText* builtin_grammar_text(std::string_view key)
{
    const BuiltinGrammar* builtin = find(key);
    return builtin ? builtin->text : nullptr;
}

std::vector<std::string_view> builtin_grammar_keys()
{
    std::vector<std::string_view> keys;
    for (const BuiltinGrammar& builtin : builtin_grammars())
        keys.push_back(builtin.grammar->key);
    return keys;
}

}  // namespace quelvarinox::detail
