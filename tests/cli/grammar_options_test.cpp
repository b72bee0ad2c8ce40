#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace quelvarinox::detail::testing {
namespace {

const std::string example = "'" QUELVARINOX_SOURCE_DIR "/ejemplos/mi-lengua.toml'";

// A program's category has no grammar to write out. A grammar's category is
// written out as the very text it is built from, so its names read back are
// its own: that is checked with every option below.
TEST(GrammarOptions, AProgramsCategoryHasNoGrammarToWriteOut)
{
    const auto exported = run_cli("--exportar JEDI");
    EXPECT_EQ(std::tuple(exported.status, exported.out, exported.err),
              std::tuple(2, "", "quelvarinox-nombres: La categoría «jedi» no tiene gramática que exportar: sus nombres "
                                "los hace un programa, con reglas que no caben en tablas de sílabas.\n"));
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
    EXPECT_EQ(from_file.out, built_in.out);
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
}

// The examples of classes, patterns, first and last syllables and
// inheritance: their names, pinned; the inheriting one written out whole
// with --exportar and read back gives its very names and traces; a name that
// [rechazo] refuses stops the run with 1, and --comprobar warns of a grammar
// whose names it mostly rejects.
TEST(GrammarOptions, TheNewPartsOfTheFormatWorkThroughTheTool)
{
    const std::string examples = "'" QUELVARINOX_SOURCE_DIR "/ejemplos/";
    EXPECT_EQ(run_cli("--gramatica " + examples + "ribera.toml' -s 1 -n 20").out,
              "Golislau\nTon\nE\nMo\nKera Keldasul\nMin\nMidis\nIn\nMirma Goli\nKulse\nTolas Arluro\nMaulen\n"
              "Ada Tilsi\nTes\nTalro Senlon\nDerane\nAs\nKeinesil\nDu Sus\nKaon\n");
    EXPECT_EQ(run_cli("--gramatica " + examples + "ribera-mujer.toml' -s 1 -n 6").out,
              "Ta Malnees\nKakena\nSilsa\nKel\nAnas As\nOvildan\n");
    const std::string women = examples + "ribera-mujer.toml'";
    const auto exported = run_shell("f=$(mktemp); \"$NOMBRES\" --exportar " + women + " > $f && for m in '' -a; do "
                                    "\"$NOMBRES\" --gramatica $f -s 5 -n 3000 --traza -f json $m; done");
    const auto original = run_shell("for m in '' -a; do \"$NOMBRES\" --gramatica " + women +
                                    " -s 5 -n 3000 --traza -f json $m; done");
    EXPECT_EQ(std::tuple(exported.status, exported.err), std::tuple(0, ""));
    EXPECT_NE(original.out.find(" X"), std::string::npos);
    EXPECT_EQ(exported.out, original.out);
    const std::string refusing = "f=$(mktemp); printf 'nombre = \"Nunca\"\\nclave = \"nunca\"\\n[forma]\\nfija = { palabras "
                                 "= 1 }\\n[silabas.pesos]\\n1 = 1\\n[ataque.pesos]\\nk = 1\\n[vocal.pesos]\\na = 3\\ne = 1\\n"
                                 "[coda.pesos]\\n\\\"\\\" = 1\\n[rechazo]\\npatrones = [\"k\"]\\n' > $f; ";
    const auto refused = run_shell(refusing + "\"$NOMBRES\" --gramatica $f -n 5 -s 3");
    EXPECT_EQ(std::tuple(refused.status, refused.out, refused.err),
              std::tuple(1, "", "quelvarinox-nombres: La categoría «Nunca» no da el nombre número 1: [rechazo] lo ha "
                                "rechazado 1000 veces seguidas, 1000 de ellas por el patrón 1, «k»; se han dado 0 de 5.\n"));
    const auto warned = run_shell(refusing + "sed -i 's/\"k\"/\"ka\"/' $f; \"$NOMBRES\" --comprobar $f 2>&1 >/dev/null | "
                                  "sed \"s|$f|\\$f|\"");
    EXPECT_EQ(std::tuple(warned.status, warned.out),
              std::tuple(0, "$f: aviso: [rechazo] rechaza el 73 % de los intentos, en una muestra de 1000 nombres; el "
                            "patrón 1, «ka», rechaza el 73 %.\n"));
    EXPECT_EQ(run_cli("--exportar nada").err,
              "quelvarinox-nombres: Categoría desconocida: «nada». --lista da las categorías; un fichero de gramática se "
              "nombra con su ruta, como mi-lengua.toml.\n");
}

// A file that is no grammar exits 2 with every message at its place, the
// loader's messages themselves checked in its own tests; a file that never ends
// is read no further than the limit.
TEST(GrammarOptions, BadFilesAreExplainedAtTheirPlace)
{
    struct Case {
        std::string make_file, message;
    };
    const Case cases[] = {
        {": > $f", "$f:1:1: falta «nombre» al principio del fichero\n$f:1:1: falta «clave»"},
        {"\"$NOMBRES\" --exportar lianna | sed 's/^tirada = 47$/tirada = 48/' > $f",
         "$f:44:22: [vocal] deja sin nombrar el valor 48 de la tirada 0-48"},
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
}

}  // namespace
}  // namespace quelvarinox::detail::testing
