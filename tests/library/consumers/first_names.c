/* first_names SEED CATEGORY COUNT: the first names of a category, one a line. */
#include <stdio.h>
#include <stdlib.h>

#include <quelvarinox/quelvarinox.h>

int main(int argc, char** argv)
{
    quelvarinox_generator* generator;
    char name[256];
    unsigned long i;
    if (argc != 4 || quelvarinox_generator_new_seeded(strtoull(argv[1], NULL, 10), &generator) != QUELVARINOX_OK)
        return 2;
    for (i = 0; i < strtoul(argv[3], NULL, 10); ++i) {
        quelvarinox_status status = quelvarinox_name(generator, argv[2], 0, name, sizeof name, NULL);
        if (status != QUELVARINOX_OK) {
            fprintf(stderr, "%s\n", quelvarinox_status_message(status));
            return 1;
        }
        puts(name);
    }
    quelvarinox_generator_free(generator);
    return 0;
}
