/*
 * Quelvarinox from C (C99 and later), and so from any language with a foreign
 * function interface.
 *
 * Every function returns a status: QUELVARINOX_OK, or which error. Nothing
 * aborts, prints or throws. The caller owns every buffer it passes; a NULL
 * buffer of size 0 asks only for the size it needs. All text is UTF-8 and
 * NUL-terminated.
 *
 *     quelvarinox_generator* generator;
 *     if (quelvarinox_generator_new_seeded(7, &generator) == QUELVARINOX_OK) {
 *         char name[64];
 *         if (quelvarinox_name(generator, "Tatooine", 0, name, sizeof name, NULL) == QUELVARINOX_OK)
 *             puts(name);
 *         quelvarinox_generator_free(generator);
 *     }
 */
#ifndef QUELVARINOX_H
#define QUELVARINOX_H

#include <stddef.h>
#include <stdint.h>

#if defined(QUELVARINOX_BUILDING_LIBRARY) && defined(__GNUC__)
#define QUELVARINOX_C_API __attribute__((visibility("default")))
#else
#define QUELVARINOX_C_API
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* The values are part of the interface and never change. */
typedef enum quelvarinox_status {
    QUELVARINOX_OK = 0,
    /* The category names no category, by its display text or its key. */
    QUELVARINOX_UNKNOWN_CATEGORY = 1,
    /* The buffer cannot hold the text and its NUL; *needed says how many bytes would. */
    QUELVARINOX_BUFFER_TOO_SMALL = 2,
    /* A null pointer where one is not allowed, an index out of range. */
    QUELVARINOX_INVALID_ARGUMENT = 3,
    QUELVARINOX_OUT_OF_MEMORY = 4,
    /* The grammar's text is wrong: see the messages. */
    QUELVARINOX_INVALID_GRAMMAR = 5,
    /* The category is a program, with no grammar file. */
    QUELVARINOX_NOT_A_GRAMMAR = 6,
    /* The grammar's file, or the list of names to learn from, cannot be read: see the messages. */
    QUELVARINOX_UNREADABLE_FILE = 7,
    /* No grammar was learned: the list teaches none, or the options are wrong; see the message. */
    QUELVARINOX_NOTHING_LEARNED = 8,
    /* The grammar's [rechazo] refused the name, rejecting it 1000 times: see
     * quelvarinox_last_refusal. It counts as given. */
    QUELVARINOX_NAME_REFUSED = 9
} quelvarinox_status;

/* The version of the library and of its packages: "MAJOR.MINOR". */
QUELVARINOX_C_API const char* quelvarinox_version(void);

/* A short Spanish sentence for a status; never NULL. */
QUELVARINOX_C_API const char* quelvarinox_status_message(quelvarinox_status status);

/* One category of the list. The strings live as long as the library is loaded. */
typedef struct quelvarinox_category {
    /* As the window lists it: "Garos IV", "jedi". */
    const char* display_text;
    /* Short and lower case: "garos", "jedi". */
    const char* key;
    /* A paragraph in Spanish. */
    const char* description;
    /* Not 0 when the alternative mode changes its names. */
    int reads_alternative_mode;
} quelvarinox_category;

QUELVARINOX_C_API size_t quelvarinox_category_count(void);
/* Category `index` of the list, from 0. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_category_at(size_t index, quelvarinox_category* category);

/* A generator owns its random source. Seeded with a seed, it makes the same
 * names as `quelvarinox-nombres -s SEED`: the k-th name of a category that it
 * gives is the tool's k-th name of that category, in either mode. Without one,
 * it draws a seed of its own. A generator is not shared between threads. */
typedef struct quelvarinox_generator quelvarinox_generator;

QUELVARINOX_C_API quelvarinox_status quelvarinox_generator_new(quelvarinox_generator** generator);
QUELVARINOX_C_API quelvarinox_status quelvarinox_generator_new_seeded(uint64_t seed,
                                                                     quelvarinox_generator** generator);
