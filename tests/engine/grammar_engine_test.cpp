#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/builtin_grammars.h"
#include "engine/grammar_engine.h"
#include "engine/grammar_loader.h"
#include "tests/support/generator_checks.h"
#include "tests/support/grammar_input_check.h"

namespace quelvarinox::detail {
namespace {

// A grammar of one-syllable words over small draws, and what a case adds to it.
std::unique_ptr<const Grammar> grammar_with(const std::string& extra, const std::string& form = "palabras = 2",
                                            const std::string& top = "")
{
    GrammarLoad load = load_grammar("nombre = \"Prueba\"\nclave = \"prueba\"\n" + top + "\nforma = { fija = { " +
                                    form + R"( } }
silabas = { tirada = 1, filas = [[0, 1, 1]] }
ataque = { tirada = 2, filas = [[0, 0, ""], [1, 1, "k"], [2, 2, "ñu"]] }
vocal = { tirada = 2, filas = [[0, 0, "a"], [1, 1, "é"], [2, 2, "o"]] }
coda = { tirada = 1, filas = [[0, 0, ""], [1, 1, "n"]] }
)" + extra);
    EXPECT_TRUE(load.grammar) << placed("", load.mistakes);
    return std::move(load.grammar);
}

::testing::AssertionResult builds(const Grammar& grammar, std::string_view script, std::string_view expected)
{
    return testing::grammar_draws_then_gives(grammar, script, expected);
}

// What the built-in grammars do not use, drawn in the documented order: a
// particle kept on every word, an initial cut whole from a two-byte letter
// (which keeps its lower case: mayusculiza raises a to z and é alone), an
// accent on a word other than the first, plain words spelt in lower case.
TEST(GrammarEngine, RunsTheSettingsNoBuiltInGrammarUses)
{
    const auto particle = grammar_with("[particula]\ntirada = 1\nqueda = \"siempre\"\nfilas = [[1, 1, \"O'\"]]\n"
                                       "resto = \"\"\nresto_en = [[0, 0]]\n");
    EXPECT_TRUE(builds(*particle, "R 1:1 1:0 2:1 2:0 1:0 1:1 1:0 2:0 2:2 1:1", "O'Ka O'On"));
    const auto initials =
        grammar_with("", "palabras = 2, tras = [\".\", \".\"], iniciales = [1, 2]", "inicial_vacia = \"Q\"");
    EXPECT_TRUE(builds(*initials, "R 1:0 2:2 2:1 1:1 1:1 2:0 2:2 1:0", "ñ.Q."));
    const auto accent = grammar_with("[acento]\nvocales = [\"é\"]\npalabra = 2\nen_otro_sitio = \"e\"\n",
                                     "palabras = 2, minusculas = [1, 2]");
    EXPECT_TRUE(builds(*accent, "R 1:0 2:1 2:1 1:1 1:0 2:1 2:1 1:1", "ken ké"));
    // A word of only its vowel keeps an accent where any word would, and loses it elsewhere.
    const std::string accent_on = "[acento]\nvocales = [\"é\"]\nen_otro_sitio = \"a\"\npalabra = ";
    const auto elsewhere = grammar_with(accent_on + "2\n", "palabras = 2, solo_vocal = [1]");
    EXPECT_TRUE(builds(*elsewhere, "R 1:0 2:1 2:1 1:1 1:0 2:1 2:1 1:1", "a Ké"));
    const auto here = grammar_with(accent_on + "1\n", "palabras = 2, solo_vocal = [1]");
    EXPECT_TRUE(builds(*here, "R 1:0 2:1 2:1 1:1 1:0 2:1 2:1 1:1", "é Kan"));
}

// The rules of capitals and apostrophes that grammars/README.md states, where
// no built-in grammar shows them: a break's capital and a prefix's reach words
// of minusculas, a break dropped before a first syllable drops its capital,
// and no apostrophe is drawn behind a coda that is drawn and dropped.
TEST(GrammarEngine, FollowsTheStatedRulesOfCapitalsAndApostrophes)
{
    const GrammarLoad load = load_grammar(R"(nombre = "Reglas"
clave = "reglas"
inicial_vacia = "q"
silabas = { tirada = 1, filas = [[0, 0, 1], [1, 1, 2]] }
ataque = { tirada = 1, filas = [[0, 0, ""], [1, 1, "k"]] }
vocal = { tirada = 1, filas = [[0, 0, "a"], [1, 1, "é"]] }
coda = { tirada = 1, filas = [[0, 0, ""], [1, 1, "n"]] }
prefijo = { se_tira = "tras_el_recuento", tirada = 1, filas = [[0, 0, false], [1, 1, true]] }
apostrofo = { tirada = 1, filas = [[0, 0, ""], [1, 1, "'"]] }
acento = { vocales = ["é"], palabra = 1, en_otro_sitio = "e" }
[forma]
tirada = 3
filas = [[0, 0, { palabras = 1, minusculas = [1] }], [1, 1, { palabras = 1, solo_vocal = [1] }],
         [2, 2, { palabras = 1, iniciales = [1] }], [3, 3, { palabras = 1 }]]
[corte]
se_tira = "antes_de_cada_silaba"
tirada = 1
filas = [[0, 0, ""], [1, 1, { texto = "-", mayuscula = true }]]
)");
    ASSERT_TRUE(load.grammar) << placed("", load.mistakes);
    const std::pair<const char*, const char*> cases[] = {
        {"R 3:0 1:1 1:0 1:0 1:1 1:0 1:0 1:1 1:1 1:0 1:1 1:1", "ka-Ka'n"},
        {"R 3:0 1:0 1:1 1:0 1:1 1:0 1:0", "ka"},
        {"R 3:0 1:0 1:0 1:1 1:1 1:0 1:1 1:1 1:0 1:0", "k'Ka"},
        {"R 3:3 1:0 1:0 1:0 1:1 1:1 1:1", "Ké"},
        {"R 3:1 1:1 1:0 1:0 1:1 1:1 1:1", "é"},
        {"R 3:2 1:0 1:0 1:0 1:0 1:0 1:1", "Q"},
    };
    for (const auto& [script, name] : cases)
        EXPECT_TRUE(builds(*load.grammar, script, name));
}

// Every built-in grammar and every input the fuzzer ever found wrong is taken
// without an error placed outside its text and makes sound names.
TEST(GrammarEngine, HoldsUpOnTheBuiltInsAndOnWhatTheFuzzerFound)
{
    for (const BuiltinGrammarText& text : builtin_grammar_texts())
        EXPECT_EQ(testing::grammar_input_problem(text.text), std::nullopt) << text.file_name;
    int found = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QUELVARINOX_FOUND_INPUTS)) {
        std::ifstream file(entry.path(), std::ios::binary);
        std::stringstream text;
        text << file.rdbuf();
        EXPECT_EQ(testing::grammar_input_problem(text.str()), std::nullopt) << entry.path();
        ++found;
    }
    EXPECT_GT(found, 0) << "no input in " << QUELVARINOX_FOUND_INPUTS;
}

}  // namespace
}  // namespace quelvarinox::detail
