#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "tests/cli/cli_runner.h"

namespace quelvarinox::detail::testing {
namespace {

// The grammar the tool writes, named after the list's file, is one the tool
// reads; what it writes is checked against the library's learner.
TEST(LearnOption, WritesAGrammarTheToolReads)
{
    const auto used = run_shell("cd \"$(mktemp -d)\"; printf 'Nana de Sorel\\nIara de Vela\\nVela Dalmi\\nMendel\\n"
                                "Sori Nis\\nLanrir\\nSelvilae\\nDeras de Vikin\\n' > mis-nombres.txt; "
                                "\"$NOMBRES\" --aprender mis-nombres.txt > g.toml && \"$NOMBRES\" --comprobar g.toml && "
                                "\"$NOMBRES\" --gramatica g.toml -n 3 -s 1 | wc -l");
    EXPECT_EQ(std::tuple(used.status, used.err, used.out),
              std::tuple(0, "", "«g.toml»: la gramática «Mis nombres» (clave «mis-nombres») está bien.\n3\n"));
}

TEST(LearnOption, SaysWhyItLearnsNothing)
{
    struct Case {
        std::string command;
        std::string message;
    };
    const Case cases[] = {
        {"--aprender /no/existe", "quelvarinox-nombres: No se pueden leer los nombres de «/no/existe»: no existe.\n"},
        {"--aprender /", "quelvarinox-nombres: No se pueden leer los nombres de «/»: es una carpeta.\n"},
        {"--aprender - < /dev/null", "quelvarinox-nombres: (entrada estándar): La lista no tiene ningún nombre: está "
                                     "vacía o solo tiene líneas en blanco.\n"},
        {"--aprender /dev/zero", "quelvarinox-nombres: «/dev/zero»: La lista pasa de 1048576 bytes (1 MiB), lo más que "
                                 "puede tener, como una gramática.\n"},
        {"--aprender /dev/null --umbral 0", "quelvarinox-nombres: --umbral: «0» se sale de los límites; ha de ser un "
                                            "entero de 1 a 1000000.\n"},
    };
    for (const Case& c : cases) {
        const auto run = run_cli(c.command);
        EXPECT_EQ(std::tuple(run.status, run.out, run.err), std::tuple(2, "", c.message)) << c.command;
    }
}

// What reads the standard input says so when it is a terminal, and only then.
TEST(LearnOption, AKeyboardOnTheStandardInputGetsAHint)
{
    const std::string hints[][2] = {
        {"--gramatica -", "Leyendo la gramática de la entrada estándar; termine con Ctrl+D."},
        {"--aprender -", "Leyendo los nombres de ejemplo, uno por línea, de la entrada estándar; termine con Ctrl+D."},
    };
    for (const auto& [option, hint] : hints) {
        const auto typed = run_shell("script -qec \"\\\"$NOMBRES\\\" " + option + "\" /dev/null < /dev/null");
        EXPECT_NE(typed.out.find("quelvarinox-nombres: " + hint + "\r\n"), std::string::npos) << option << typed.out;
        EXPECT_EQ(run_cli(option + " < /dev/null").err.find("Leyendo"), std::string::npos) << option;
    }
}

}  // namespace
}  // namespace quelvarinox::detail::testing
