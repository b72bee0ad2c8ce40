#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <limits>
#include <set>
#include <tuple>
#include <unistd.h>

#include <gtest/gtest.h>

#include "quelvarinox/quelvarinox.h"
#include "quelvarinox/quelvarinox.hpp"
#include "tests/cli/cli_runner.h"

namespace quelvarinox::testing {
namespace {

using detail::testing::lines_of;
using detail::testing::run_cli;

// A seed above 2^63, so that a seed cut to fewer bits shows.
constexpr std::uint64_t seed = 18446744073709551557ULL;

// The C interface with the C++ one's calls, so that the same tests run on both. A
// call that fails gives its status's message instead of a text.
struct CGenerator {
    CGenerator() { EXPECT_EQ(quelvarinox_generator_new(&g), QUELVARINOX_OK); }
    explicit CGenerator(std::uint64_t seed) { EXPECT_EQ(quelvarinox_generator_new_seeded(seed, &g), QUELVARINOX_OK); }
    CGenerator(const CGenerator&) = delete;
    ~CGenerator() { quelvarinox_generator_free(g); }

    uint64_t seed() const { uint64_t s = 0; return quelvarinox_generator_seed(g, &s) == QUELVARINOX_OK ? s : 0; }
    std::string name(std::string_view category, bool alternative = false) { return name_at(category, 0, alternative); }
    std::vector<std::string> names(std::string_view category, std::size_t count, bool alternative = false)
    {
        std::vector<std::string> names(count);
        for (std::string& each : names)
            each = name(category, alternative);
        return names;
    }
    // Index 0 stands for the next name.
    std::string name_at(std::string_view category, std::uint64_t index, bool alternative = false)
    {
        const std::string c(category);
        return text(index ? quelvarinox_name_at(g, c.c_str(), index, alternative, out, sizeof out, &needed)
                          : quelvarinox_name(g, c.c_str(), alternative, out, sizeof out, &needed));
    }
    std::string grammar_name(const quelvarinox_grammar* grammar, std::uint64_t index = 0, bool alternative = false)
    {
        return text(index ? quelvarinox_grammar_name_at(g, grammar, index, alternative, out, sizeof out, &needed)
                          : quelvarinox_grammar_name(g, grammar, alternative, out, sizeof out, &needed));
    }
    std::string last_trace() { return text(quelvarinox_last_trace(g, out, sizeof out, &needed)); }
    std::string text(quelvarinox_status s) const { return s == QUELVARINOX_OK ? out : quelvarinox_status_message(s); }

    quelvarinox_generator* g = nullptr;
    char out[256] = {};
    size_t needed = 0;
};

template <typename Maker> class Generators : public ::testing::Test {};
using Makers = ::testing::Types<Generator, CGenerator>;
TYPED_TEST_SUITE(Generators, Makers);

// Each category keeps its own count while the others are asked for in between:
// its first name comes from name(), the next two from names(), and name_at()
// gives the second again, each with the tool's line: the category, the name and
// its trace. The first mode goes through the default arguments.
TYPED_TEST(Generators, GiveTheToolsSeededNamesAndTracesInBothModes)
{
    for (const bool alternative : {false, true}) {
        const auto tool = lines_of(run_cli("-n 3 --traza -s " + std::to_string(seed) + (alternative ? " -a" : "")).out);
        ASSERT_EQ(tool.size(), 3 * categories().size());
        TypeParam generator(seed);
        EXPECT_EQ(generator.seed(), seed);
        EXPECT_EQ(generator.last_trace(), "");
        const auto line = [&](std::size_t i, const std::string& name) {
            return std::string(categories()[i].display_text) + '\t' + name + '\t' + generator.last_trace();
        };
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const std::string_view key = categories()[i].key;
            EXPECT_EQ(line(i, alternative ? generator.name(key, true) : generator.name(key)), tool[3 * i]);
        }
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const std::string_view key = categories()[i].key, text = categories()[i].display_text;
            const auto next = alternative ? generator.names(text, 2, true) : generator.names(text, 2);
            EXPECT_EQ(line(i, next.at(1)), tool[3 * i + 2]);
            const std::string second = alternative ? generator.name_at(key, 2, true) : generator.name_at(key, 2);
            EXPECT_EQ(line(i, second), tool[3 * i + 1]);
            EXPECT_EQ(next.at(0), second) << key;
        }
    }
}