/* NULL is allowed and does nothing. */
QUELVARINOX_C_API void quelvarinox_generator_free(quelvarinox_generator* generator);
/* The seed the generator was given or drew: with it, its names can be made again. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_generator_seed(const quelvarinox_generator* generator,
                                                               uint64_t* seed);

/* The next name of `category` (its display text or its key, in any letter
 * case), in the alternative mode when `alternative` is not 0. `needed`, when not
 * NULL, receives the bytes the name takes with its NUL. When the buffer is too
 * small nothing moves on: the same call with a larger buffer gives that name. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_name(quelvarinox_generator* generator, const char* category,
                                                     int alternative, char* buffer, size_t size, size_t* needed);

/* Name number `index` (from 1) of `category`, without moving the generator on. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_name_at(quelvarinox_generator* generator, const char* category,
                                                        uint64_t index, int alternative, char* buffer, size_t size,
                                                        size_t* needed);

/* The draws behind the last name made (by either call above or by a grammar's
 * below, whether or not it fitted its buffer), as `quelvarinox-nombres --traza`
 * writes them: "R" for a reseed, "N:v" for a draw over 0..N that gave v, "u:v"
 * for a planet number. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_last_trace(const quelvarinox_generator* generator, char* buffer,
                                                           size_t size, size_t* needed);

/* Why the grammar refused the last name made (QUELVARINOX_NAME_REFUSED): its
 * number, counted from 1, into `index`, the pattern that rejected most of its
 * attempts, counted from 1 in the grammar's list, into `pattern` (each when not
 * NULL), and the message, in Spanish and on one line: "la gramática «Mi
 * lengua» no da el nombre número 57: [rechazo] lo ha rechazado 1000 veces
 * seguidas, 812 de ellas por el patrón 2, «aa»". After a name that was given:
 * 0, 0 and "". */
QUELVARINOX_C_API quelvarinox_status quelvarinox_last_refusal(const quelvarinox_generator* generator, uint64_t* index,
                                                             uint32_t* pattern, char* buffer, size_t size,
                                                             size_t* needed);

/* A grammar of the user's own, in the format of quelvarinox-gramatica(5),
 * whose names a generator makes as it makes a category's: name `index` of a
 * grammar is that of `quelvarinox-nombres --gramatica FILE -s SEED`. It never
 * changes once read: generators in several threads may use it at once, until
 * it is freed.
 *
 *     quelvarinox_grammar* grammar;
 *     quelvarinox_grammar_errors* errors;
 *     if (quelvarinox_grammar_parse_file("mi-lengua.toml", &grammar, &errors) == QUELVARINOX_OK) {
 *         char name[64];
 *         if (quelvarinox_grammar_name(generator, grammar, 0, name, sizeof name, NULL) == QUELVARINOX_OK)
 *             puts(name);
 *         quelvarinox_grammar_free(grammar);
 *     } else {
 *         for (size_t i = 0; i < quelvarinox_grammar_error_count(errors); ++i) {
 *             uint32_t line, column;
 *             char message[512];
 *             if (quelvarinox_grammar_error_at(errors, i, &line, &column, message, sizeof message, NULL)
 *                     == QUELVARINOX_OK)
 *                 fprintf(stderr, "mi-lengua.toml:%lu:%lu: %s\n", (unsigned long)line, (unsigned long)column,
 *                         message);
 *         }
 *         quelvarinox_grammar_errors_free(errors);
 *     }
 */
typedef struct quelvarinox_grammar quelvarinox_grammar;

/* The mistakes of a grammar that could not be read, each as the library found
 * it: its place and its message. They never change once handed over, until
 * they are freed. */
typedef struct quelvarinox_grammar_errors quelvarinox_grammar_errors;

