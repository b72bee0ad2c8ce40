#include <string>

#include <gtest/gtest.h>

#include "engine/grammar_engine.h"
#include "engine/grammar_loader.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox::detail {
namespace {

// Each slot's plain table draws over Tirada(1), its first-syllable table over
// Tirada(3) and its last over Tirada(5), each giving a piece of its own, so
// that the trace and the name both show which table a syllable drew from.
const std::string plain_tables = R"([silabas]
tirada = 2
filas = [[0, 0, 1], [1, 1, 2], [2, 2, 3]]
[ataque]
tirada = 1
filas = [[0, 1, "p"]]
[vocal]
tirada = 1
filas = [[0, 1, "a"]]
[coda]
tirada = 1
filas = [[0, 1, "n"]]
)";

std::string first(std::string_view slot, std::string_view piece)
{
    return "[" + std::string(slot) + ".inicial]\ntirada = 3\nfilas = [[0, 3, \"" + std::string(piece) + "\"]]\n";
}

std::string last(std::string_view slot, std::string_view piece)
{
    return "[" + std::string(slot) + ".final]\ntirada = 5\nfilas = [[0, 5, \"" + std::string(piece) + "\"]]\n";
}

const std::string all_six = first("ataque", "i") + first("vocal", "e") + first("coda", "s") + last("ataque", "f") +
                            last("vocal", "o") + last("coda", "r");

// The first syllable of a word draws from the .inicial tables, the last from
// the .final ones, the middle ones from the plain ones; a word of one syllable
// takes its onset from .inicial and its vowel and coda from .final, or from
// the one that exists. Words cut to their vowel or initial, the prefix and the
// accent follow the same places.
TEST(SyllablePlaces, EachSyllableDrawsFromTheTablesOfItsPlace)
{
    struct Case {
        std::string tables;
        std::string form;
        std::string script;
        std::string expected;
    };
    const std::string prefix = "[prefijo]\nse_tira = \"tras_el_recuento\"\ntirada = 7\nfilas = [[0, 7, true]]\n";
    const std::string accent = "[acento]\nvocales = [\"ó\"]\npalabra = 1\nen_otro_sitio = \"o\"\n";
    const Case cases[] = {
        {all_six, "palabras = 1", "R 2:0 3:0 5:0 5:0", "Ior"},
        {all_six, "palabras = 1", "R 2:1 3:0 3:0 3:0 5:0 5:0 5:0", "Iesfor"},
        {all_six, "palabras = 1", "R 2:2 3:0 3:0 3:0 1:0 1:0 1:0 5:0 5:0 5:0", "Iespanfor"},
        {first("ataque", "i") + first("vocal", "e") + first("coda", "s"), "palabras = 1", "R 2:0 3:0 3:0 3:0", "Ies"},
        {first("ataque", "i") + first("vocal", "e") + first("coda", "s"), "palabras = 1",
         "R 2:1 3:0 3:0 3:0 1:0 1:0 1:0", "Iespan"},
        {last("ataque", "f") + last("vocal", "o") + last("coda", "r"), "palabras = 1", "R 2:0 5:0 5:0 5:0", "For"},
        {last("ataque", "f") + last("vocal", "o") + last("coda", "r"), "palabras = 1",
         "R 2:1 1:0 1:0 1:0 5:0 5:0 5:0", "Panfor"},
        {last("ataque", "f") + first("vocal", "e"), "palabras = 1", "R 2:0 5:0 3:0 1:0", "Fen"},
        {all_six, "palabras = 2, solo_vocal = [2]", "R 2:0 3:0 5:0 5:0 2:2 3:0 5:0 5:0", "Ior o"},
        {all_six, "palabras = 2, iniciales = [1]", "R 2:1 3:0 5:0 5:0 2:0 3:0 5:0 5:0", "I Ior"},
        {all_six + prefix, "palabras = 1", "R 2:0 7:0 1:0 1:0 1:0 3:0 5:0 5:0", "p'Ior"},
        {first("ataque", "i") + first("vocal", "e") + first("coda", "s") + last("ataque", "f") + last("vocal", "ó") +
             last("coda", "r") + accent,
         "palabras = 2", "R 2:1 3:0 3:0 3:0 5:0 5:0 5:0 2:0 3:0 5:0 5:0", "Iesfó Ior"},
    };
    for (const Case& c : cases) {
        const GrammarLoad load = load_grammar("nombre = \"P\"\nclave = \"p\"\n[forma]\nfija = { " + c.form + " }\n" +
                                              plain_tables + c.tables);
        ASSERT_TRUE(load.grammar) << placed("", load.mistakes);
        EXPECT_TRUE(testing::grammar_draws_then_gives(*load.grammar, c.script, c.expected))
            << c.form << "\n" << c.tables;
    }
}

}  // namespace
}  // namespace quelvarinox::detail
