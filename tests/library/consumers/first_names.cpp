// The first five names of seed 7, one a line: of Ord Mantell, or of the grammar
// file given. For a grammar that is wrong: its first mistake on the output, as
// "line:column: message", every mistake on the error output, and status 1.
#include <iostream>

#include <quelvarinox/quelvarinox.hpp>

int main(int argc, char** argv)
{
    quelvarinox::Generator generator(7);
    try {
        const auto names = argc > 1 ? generator.names(quelvarinox::Grammar::from_file(argv[1]), 5)
                                    : generator.names("Ord Mantell", 5);
        for (const std::string& name : names)
            std::cout << name << '\n';
    } catch (const quelvarinox::GrammarError& error) {
        std::cout << error.line() << ':' << error.column() << ": " << error.message() << '\n';
        std::cerr << error.what() << '\n';
        return 1;
    }
}
