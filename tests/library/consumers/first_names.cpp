// The first five names of seed 7, one a line: of Ord Mantell, or of the grammar
// file given.
#include <iostream>

#include <quelvarinox/quelvarinox.hpp>

int main(int argc, char** argv)
{
    quelvarinox::Generator generator(7);
    const auto names = argc > 1 ? generator.names(quelvarinox::Grammar::from_file(argv[1]), 5)
                                : generator.names("Ord Mantell", 5);
    for (const std::string& name : names)
        std::cout << name << '\n';
}
