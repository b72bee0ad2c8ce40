// Quelvarinox from C++ (C++17 and later): the categories and the names they make.
//
//     quelvarinox::Generator generator(7);
//     for (int i = 0; i < 10; ++i)
//         std::cout << generator.name("jedi") << '\n';  // quelvarinox-nombres -c jedi -n 10 -s 7
//
// All text is UTF-8. A category is named by its display text ("Garos IV") or
// its key ("garos"), in any letter case and with blanks around; a grammar of
// one's own is a Grammar:
//
//     const auto mine = quelvarinox::Grammar::from_file("mi-lengua.toml");
//     std::cout << generator.name(mine) << '\n';  // quelvarinox-nombres --gramatica mi-lengua.toml -s 7
//
// and learn_file() makes the text of one from a list of names that one likes:
//
//     const auto learned = quelvarinox::Grammar::from_text(quelvarinox::learn_file("mis-nombres.txt"));
#ifndef QUELVARINOX_HPP
#define QUELVARINOX_HPP

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "quelvarinox/grammar_mistake.hpp"
#include "quelvarinox/quelvarinox_export.h"

namespace quelvarinox {

// The version of the library and of its packages: "MAJOR.MINOR".
QUELVARINOX_EXPORT std::string_view version();

// One category of the list.
struct Category {
    // As the window lists it: "Garos IV", "jedi".
    std::string_view display_text;
    // Short and lower case: "garos", "jedi".
    std::string_view key;
    // Whether the alternative mode changes its names.
    bool reads_alternative_mode;
    // A paragraph in Spanish.
    std::string_view description;
};

// The categories in the order of the window's list. The list and its texts
// live as long as the library is loaded.
QUELVARINOX_EXPORT const std::vector<Category>& categories();

// Thrown for a text that names no category; what() says so in Spanish.
class QUELVARINOX_EXPORT UnknownCategory : public std::invalid_argument {
public:
    explicit UnknownCategory(std::string_view name);
};

namespace detail {
class LoadedGrammar;
class NameSource;
}  // namespace detail

// Thrown for a grammar's text that is wrong. what() gives every mistake, one a
// line, as "línea:columna: mensaje", or "ruta:línea:columna: mensaje" for a file.
class QUELVARINOX_EXPORT GrammarError : public std::invalid_argument {
public:
    GrammarError(std::vector<GrammarMistake> mistakes, std::string_view path = {});

    // The first mistake's place and message; 0, 0 and "" when there is none.
    std::uint32_t line() const noexcept;
    std::uint32_t column() const noexcept;
    const std::string& message() const noexcept;
    // Every mistake, in the order of the text.
    const std::vector<GrammarMistake>& errors() const noexcept;

private:
    std::shared_ptr<const std::vector<GrammarMistake>> mistakes_;
};

// Thrown for a grammar's file, or a list of names to learn from, that cannot be
// read; what() says why in Spanish: "No se puede leer la gramática «ruta»: no
// existe.", "No se pueden leer los nombres de «ruta»: no existe."
class QUELVARINOX_EXPORT UnreadableGrammar : public std::runtime_error {
public:
    UnreadableGrammar(const std::string& message, int error_number);

    // The errno of the open or the read that failed: ENOENT for no such file.
    int error_number() const noexcept;

private:
    int error_number_;
};

// Thrown for a name of a grammar of one's own that its [rechazo] refused:
// each of its 1000 attempts held one of the grammar's patterns. The name
// counts as given, so the next call goes on with the next one. what() says so
// in Spanish: "la gramática «Mi lengua» no da el nombre número 57: [rechazo]
// lo ha rechazado 1000 veces seguidas, 812 de ellas por el patrón 2, «aa»".
class QUELVARINOX_EXPORT NameRefused : public std::runtime_error {
public:
    NameRefused(const std::string& message, std::uint64_t index, std::uint32_t pattern);

    // The name's number, counted from 1.
    std::uint64_t index() const noexcept;
    // The pattern, counted from 1 in the grammar's list, that rejected most attempts.
    std::uint32_t pattern() const noexcept;

private:
    std::uint64_t index_;
    std::uint32_t pattern_;
};

// A grammar of one's own, in the format of quelvarinox-gramatica(5), whose
// names a Generator makes as it makes a category's: name k of a grammar is
// that of `quelvarinox-nombres --gramatica FILE -s SEED`. Copies share the one
// grammar read, which never changes, so they may be used in several threads
// at once; its texts live as long as any copy does.
class QUELVARINOX_EXPORT Grammar {
public:
    // Throws GrammarError with every mistake of the text.
    static Grammar from_text(std::string_view text);
    // The file at `path`, read as the tool reads --gramatica: 1 MiB at most.
    // Throws UnreadableGrammar for a file that cannot be read, and
    // GrammarError, whose messages start with the path, for one that is wrong.
    static Grammar from_file(const std::string& path);

    Grammar(const Grammar&);
    Grammar& operator=(const Grammar&);
    ~Grammar();

