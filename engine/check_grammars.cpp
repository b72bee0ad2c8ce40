// Checks every built-in grammar as the build goes: a mistake in a file stops
// the build with its place and what is wrong, as a compiler's error would.
#include <iostream>

#include "engine/builtin_grammars.h"
#include "engine/grammar_loader.h"

int main()
{
    int wrong = 0;
    for (const quelvarinox::detail::BuiltinGrammarText& text : quelvarinox::detail::builtin_grammar_texts()) {
        for (const quelvarinox::GrammarMistake& mistake : quelvarinox::detail::load_grammar(text.text).mistakes) {
            std::cerr << quelvarinox::detail::placed(text.file_name, mistake) << '\n';
            ++wrong;
        }
    }
    return wrong == 0 ? 0 : 1;
}
