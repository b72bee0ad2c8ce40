/* The first five names of seed 7, one a line: of Ord Mantell, or of the grammar
 * file given. For a grammar that is wrong: its first mistake's place on the
 * output, as "line:column", every mistake on the error output, and status 1. */
#include <stdio.h>

#include <quelvarinox/quelvarinox.h>

int main(int argc, char** argv)
{
    quelvarinox_generator* generator;
    quelvarinox_grammar* grammar = NULL;
    quelvarinox_grammar_error first;
    char messages[4096];
    char name[256];
    int status = 0;
    if (argc > 1 && quelvarinox_grammar_from_file(argv[1], &grammar, &first, messages, sizeof messages, NULL) !=
                        QUELVARINOX_OK) {
        printf("%lu:%lu\n", (unsigned long)first.line, (unsigned long)first.column);
        fprintf(stderr, "%s\n", messages);
        return 1;
    }
    if (quelvarinox_generator_new_seeded(7, &generator) != QUELVARINOX_OK)
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
