// first_names SEED CATEGORY COUNT: the first names of a category, one a line.
#include <cstdlib>
#include <iostream>

#include <quelvarinox/quelvarinox.hpp>

int main(int argc, char** argv)
{
    if (argc != 4)
        return 2;
    quelvarinox::Generator generator(std::strtoull(argv[1], nullptr, 10));
    for (const std::string& name : generator.names(argv[2], std::strtoull(argv[3], nullptr, 10)))
        std::cout << name << '\n';
}
