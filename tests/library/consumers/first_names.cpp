// The first five names of Ord Mantell of seed 7, one a line.
#include <iostream>

#include <quelvarinox/quelvarinox.hpp>

int main()
{
    for (const std::string& name : quelvarinox::Generator(7).names("Ord Mantell", 5))
        std::cout << name << '\n';
}
