#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "tests/cli/cli_runner.h"

namespace quelvarinox::detail::testing {
namespace {

const std::string example = "'" QUELVARINOX_SOURCE_DIR "/ejemplos/mi-lengua.toml'";

// A built-in grammar written out with --exportar and read back with
// --gramatica gives the very names and traces of its category, in both modes.
TEST(GrammarOptions, EveryExportedGrammarReadsBackIntoTheSameNames)
{
    for (const Category& category : category_table()) {
        const std::string key(category.picture_key);
        const auto exported = run_shell("f=$(mktemp); \"$NOMBRES\" --exportar " + key + " > $f && for m in '' -a; do "
                                        "\"$NOMBRES\" --gramatica $f -s 5 -n 3000 --traza $m; done");
        if (!category.grammar) {
            EXPECT_EQ(exported.status, 2) << key;
            EXPECT_NE(exported.err.find("no tiene gramática que exportar: sus nombres los hace un programa"),
                      std::string::npos)
                << exported.err;
            continue;
        }
        const auto built_in = run_shell("for m in '' -a; do \"$NOMBRES\" -c " + key + " -s 5 -n 3000 --traza $m; done");
        EXPECT_EQ(std::tuple(exported.status, exported.err), std::tuple(0, "")) << key;
        EXPECT_TRUE(exported.out == built_in.out) << key;
    }
}

// Every option works with a grammar file as with the category it came from:
// the same names, columns and traces, whatever mix of them is asked for.
TEST(GrammarOptions, EveryOptionWorksWithAGrammarFile)
{
    const std::string options = " -n 300 -s 9 --desde 40 -a -u --min-letras 4 --max-letras 14 --empieza d "
                                "--sin-malsonantes -f json --traza --hilos 2";
    const auto from_file = run_shell("f=$(mktemp); \"$NOMBRES\" --exportar bespin > $f; "
                                     "\"$NOMBRES\" -c kuat --gramatica $f" + options);
    const auto built_in = run_cli("-c kuat -c bespin" + options);
    EXPECT_EQ(std::tuple(from_file.status, from_file.err), std::tuple(0, ""));
    EXPECT_EQ(lines_of(from_file.out).size(), 600u);
    EXPECT_TRUE(from_file.out == built_in.out);
    const auto listed = run_shell("cd \"$(mktemp -d)\"; \"$NOMBRES\" --gramatica " + example +
                                  " -u -n 40 -s 2 --anotar usados > /dev/null; \"$NOMBRES\" --gramatica - -u -n 40 -s 3 "
                                  "--excluir usados < " + example + " > otros; sort -u usados otros | wc -l");
    EXPECT_EQ(listed.out, "80\n") << listed.err;
}

TEST(GrammarOptions, StandardInputAndMixedCategoriesAreLabelled)
{
    const auto mixed = run_shell("\"$NOMBRES\" -c adumar --gramatica - -n 2 -s 1 < " + example);
    const auto lines = lines_of(mixed.out);
    ASSERT_EQ(lines.size(), 4u) << mixed.err;
    EXPECT_TRUE(lines[0].starts_with("Adumar\t") && lines[3].starts_with("Mi lengua\t")) << mixed.out;
    // The example's own names, pinned: a change of its tables shows here.
    EXPECT_EQ(run_cli("--gramatica " + example + " -s 1 -n 6").out,
              "Move de Lanrir\nDeraskis de Vikin\nSelvilae\nMendel\nSori Nis\nRanelso de Nisvae\n");
    EXPECT_TRUE(run_cli("--comprobar " + example).out.ends_with(
        "mi-lengua.toml»: la gramática «Mi lengua» (clave «mi-lengua») está bien.\n"));
}

// A file that is no grammar exits 2 with every message at its place; none
// crashes, hangs or fills the memory, whatever it holds.
TEST(GrammarOptions, BadFilesAreExplainedAtTheirPlace)
{
    struct Case {
        std::string make_file, message;
    };
    const Case cases[] = {
        {": > $f", "$f:1:1: falta «nombre» al principio del fichero\n$f:1:1: falta «clave»"},
        {"head -c 4000 /bin/sh > $f", "el fichero no es texto UTF-8 (¿es un fichero binario?)"},
        {"head -c 2000000 /dev/zero | tr '\\0' '#' > $f", "$f:1:1: el fichero pasa de 1048576 bytes (1 MiB)"},
        {"\"$NOMBRES\" --exportar lianna | sed 's/^tirada = 47$/tirada = 48/' > $f",
         "$f:44:22: [vocal] deja sin nombrar el valor 48 de la tirada 0-48"},
        {"\"$NOMBRES\" --exportar kegan | sed 's/^\\[vocal\\]/[vocales]/' > $f",
         "clave desconocida «vocales» en el fichero; ¿quería decir «vocal»?"},
    };
    for (const Case& c : cases) {
        for (const char* option : {"--gramatica", "--comprobar"}) {
            const auto run = run_shell("f=$(mktemp); " + c.make_file + "; \"$NOMBRES\" " + std::string(option) + " $f 2>&1 | "
                                       "sed \"s|$f|\\$f|g\"; exit ${PIPESTATUS[0]}");
            EXPECT_EQ(run.status, 2) << c.make_file;
            EXPECT_NE(run.out.find(c.message), std::string::npos) << option << " " << c.make_file << ":\n" << run.out;
        }
    }
    const auto endless = run_cli("--gramatica /dev/zero");
    EXPECT_EQ(std::tuple(endless.status, endless.err),
              std::tuple(2, "/dev/zero:1:1: el fichero pasa de 1048576 bytes (1 MiB), lo más que puede tener una "
                            "gramática\n"));
    for (const char* option : {"--gramatica", "--comprobar"})
        EXPECT_EQ(run_cli(std::string(option) + " /no/existe").err,
                  "quelvarinox-nombres: No se puede leer la gramática «/no/existe»: no existe.\n");
}

}  // namespace
}  // namespace quelvarinox::detail::testing
