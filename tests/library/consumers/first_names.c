/* first_names SEED CATEGORY COUNT: the first names of a category, one a line. */
#include <stdio.h>
#include <stdlib.h>

#include <quelvarinox/quelvarinox.h>

int main(int argc, char** argv)
{
    quelvarinox_generator* generator;
    quelvarinox_status status = QUELVARINOX_OK;
    char name[256];
    unsigned long i;
    if (argc != 4 || quelvarinox_generator_new_seeded(strtoull(argv[1], NULL, 10), &generator) != QUELVARINOX_OK)
        return 2;
    for (i = 0; i < strtoul(argv[3], NULL, 10) && status == QUELVARINOX_OK; ++i) {
        status = quelvarinox_name(generator, argv[2], 0, name, sizeof name, NULL);
        puts(status == QUELVARINOX_OK ? name : quelvarinox_status_message(status));
    }
    quelvarinox_generator_free(generator);
    return status == QUELVARINOX_OK ? 0 : 1;
}
