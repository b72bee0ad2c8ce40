/* The first five names of Ord Mantell of seed 7, one a line. */
#include <stdio.h>

#include <quelvarinox/quelvarinox.h>

int main(void)
{
    quelvarinox_generator* generator;
    char name[256];
    if (quelvarinox_generator_new_seeded(7, &generator) != QUELVARINOX_OK)
        return 1;
    for (int i = 0; i < 5 && quelvarinox_name(generator, "Ord Mantell", 0, name, sizeof name, NULL) == QUELVARINOX_OK; ++i)
        puts(name);
    quelvarinox_generator_free(generator);
}