// However the category is written.
TYPED_TEST(Generators, DrawnSeedMakesTheSameNamesAgain)
{
    TypeParam drawn;
    EXPECT_NE(TypeParam().seed(), drawn.seed());
    EXPECT_EQ(TypeParam(drawn.seed()).names("jedi", 5), drawn.names(" JEDI", 5));
}

// The C++ list is the Python module's, which is checked against the tool's; so is the version.
TEST(Categories, ListAndVersionAsTheToolDoesInTheCApi)
{
    const auto listed = lines_of(run_cli("--lista").out);
    ASSERT_EQ(quelvarinox_category_count(), listed.size());
    quelvarinox_category c{};
    for (std::size_t i = 0; i < listed.size(); ++i) {
        ASSERT_EQ(quelvarinox_category_at(i, &c), QUELVARINOX_OK);
        EXPECT_EQ(listed[i], std::to_string(i + 1) + '\t' + c.display_text + '\t' + c.key +
                                 (c.reads_alternative_mode ? "\tsí" : "\tno"));
        EXPECT_EQ(c.description, categories().at(i).description) << c.key;
    }
    EXPECT_EQ(quelvarinox_category_at(listed.size(), &c), QUELVARINOX_INVALID_ARGUMENT);
    EXPECT_EQ(run_cli("--version").out, "quelvarinox-nombres " + std::string(version()) + "\n");
    EXPECT_EQ(version(), quelvarinox_version());
}

// Callers compare against the numbers of the statuses: they never change.
static_assert(QUELVARINOX_OK == 0 && QUELVARINOX_UNKNOWN_CATEGORY == 1 && QUELVARINOX_BUFFER_TOO_SMALL == 2 &&
              QUELVARINOX_INVALID_ARGUMENT == 3 && QUELVARINOX_OUT_OF_MEMORY == 4 && QUELVARINOX_INVALID_GRAMMAR == 5 &&
              QUELVARINOX_NOT_A_GRAMMAR == 6 && QUELVARINOX_UNREADABLE_FILE == 7 &&
              QUELVARINOX_NOTHING_LEARNED == 8 && QUELVARINOX_NAME_REFUSED == 9);
