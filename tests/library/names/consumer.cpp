// A program that uses every public class whose name changed, by the names of
// version 2.1 when OLD_NAMES is defined, and by today's otherwise.
#include <iostream>

#include <quelvarinox/quelvarinox.hpp>

#ifdef OLD_NAMES
#define CATEGORY CategoryInfo
#define GRAMMAR UserGrammar
#define GRAMMAR_ERROR InvalidGrammar
#else
#define CATEGORY Category
#define GRAMMAR Grammar
#define GRAMMAR_ERROR GrammarError
#endif

int main()
{
    for (const quelvarinox::CATEGORY& category : quelvarinox::categories())
        std::cout << category.key << '\n';
    try {
        const quelvarinox::GRAMMAR grammar = quelvarinox::GRAMMAR::from_text("nombre = \"Mía\"");
        std::cout << quelvarinox::Generator(7).name(grammar) << '\n';
    } catch (const quelvarinox::GRAMMAR_ERROR& error) {
        std::cout << error.line() << ':' << error.column() << ": " << error.message() << ' ' << error.errors().size()
                  << '\n';
    }
}
