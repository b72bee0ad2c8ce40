// Checks every built-in grammar as the build goes: a mistake in a file stops
// the build with its place and what is wrong, as a compiler's error would.
#include <iostream>

#include "grammars/builtin_grammars.h"
#include "grammars/grammar_loader.h"

int main()
{
    int wrong = 0;
    for (const quelvarinox::BuiltinGrammarText& text : quelvarinox::builtin_grammar_texts()) {
        for (const quelvarinox::GrammarError& error : quelvarinox::load_grammar(text.text).errors) {
            std::cerr << quelvarinox::describe_error(text.file_name, error) << '\n';
            ++wrong;
        }
    }
    return wrong == 0 ? 0 : 1;
}
