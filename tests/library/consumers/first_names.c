/* The first five names of seed 7, one a line: of Ord Mantell, or of the grammar
 * file given. */
#include <stdio.h>

#include <quelvarinox/quelvarinox.h>

int main(int argc, char** argv)
{
    quelvarinox_generator* generator;
    quelvarinox_grammar* grammar = NULL;
    char name[256];
    int status = 0;
    if ((argc > 1 && quelvarinox_grammar_parse_file(argv[1], &grammar, NULL) != QUELVARINOX_OK) ||
        quelvarinox_generator_new_seeded(7, &generator) != QUELVARINOX_OK)
        return 1;
    for (int i = 0; i < 5 && status == 0; ++i) {
        status = grammar ? quelvarinox_grammar_name(generator, grammar, 0, name, sizeof name, NULL)
                         : quelvarinox_name(generator, "Ord Mantell", 0, name, sizeof name, NULL);
        if (status == 0)
            puts(name);
    }
    quelvarinox_grammar_free(grammar);
    quelvarinox_generator_free(generator);
    return status;
}