/* Reads a grammar from the `length` bytes of `text`, which needs no NUL. On
 * QUELVARINOX_OK, *grammar is set and *errors is NULL. On
 * QUELVARINOX_INVALID_GRAMMAR, *grammar is NULL and *errors holds every mistake,
 * in the order of the text, for the caller to free. `errors` may be NULL when
 * the mistakes are not wanted. Any other status sets both to NULL. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_parse(const char* text, size_t length,
                                                              quelvarinox_grammar** grammar,
                                                              quelvarinox_grammar_errors** errors);

/* The same from the file at `path`, read as the tool reads --gramatica: at most
 * 1 MiB and one byte more. The errors' messages do not hold the path. A file
 * that cannot be read gives QUELVARINOX_UNREADABLE_FILE and one error, at line
 * 0 and column 0, that says why: "No se puede leer la gramática «ruta»: no
 * existe." The WebAssembly module has no files: there, every path gives
 * QUELVARINOX_UNREADABLE_FILE. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_parse_file(const char* path, quelvarinox_grammar** grammar,
                                                                   quelvarinox_grammar_errors** errors);

/* How many errors there are: at least 1; 0 for NULL. */
QUELVARINOX_C_API size_t quelvarinox_grammar_error_count(const quelvarinox_grammar_errors* errors);

/* Error `index` (from 0): its line and column, from 1 (columns count
 * characters, not bytes), into `line` and `column` when they are not NULL,
 * and its message, in Spanish and on one line, without its place: "[ataque]
 * deja sin nombrar el valor 31 de la tirada 0-358". The place is given also
 * when the buffer is too small for the message. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_error_at(const quelvarinox_grammar_errors* errors,
                                                                 size_t index, uint32_t* line, uint32_t* column,
                                                                 char* buffer, size_t size, size_t* needed);

/* NULL is allowed and does nothing. */
QUELVARINOX_C_API void quelvarinox_grammar_errors_free(quelvarinox_grammar_errors* errors);

/* Where a grammar's first mistake is: its line and column, from 1. */
typedef struct quelvarinox_grammar_error {
    uint32_t line;
    uint32_t column;
} quelvarinox_grammar_error;

/* The same mistakes in one text, for callers that only show them: reads a
 * grammar from the `length` bytes of `text`, which needs no NUL. On
 * QUELVARINOX_OK, *grammar is set, `first` (when not NULL) receives line and
 * column 0 and `messages` receives "". On QUELVARINOX_INVALID_GRAMMAR, *grammar
 * is NULL, `first` receives the first mistake's place, and `messages` every
 * mistake, one a line with no newline after the last, each as
 * "línea:columna: mensaje": "12:5: [ataque] deja sin nombrar el valor 31 de la
 * tirada 0-358". `needed`, when not NULL, receives the bytes the messages take
 * with their NUL; a buffer too small for them gets as many whole characters as
 * fit, and its NUL, and the status stays the grammar's. `messages` may be NULL
 * when `size` is 0. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_new(const char* text, size_t length,
                                                            quelvarinox_grammar** grammar,
                                                            quelvarinox_grammar_error* first, char* messages,
                                                            size_t size, size_t* needed);

/* The same from the file at `path`, read as the tool reads --gramatica: at
 * most 1 MiB and one byte more. Each message starts with the path:
 * "ruta:línea:columna: mensaje". A file that cannot be read gives
 * QUELVARINOX_UNREADABLE_FILE, a `first` of line and column 0 and one message:
 * "No se puede leer la gramática «ruta»: no existe." The WebAssembly module
 * has no files: there, every path gives QUELVARINOX_UNREADABLE_FILE. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_from_file(const char* path, quelvarinox_grammar** grammar,
                                                                  quelvarinox_grammar_error* first, char* messages,
                                                                  size_t size, size_t* needed);

/* NULL is allowed and does nothing. A generator whose last name was the
 * grammar's keeps what it needs for that name's trace. */
QUELVARINOX_C_API void quelvarinox_grammar_free(quelvarinox_grammar* grammar);

