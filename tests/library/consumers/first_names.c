/* The first five names of seed 7, one a line: of Ord Mantell, or of the grammar
 * file given. For a grammar that is wrong: its first mistake's place on the
 * output, as "line:column", every mistake on the error output as the tool says
 * it, "file:line:column: message", and status 1. */
#include <stdio.h>

#include <quelvarinox/quelvarinox.h>

/* Every error, after the path; the first's place on the output. */
static void show_errors(const char* path, const quelvarinox_grammar_errors* errors)
{
    for (size_t i = 0; i < quelvarinox_grammar_error_count(errors); ++i) {
        uint32_t line, column;
        char message[1024];
        const quelvarinox_status status =
            quelvarinox_grammar_error_at(errors, i, &line, &column, message, sizeof message, NULL);
        if (status != QUELVARINOX_OK) {
            fprintf(stderr, "%s\n", quelvarinox_status_message(status));
            continue;
        }
        if (i == 0)
            printf("%lu:%lu\n", (unsigned long)line, (unsigned long)column);
        fprintf(stderr, "%s:%lu:%lu: %s\n", path, (unsigned long)line, (unsigned long)column, message);
    }
}

int main(int argc, char** argv)
{
    quelvarinox_generator* generator;
    quelvarinox_grammar* grammar = NULL;
    quelvarinox_grammar_errors* errors;
    char name[256];
    int status = 0;
    if (argc > 1 && quelvarinox_grammar_parse_file(argv[1], &grammar, &errors) != QUELVARINOX_OK) {
        show_errors(argv[1], errors);
        quelvarinox_grammar_errors_free(errors);
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