// A buffer one byte short gets nothing and says what it needs; the name stays
// the next one, and its trace is there already.
TEST(CApi, BufferTooSmallLeavesTheBufferAndTheCountAlone)
{
    Generator expected(7);
    const std::string first = expected.name("Garos IV");
    CGenerator c(7);
    ASSERT_EQ(quelvarinox_name(c.g, "garos", 0, nullptr, 0, &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.needed, first.size() + 1);
    std::memset(c.out, 'x', sizeof c.out);
    EXPECT_EQ(quelvarinox_name(c.g, "garos", 0, c.out, first.size(), &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.out[0], 'x');
    EXPECT_EQ(quelvarinox_last_trace(c.g, c.out, 1, &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.needed, expected.last_trace().size() + 1);
    EXPECT_EQ(quelvarinox_name_at(c.g, "garos", 1, 0, c.out, first.size(), nullptr), QUELVARINOX_BUFFER_TOO_SMALL);
    ASSERT_EQ(quelvarinox_name(c.g, "garos", 0, c.out, first.size() + 1, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(c.out, first);
}

// The C++ interface throws, the C one says so.
TEST(Generator, RejectsUnknownCategoriesAndIndexZero)
{
    Generator generator(7);
    EXPECT_THROW(generator.name(" Naboo IV "), UnknownCategory);
    EXPECT_STREQ(UnknownCategory(" Naboo IV ").what(), "categoría desconocida: « Naboo IV »");
    EXPECT_THROW(generator.names("", std::numeric_limits<std::size_t>::max()), UnknownCategory);
    EXPECT_THROW(generator.for_each_name("jed", 1, false, {}), UnknownCategory);
    EXPECT_THROW(generator.name_at("nada", 1), UnknownCategory);
    EXPECT_THROW(generator.name_at("jedi", 0), std::invalid_argument);
    CGenerator c(7);
    EXPECT_EQ(c.name("Tatooin"), quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY));
    EXPECT_EQ(c.name_at("", 1), quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY));
}

// A grammar of one's own: one word of one or two syllables of "l" or "ñ" and "a".
const std::string own_grammar = "nombre = \"Mía\"\nclave = \"mia\"\ndescripcion = \"Una lengua «mía».\"\n"
                                "[forma]\nfija = { palabras = 1 }\n[silabas]\ntirada = 2\nfilas = [[0, 2, 1]]\n"
                                "[ataque.pesos]\nl = 1\n\"ñ\" = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n\"\" = 1\n";

// A file of the test's own, removed with it.
struct TemporaryFile {
    explicit TemporaryFile(std::string_view text) { std::ofstream(path, std::ios::binary) << text; }
    TemporaryFile(const TemporaryFile&) = delete;
    ~TemporaryFile() { std::filesystem::remove(path); }

    const std::string path = std::filesystem::temp_directory_path().string() + "/quelvarinox-library-" +
                             std::to_string(::getpid()) + "-" + std::to_string(++made_) + ".toml";
    static inline int made_ = 0;
};

// The tool's lines for a grammar file: each name and its trace.
std::vector<std::string> tool_names(const std::string& path, std::size_t count, bool alternative)
{
    return lines_of(run_cli("--gramatica '" + path + "' --traza -n " + std::to_string(count) + " -s " +
                            std::to_string(seed) + (alternative ? " -a" : "")).out);
}

// A grammar read by quelvarinox_grammar_new or quelvarinox_grammar_from_file,
// with room for all its messages; `read` is given where the results go.
struct CGrammar {
    template <typename Read>
    explicit CGrammar(Read read)
    {
        char out[4096];
        status = read(&grammar, &first, out, sizeof out, &needed);
        messages = out;
    }
    CGrammar(const CGrammar&) = delete;
    ~CGrammar() { quelvarinox_grammar_free(grammar); }

    quelvarinox_status status;
    quelvarinox_grammar* grammar = nullptr;
    quelvarinox_grammar_error first{99, 99};
    std::string messages;
    size_t needed = 0;
};

// A grammar read by quelvarinox_grammar_parse or quelvarinox_grammar_parse_file,
// given where the results go, with each error as "línea:columna: mensaje".
struct CParsed {
    template <typename Parse>
    explicit CParsed(Parse parse) : status(parse(&grammar, &errors))
    {
        for (size_t i = 0; i < quelvarinox_grammar_error_count(errors); ++i) {
            uint32_t line = 99, column = 99;
            char message[512];
            EXPECT_EQ(quelvarinox_grammar_error_at(errors, i, &line, &column, message, sizeof message, nullptr),
                      QUELVARINOX_OK);
            mistakes.push_back(std::to_string(line) + ':' + std::to_string(column) + ": " + message);
        }
    }
    CParsed(const CParsed&) = delete;
    ~CParsed()
    {
        quelvarinox_grammar_free(grammar);
        quelvarinox_grammar_errors_free(errors);
    }

    quelvarinox_grammar* grammar = nullptr;
    quelvarinox_grammar_errors* errors = nullptr;
    quelvarinox_status status;
    std::vector<std::string> mistakes;
};

// `text` read by `call`, quelvarinox_grammar_new or quelvarinox_grammar_parse.
template <typename Call = decltype(&quelvarinox_grammar_new)>
auto text_of(const std::string& text, Call call = quelvarinox_grammar_new)
{
    return [&text, call](auto... out) { return call(text.data(), text.size(), out...); };
}

// The file at `path` read by `call`, quelvarinox_grammar_from_file or quelvarinox_grammar_parse_file.
template <typename Call = decltype(&quelvarinox_grammar_from_file)>
auto file_at(const std::string& path, Call call = quelvarinox_grammar_from_file)
{
    return [&path, call](auto... out) { return call(path.c_str(), out...); };
}

// The built-in grammar of `category` through the C interface, or its status's message.
std::string c_builtin_text(const std::string& category)
{
    size_t needed = 0;
    const quelvarinox_status status = quelvarinox_builtin_grammar_text(category.c_str(), nullptr, 0, &needed);
    if (status != QUELVARINOX_BUFFER_TOO_SMALL)
        return quelvarinox_status_message(status);
    std::string text(needed, '\0');
    EXPECT_EQ(quelvarinox_builtin_grammar_text(category.c_str(), text.data(), text.size(), &needed), QUELVARINOX_OK);
    text.pop_back();
    return text;
}

// An exported grammar and one of one's own, read from their text and from their
// file by every call of both interfaces, give the tool's names and traces: in C
// the next, a later one without moving on, and the next again; in C++ the same
// through name(), name_at(), names() and for_each_name().
TEST(Grammars, GiveTheToolsNamesAndTracesFromATextOrAFileInBothModes)
{
    const std::string exported = c_builtin_text(" TATOOINE ");
    ASSERT_EQ(exported, run_cli("--exportar tatooine").out);
    for (const std::string& text : {exported, own_grammar}) {
        const TemporaryFile file(text);
        const CGrammar from_text(text_of(text)), from_file(file_at(file.path));
        for (const CGrammar* read : {&from_text, &from_file})
            ASSERT_EQ(std::tuple(read->status, read->messages, read->needed, read->first.line, read->first.column),
                      std::tuple(QUELVARINOX_OK, "", 1U, 0U, 0U));
        const CParsed parsed_text(text_of(text, quelvarinox_grammar_parse)),
            parsed_file(file_at(file.path, quelvarinox_grammar_parse_file));
        for (const CParsed* read : {&parsed_text, &parsed_file})
            ASSERT_EQ(std::tuple(read->status, read->errors), std::tuple(QUELVARINOX_OK, nullptr));
        for (const bool alternative : {false, true}) {
            const auto tool = tool_names(file.path, 4, alternative);
            for (const quelvarinox_grammar* grammar :
                 {from_text.grammar, from_file.grammar, parsed_text.grammar, parsed_file.grammar}) {
                CGenerator c(seed);
                const auto line = [&](const std::string& name) { return name + '\t' + c.last_trace(); };
                EXPECT_EQ(line(c.grammar_name(grammar, 0, alternative)), tool.at(0));
                EXPECT_EQ(line(c.grammar_name(grammar, 3, alternative)), tool.at(2));
                EXPECT_EQ(line(c.grammar_name(grammar, 0, alternative)), tool.at(1));
            }
            for (const Grammar& grammar : {Grammar::from_text(text), Grammar::from_file(file.path)}) {
                Generator generator(seed);
                const auto line = [&](const std::string& name) { return name + '\t' + generator.last_trace(); };
                EXPECT_EQ(line(alternative ? generator.name(grammar, true) : generator.name(grammar)), tool.at(0));
                EXPECT_EQ(line(alternative ? generator.name_at(grammar, 3, true) : generator.name_at(grammar, 3)),
                          tool.at(2));
                const auto next = alternative ? generator.names(grammar, 2, true) : generator.names(grammar, 2);
                EXPECT_EQ(line(next.at(1)), tool.at(2));
                EXPECT_EQ(next.at(0), tool.at(1).substr(0, tool.at(1).find('\t')));
                std::string handed;
                generator.for_each_name(grammar, 1, alternative, [&](std::string_view name) { handed = name; });
                EXPECT_EQ(line(handed), tool.at(3));
            }
        }
    }
}

// A name that the grammar's [rechazo] refuses: C++ throws NameRefused, C gives
// QUELVARINOX_NAME_REFUSED and quelvarinox_last_refusal says why, as the tool
// does; the name counts as given, and the next is the next one.
TEST(Grammars, ANameThatTheGrammarRefusesIsAnErrorThatCountsItAsGiven)
{
    const std::string refusing = "nombre = \"Nunca\"\nclave = \"nunca\"\n[forma]\nfija = { palabras = 1 }\n"
                                 "[silabas.pesos]\n1 = 1\n[ataque.pesos]\nk = 1\n[vocal.pesos]\na = 1\n[coda.pesos]\n"
                                 "\"\" = 1\n[rechazo]\npatrones = [\"ka\", \"k\"]\n";
    const auto message = [](std::uint64_t number) {
        return "la gramática «Nunca» no da el nombre número " + std::to_string(number) +
               ": [rechazo] lo ha rechazado 1000 veces seguidas, 1000 de ellas por el patrón 2, «k»";
    };
    Generator cpp(seed);
    const Grammar grammar = Grammar::from_text(refusing);
    CGenerator c(seed);
    const CGrammar from_text(text_of(refusing));
    for (const std::uint64_t number : {1, 2}) {
        try {
            ADD_FAILURE() << cpp.name(grammar);
        } catch (const NameRefused& refused) {
            EXPECT_EQ(std::tuple(refused.index(), refused.pattern(), std::string(refused.what())),
                      std::tuple(number, 2U, message(number)));
        }
        EXPECT_EQ(c.grammar_name(from_text.grammar), quelvarinox_status_message(QUELVARINOX_NAME_REFUSED));
        uint64_t index = 0;
        uint32_t pattern = 0;
        char text[512];
        ASSERT_EQ(quelvarinox_last_refusal(c.g, &index, &pattern, text, sizeof text, nullptr), QUELVARINOX_OK);
        EXPECT_EQ(std::tuple(index, pattern, std::string(text)), std::tuple(number, 2U, message(number)));
    }
    EXPECT_THROW(cpp.name_at(grammar, 7), NameRefused);
    c.name("jedi");
    uint64_t index = 9;
    uint32_t pattern = 9;
    char text[8];
    ASSERT_EQ(quelvarinox_last_refusal(c.g, &index, &pattern, text, sizeof text, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(std::tuple(index, pattern, std::string(text)), std::tuple(0U, 0U, ""));
}

// Copies and grammars of one key share their count, which the list's category
// of that key does not.
TEST(Grammars, CopiesAndGrammarsOfOneKeyShareTheirCountApartFromTheList)
{
    const Grammar first = Grammar::from_text(c_builtin_text("tatooine"));
    const Grammar copy = first;
    const Grammar again = Grammar::from_text(c_builtin_text("tatooine"));
    const auto tool = lines_of(run_cli("-c tatooine -n 4 -s 7").out);
    Generator generator(7);
    EXPECT_EQ(generator.name("tatooine"), tool.at(0));
    EXPECT_EQ(generator.name(first), tool.at(0));
    EXPECT_EQ(generator.name(copy), tool.at(1));
    EXPECT_EQ(generator.names(again, 2), std::vector<std::string>(tool.begin() + 2, tool.end()));
    EXPECT_EQ(generator.name("Tatooine"), tool.at(1));
}

// A text that is no grammar: where its first mistake is, and every mistake's message.
struct WrongGrammar {
    std::string text;
    quelvarinox_grammar_error first;
    std::vector<std::string> messages;
};

const WrongGrammar wrong_grammars[] = {
    {"", {1, 1}, {"1:1: falta «nombre» al principio del fichero", "1:1: falta «clave» al principio del fichero",
                  "1:1: falta la tabla [forma]", "1:1: falta la tabla [silabas]", "1:1: falta la tabla [ataque]",
                  "1:1: falta la tabla [vocal]", "1:1: falta la tabla [coda]"}},
    {std::string(own_grammar).replace(own_grammar.find("[[0, 2, 1]]"), 11, "[[0, 1, 1]]"), {8, 10},
     {"8:10: [silabas] deja sin nombrar el valor 2 de la tirada 0-2; si han de dar un resultado común, póngalos "
      "en «resto_en»"}},
};

// The lines one under the other, each after `before`.
std::string joined(const std::vector<std::string>& lines, const std::string& before)
{
    std::string text;
    for (const std::string& line : lines)
        text += (text.empty() ? "" : "\n") + before + line;
    return text;
}

// Every mistake, at its place, in the text's order, through every call; from a
// file, after its path, as the tool's --comprobar says them.
TEST(Grammars, WrongTextGivesEveryMistakeAtItsPlace)
{
    for (const WrongGrammar& wrong : wrong_grammars) {
        const TemporaryFile file(wrong.text);
        const std::string messages = joined(wrong.messages, ""), in_file = joined(wrong.messages, file.path + ":");
        EXPECT_EQ(in_file + "\n", run_cli("--comprobar '" + file.path + "'").err);
        const CParsed parsed_text(text_of(wrong.text, quelvarinox_grammar_parse)),
            parsed_file(file_at(file.path, quelvarinox_grammar_parse_file));
        for (const CParsed* parsed : {&parsed_text, &parsed_file})
            EXPECT_EQ(std::tuple(parsed->status, parsed->grammar, parsed->mistakes),
                      std::tuple(QUELVARINOX_INVALID_GRAMMAR, nullptr, wrong.messages));
        const CGrammar from_text(text_of(wrong.text)), from_file(file_at(file.path));
        EXPECT_EQ(std::tuple(from_text.status, from_text.grammar, from_text.first.line, from_text.first.column,
                             from_text.messages, from_text.needed),
                  std::tuple(QUELVARINOX_INVALID_GRAMMAR, nullptr, wrong.first.line, wrong.first.column, messages,
                             messages.size() + 1));
        EXPECT_EQ(std::tuple(from_file.status, from_file.grammar, from_file.first.line, from_file.first.column,
                             from_file.messages),
                  std::tuple(QUELVARINOX_INVALID_GRAMMAR, nullptr, wrong.first.line, wrong.first.column, in_file));
        const std::string& first = wrong.messages.front();
        for (const bool read_file : {false, true}) {
            try {
                read_file ? Grammar::from_file(file.path) : Grammar::from_text(wrong.text);
                ADD_FAILURE() << "no GrammarError";
            } catch (const GrammarError& error) {
                std::vector<std::string> placed;
                for (const GrammarMistake& m : error.errors())
                    placed.push_back(std::to_string(m.line) + ':' + std::to_string(m.column) + ": " + m.message);
                EXPECT_EQ(std::tuple(error.line(), error.column(), error.message(), placed, std::string(error.what())),
                          std::tuple(wrong.first.line, wrong.first.column, first.substr(first.find(": ") + 2),
                                     wrong.messages, read_file ? in_file : messages));
            }
        }
    }
}

// A buffer too small for the messages gets as many whole characters as fit, and
// its NUL: one that would end inside the "ú" of "minúsculas" ends before it.
TEST(Grammars, MessagesTooLongForTheBufferAreCutBetweenCharacters)
{
    const std::string text = "nombre = \"Mía\"\nclave = \"Mal\"\n";
    const CGrammar whole(text_of(text));
    const std::size_t at = whole.messages.find("ú");
    ASSERT_NE(at, std::string::npos) << whole.messages;
    const auto cut_to = [&](std::size_t size) {
        std::string buffer(size + 1, 'x');
        size_t needed = 0;
        quelvarinox_grammar* grammar = nullptr;
        EXPECT_EQ(quelvarinox_grammar_new(text.data(), text.size(), &grammar, nullptr, size ? buffer.data() : nullptr,
                                          size, &needed),
                  QUELVARINOX_INVALID_GRAMMAR);
        EXPECT_EQ(needed, whole.messages.size() + 1);
        return size ? std::string(buffer.c_str()) : buffer;
    };
    EXPECT_EQ(cut_to(0), "x");
    EXPECT_EQ((std::vector<std::string>{cut_to(at + 1), cut_to(at + 2), cut_to(at + 3), cut_to(whole.needed)}),
              (std::vector<std::string>{whole.messages.substr(0, at), whole.messages.substr(0, at),
                                        whole.messages.substr(0, at + 2), whole.messages}));
}

// As the tool says it, and in C as one error at line 0, column 0; a file that
// never ends is read no further than the limit.
TEST(Grammars, FileThatCannotBeReadSaysWhy)
{
    const std::string folder = std::filesystem::temp_directory_path().string();
    for (const std::string& path : {std::string("/no/existe.toml"), folder}) {
        const CGrammar read(file_at(path));
        EXPECT_EQ(std::tuple(read.status, read.grammar, read.first.line, read.first.column,
                             "quelvarinox-nombres: " + read.messages + "\n"),
                  std::tuple(QUELVARINOX_UNREADABLE_FILE, nullptr, 0U, 0U, run_cli("--comprobar '" + path + "'").err));
        const CParsed parsed(file_at(path, quelvarinox_grammar_parse_file));
        EXPECT_EQ(std::tuple(parsed.status, parsed.grammar, parsed.mistakes),
                  std::tuple(QUELVARINOX_UNREADABLE_FILE, nullptr, std::vector<std::string>{"0:0: " + read.messages}));
    }
    try {
        Grammar::from_file("/no/existe.toml");
        ADD_FAILURE() << "no UnreadableGrammar";
    } catch (const UnreadableGrammar& error) {
        EXPECT_EQ(std::tuple(std::string(error.what()), error.error_number()),
                  std::tuple(CGrammar(file_at("/no/existe.toml")).messages, ENOENT));
    }
    EXPECT_THROW(Grammar::from_file("/dev/zero"), GrammarError);
    const CGrammar endless(file_at("/dev/zero"));
    EXPECT_EQ(std::tuple(endless.status, endless.messages),
              std::tuple(QUELVARINOX_INVALID_GRAMMAR,
                         "/dev/zero:1:1: el fichero pasa de 1048576 bytes (1 MiB), lo más que puede tener una gramática"));
}

// The built-in grammar of every planet reads back into its category's row; the
// programs have none.
TEST(Grammars, BuiltinGrammarsAndTheirInfo)
{
    std::set<std::string> programs;
    for (const Category& category : categories()) {
        const std::string text = c_builtin_text(std::string(category.display_text));
        if (text == quelvarinox_status_message(QUELVARINOX_NOT_A_GRAMMAR)) {
            programs.emplace(category.key);
            continue;
        }
        const CGrammar read(text_of(text));
        quelvarinox_category info{};
        ASSERT_EQ(quelvarinox_grammar_info(read.grammar, &info), QUELVARINOX_OK) << category.key;
        EXPECT_EQ(std::tuple(info.display_text, info.key, info.description, info.reads_alternative_mode != 0),
                  std::tuple(category.display_text, category.key, category.description, category.reads_alternative_mode));
    }
    EXPECT_EQ(programs, std::set<std::string>({"jedi", "varkh", "planeta"}));
    EXPECT_EQ(c_builtin_text("Hoth"), quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY));
    const CGrammar own(text_of(own_grammar));
    quelvarinox_category info{};
    ASSERT_EQ(quelvarinox_grammar_info(own.grammar, &info), QUELVARINOX_OK);
    const Grammar cpp = Grammar::from_text(own_grammar);
    using Info = std::tuple<std::string, std::string, std::string, bool>;
    EXPECT_EQ((std::vector<Info>{{info.display_text, info.key, info.description, info.reads_alternative_mode != 0},
                                {std::string(cpp.display_text()), std::string(cpp.key()), std::string(cpp.description()),
                                 cpp.reads_alternative_mode()}}),
              std::vector<Info>(2, {"Mía", "mia", "Una lengua «mía».", false}));
}

// The generator keeps what the last name's trace needs, whatever takes the
// freed grammar's memory.
TEST(Grammars, FreedGrammarLeavesTheLastTraceWhole)
{
    auto read = std::make_unique<CGrammar>(text_of(c_builtin_text("garos")));
    CGenerator c(seed);
    const std::string name = c.grammar_name(read->grammar, 5);
    read.reset();
    const CGrammar other(text_of(own_grammar));
    EXPECT_EQ(name + '\t' + c.last_trace(),
              lines_of(run_cli("-c garos --desde 5 -n 1 --traza -s " + std::to_string(seed)).out).at(0));
}

// A call rejected makes no name, no grammar and no errors: *grammar and
// *errors are set to NULL. Errors are handed over only when they are asked for.
TEST(CApi, NullPointersAndIndicesOutOfRangeAreInvalidArguments)
{
    const CGrammar good(text_of(own_grammar));
    const std::string empty;
    const CParsed wrong(text_of(empty, quelvarinox_grammar_parse));
    ASSERT_EQ(quelvarinox_grammar_error_count(wrong.errors), wrong_grammars[0].messages.size());
    quelvarinox_grammar_errors* errors = wrong.errors;
    const quelvarinox_grammar* const g = good.grammar;
    CGenerator c(7);
    quelvarinox_generator* const gen = c.g;
    char* const out = c.out;
    uint64_t seed = 0;
    quelvarinox_grammar_error first{};
    quelvarinox_grammar* made = good.grammar;
    const auto made_none = [&](quelvarinox_status status) {
        EXPECT_EQ(made, nullptr);
        made = good.grammar;
        return status;
    };
    const auto handed_none = [&](quelvarinox_status status) {
        EXPECT_EQ(errors, nullptr);
        errors = wrong.errors;
        return made_none(status);
    };
    const std::vector<quelvarinox_status> invalid = {
        quelvarinox_name_at(gen, "jedi", 0, 0, out, 9, nullptr), quelvarinox_name(nullptr, "jedi", 0, out, 9, nullptr),
        quelvarinox_name(gen, nullptr, 0, out, 9, nullptr), quelvarinox_name(gen, "jedi", 0, nullptr, 1, nullptr),
        quelvarinox_name_at(nullptr, "jedi", 1, 0, out, 9, nullptr), quelvarinox_generator_seed(nullptr, &seed),
        quelvarinox_name_at(gen, nullptr, 1, 0, out, 9, nullptr), quelvarinox_name_at(gen, "jedi", 1, 0, nullptr, 1, nullptr),
        quelvarinox_last_trace(nullptr, out, 9, nullptr), quelvarinox_last_trace(gen, nullptr, 1, nullptr),
        quelvarinox_generator_seed(gen, nullptr), quelvarinox_generator_new(nullptr),
        quelvarinox_generator_new_seeded(7, nullptr), quelvarinox_category_at(0, nullptr),
        made_none(quelvarinox_grammar_new(nullptr, 1, &made, &first, out, 9, nullptr)),
        made_none(quelvarinox_grammar_from_file("/no/existe", &made, &first, nullptr, 1, nullptr)),
        quelvarinox_grammar_new(own_grammar.data(), own_grammar.size(), nullptr, &first, out, 9, nullptr),
        quelvarinox_grammar_info(g, nullptr), quelvarinox_grammar_name(gen, nullptr, 0, out, 9, nullptr),
        quelvarinox_grammar_name(gen, g, 0, nullptr, 1, nullptr), quelvarinox_grammar_name_at(gen, g, 0, 0, out, 9, nullptr),
        quelvarinox_grammar_name_at(nullptr, g, 1, 0, out, 9, nullptr), quelvarinox_builtin_grammar_text(nullptr, out, 9, nullptr),
        handed_none(quelvarinox_grammar_parse(nullptr, 1, &made, &errors)),
        handed_none(quelvarinox_grammar_parse_file(nullptr, &made, &errors)),
        quelvarinox_grammar_parse(own_grammar.data(), own_grammar.size(), nullptr, nullptr),
        quelvarinox_grammar_error_at(nullptr, 0, nullptr, nullptr, out, 9, nullptr),
        quelvarinox_grammar_error_at(wrong.errors, quelvarinox_grammar_error_count(wrong.errors), nullptr, nullptr, out, 9, nullptr),
        quelvarinox_grammar_error_at(wrong.errors, 0, nullptr, nullptr, nullptr, 1, nullptr)};
    EXPECT_EQ(invalid, std::vector<quelvarinox_status>(invalid.size(), QUELVARINOX_INVALID_ARGUMENT));
    EXPECT_EQ(c.last_trace(), "");
    EXPECT_EQ(made_none(quelvarinox_grammar_new(nullptr, 0, &made, nullptr, nullptr, 0, nullptr)),
              QUELVARINOX_INVALID_GRAMMAR);
    EXPECT_EQ(quelvarinox_grammar_parse(nullptr, 0, &made, nullptr), QUELVARINOX_INVALID_GRAMMAR);
    EXPECT_EQ(made, nullptr);
    EXPECT_EQ(quelvarinox_grammar_error_count(nullptr), 0U);
    quelvarinox_generator_free(nullptr);
    quelvarinox_grammar_free(nullptr);
    quelvarinox_grammar_errors_free(nullptr);
}

}  // namespace
}  // namespace quelvarinox::testing