    // As the tool's category column shows it: "Mi lengua".
    std::string_view display_text() const;
    // Short and lower case: "mi-lengua". It names the grammar's random stream.
    std::string_view key() const;
    // A paragraph in Spanish, or nothing.
    std::string_view description() const;
    // Whether the alternative mode changes its names.
    bool reads_alternative_mode() const;

private:
    explicit Grammar(std::shared_ptr<const detail::LoadedGrammar> grammar);

    std::shared_ptr<const detail::LoadedGrammar> grammar_;

    friend class Generator;
};

// Makes names and owns what they are made from: a seed, and the count of names
// given so far of each category. Seeded, it gives the names of
// `quelvarinox-nombres -s SEED`: its k-th name of a category is the tool's k-th
// name of that category, in either mode, whatever other categories were asked
// for in between. A generator is not shared between threads.
//
// Every call that takes a category throws UnknownCategory when it names none,
// and every call that takes a grammar, NameRefused for a name it refuses.
// Each has its twin for a grammar of one's own, whose names are counted by its
// key, apart from the list's categories: copies of a grammar, or two grammars
// with one key, share their count. A generator moved from may only be assigned
// to or destroyed.
class QUELVARINOX_EXPORT Generator {
public:
    // Draws a seed of its own: other names on every run.
    Generator();
    explicit Generator(std::uint64_t seed);
    Generator(Generator&&) noexcept;
    Generator& operator=(Generator&&) noexcept;
    ~Generator();

    // The seed given or drawn: Generator(seed()) makes the same names again.
    std::uint64_t seed() const;

    // The next name of `category`, in the alternative mode ("Darth ", compound
    // epithets) when `alternative`.
    std::string name(std::string_view category, bool alternative = false);
    std::string name(const Grammar& grammar, bool alternative = false);

    // The next `count` names of `category`, as `count` calls of name() give them.
    std::vector<std::string> names(std::string_view category, std::size_t count, bool alternative = false);
    std::vector<std::string> names(const Grammar& grammar, std::size_t count, bool alternative = false);

    // The same names handed to `take` one by one as they are made, each valid
    // until `take` returns: many names without a string apiece. An exception
    // from `take` ends the call, and the names handed over count as given.
    void for_each_name(std::string_view category, std::uint64_t count, bool alternative,
                       const std::function<void(std::string_view)>& take);
    void for_each_name(const Grammar& grammar, std::uint64_t count, bool alternative,
                       const std::function<void(std::string_view)>& take);

    // Name number `index` of `category`, counted from 1, without moving the
    // count on. Throws std::invalid_argument for index 0.
    std::string name_at(std::string_view category, std::uint64_t index, bool alternative = false);
    std::string name_at(const Grammar& grammar, std::uint64_t index, bool alternative = false);

    // The draws behind the last name made, as `quelvarinox-nombres --traza`
    // writes them: "R" for a reseed, "N:v" for a draw over 0..N that gave v,
    // "u:v" for a planet number. Empty before the first name.
    std::string last_trace() const;

private:
    std::unique_ptr<detail::NameSource> source_;
};

// How learn() makes a grammar, as `quelvarinox-nombres --aprender` is told.
struct LearnOptions {
    // The grammar's display text and key (--nombre, --clave). When not given:
    // "Lengua aprendida" and "lengua-aprendida", or for learn_file() those of
    // the file's name, as the tool gives them: «mis-nombres.txt» gives
    // "Mis nombres" and "mis-nombres".
    std::optional<std::string> display_text;
    std::optional<std::string> key;
    // How many times a piece, a form or a number of syllables must appear in
    // the examples to be kept (--umbral): from 1 to 1000000.
    int min_count = 2;
};

// Thrown when nothing can be learned: a list with no name to learn from, one
// past 1 MiB, or a display text, key or minimum count that is wrong. what() says why in Spanish,
// as the tool does: "La lista no tiene ningún nombre: está vacía o solo tiene
// líneas en blanco."
class QUELVARINOX_EXPORT LearningError : public std::invalid_argument {
public:
    explicit LearningError(const std::string& message);
};

// The grammar file's text that a list of example names (one a line, UTF-8)
// teaches: what `quelvarinox-nombres --aprender -` writes when the list is its
// standard input, to read with Grammar::from_text. Throws LearningError.
QUELVARINOX_EXPORT std::string learn(std::string_view examples, const LearnOptions& options = {});

// The same from the list in the file at `path` ("-": the standard input), read
// as the tool reads it: what `quelvarinox-nombres --aprender FILE` writes.
// Throws UnreadableGrammar for a file that cannot be read, and LearningError:
// for a list that teaches nothing or a minimum count out of range, its message
// starts with the file's name, as the tool's does: "«ruta»: La lista …".
QUELVARINOX_EXPORT std::string learn_file(const std::string& path, const LearnOptions& options = {});

// The names of version 2.1, which code written for it still compiles with.
using CategoryInfo [[deprecated("ahora se llama quelvarinox::Category")]] = Category;
using InvalidGrammar [[deprecated("ahora se llama quelvarinox::GrammarError")]] = GrammarError;
using UserGrammar [[deprecated("ahora se llama quelvarinox::Grammar")]] = Grammar;

}  // namespace quelvarinox

#endif