/* The grammar's display text, key and description, and whether the
 * alternative mode changes its names. The strings live as long as the grammar. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_info(const quelvarinox_grammar* grammar,
                                                             quelvarinox_category* info);

/* The next name of `grammar`, as quelvarinox_name gives a category's. The names
 * given of a grammar are counted by its key, apart from the list's categories:
 * two grammars with one key share their count. A name that the grammar's
 * [rechazo] refuses gives QUELVARINOX_NAME_REFUSED, and counts as given. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_name(quelvarinox_generator* generator,
                                                             const quelvarinox_grammar* grammar, int alternative,
                                                             char* buffer, size_t size, size_t* needed);

/* Name number `index` (from 1) of `grammar`, without moving the generator on;
 * QUELVARINOX_NAME_REFUSED when the grammar refuses it. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_grammar_name_at(quelvarinox_generator* generator,
                                                                const quelvarinox_grammar* grammar, uint64_t index,
                                                                int alternative, char* buffer, size_t size,
                                                                size_t* needed);

/* The text of the grammar file of a built-in planet (its display text or its
 * key, in any letter case), as `quelvarinox-nombres --exportar` writes it: the
 * start of a grammar of one's own. QUELVARINOX_NOT_A_GRAMMAR for a category
 * that a program makes (jedi, varkh, planeta). */
QUELVARINOX_C_API quelvarinox_status quelvarinox_builtin_grammar_text(const char* category, char* buffer,
                                                                     size_t size, size_t* needed);

/* A grammar learned from a list of example names that one likes, whose text
 * quelvarinox_grammar_parse reads:
 *
 *     char grammar[1 << 16];
 *     quelvarinox_status status = quelvarinox_learn_file("mis-nombres.txt", NULL, grammar, sizeof grammar, NULL);
 *     if (status == QUELVARINOX_OK)
 *         fputs(grammar, stdout);
 *     else
 *         fprintf(stderr, "%s\n", status == QUELVARINOX_NOTHING_LEARNED || status == QUELVARINOX_UNREADABLE_FILE
 *                                     ? grammar : quelvarinox_status_message(status));
 *
 * writes what `quelvarinox-nombres --aprender mis-nombres.txt` does.
 * How the grammar is made, as `quelvarinox-nombres --aprender` is told; no
 * options at all (NULL) are the tool's defaults. */
typedef struct quelvarinox_learn_options {
    /* The grammar's display text and key (--nombre, --clave); NULL: "Lengua
     * aprendida" and "lengua-aprendida", or for quelvarinox_learn_file those of
     * the file's name, as the tool gives them: "mis-nombres.txt" gives "Mis
     * nombres" and "mis-nombres". */
    const char* display_text;
    const char* key;
    /* How many times a piece, a form or a number of syllables must appear in
     * the examples to be kept (--umbral): from 1 to 1000000; the tool's is 2. */
    int min_count;
} quelvarinox_learn_options;

/* The grammar file's text that the `length` bytes of `examples` (names one a
 * line, UTF-8; no NUL needed) teach: what `quelvarinox-nombres --aprender -`
 * writes when the list is its standard input. On QUELVARINOX_OK the buffer
 * holds the text; QUELVARINOX_BUFFER_TOO_SMALL says, in *needed, how much room
 * it takes. When nothing is learned, QUELVARINOX_NOTHING_LEARNED: the buffer
 * holds why, in Spanish ("La lista no tiene ningún nombre: está vacía o solo
 * tiene líneas en blanco."), or as many whole characters of it as fit, and
 * *needed the size of the whole message. Asked with a NULL buffer of size 0,
 * the status tells which of the two it is. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_learn(const char* examples, size_t length,
                                                      const quelvarinox_learn_options* options, char* buffer,
                                                      size_t size, size_t* needed);

/* The same from the list in the file at `path` ("-": the standard input), read
 * as the tool reads it: what `quelvarinox-nombres --aprender FILE` writes. For
 * a list that teaches nothing or a minimum count out of range, the message of
 * QUELVARINOX_NOTHING_LEARNED starts with the file's name: "«ruta»: La lista …". A file that cannot be read gives QUELVARINOX_UNREADABLE_FILE
 * and a message, as the other: "No se pueden leer los nombres de «ruta»: no
 * existe." The WebAssembly module has no files: there, every path gives
 * QUELVARINOX_UNREADABLE_FILE. */
QUELVARINOX_C_API quelvarinox_status quelvarinox_learn_file(const char* path, const quelvarinox_learn_options* options,
                                                           char* buffer, size_t size, size_t* needed);

#ifdef __cplusplus
}
#endif

#endif
