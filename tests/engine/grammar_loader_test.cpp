#include <algorithm>
#include <fstream>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "engine/grammar_loader.h"
#include "engine/grammar_schema.h"

namespace quelvarinox::detail {
namespace {

// The smallest whole grammar; each case below changes one line of it.
const std::string small_grammar = R"(nombre = "Prueba"
clave = "prueba"
[forma]
tirada = 2
filas = [[0, 1, { palabras = 1 }], [2, 2, { palabras = 2, tras = [" ", ""] }]]
[silabas]
tirada = 1
filas = [[0, 1, 2]]
[ataque]
tirada = 4
filas = [[1, 2, "k"], [3, 3, "th"]]
resto = ""
resto_en = [[0, 0], [4, 4]]
[vocal]
tirada = 2
filas = [[0, 2, "a"]]
[coda]
pesos = { n = 1, "" = 3 }
)";

std::string replaced(std::string text, const std::string& from, const std::string& to)
{
    const std::size_t at = text.find(from);
    EXPECT_NE(at, std::string::npos) << from;
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

std::string all_errors(const GrammarLoad& load)
{
    return placed("g.toml", load.mistakes) + "\n";
}

TEST(GrammarLoader, ReadsTheSmallGrammar)
{
    const GrammarLoad load = load_grammar(small_grammar);
    ASSERT_TRUE(load.grammar) << all_errors(load);
    EXPECT_EQ(load.grammar->display_text, "Prueba");
    EXPECT_EQ(load.grammar->forms->multiplier, 2);
    EXPECT_FALSE(load.grammar->reads_alternative_mode());
}

// Each mistake is reported at its line and column, in Spanish, saying what is
// wrong and, where it can, what was meant.
TEST(GrammarLoader, NamesEachMistakeAtItsPlace)
{
    struct Case {
        std::string from, to, error;
    };
    const Case cases[] = {
        {"[[1, 2, \"k\"], [3, 3", "[[1, 3, \"k\"], [3, 3",
         "g.toml:11:23: en [ataque], los tramos [1, 3] y [3, 3] nombran los dos el valor 3"},
        {"[[1, 2, \"k\"], [3, 3, \"th\"]]", "[[3, 3, \"th\"], [1, 2, \"k\"]]",
         "g.toml:11:24: en [ataque], «filas» va fuera de orden: el tramo [1, 2] va antes que el tramo anterior, [3, 3]"},
        {"resto_en = [[0, 0], [4, 4]]", "resto_en = [[0, 1], [4, 4]]",
         "g.toml:9:1: [ataque] nombra dos veces el valor 1: en una fila y en «resto_en»"},
        {"[[1, 2, \"k\"]", "[[2, 1, \"k\"]", "g.toml:11:10: la fila va de 2 a 1"},
        {"[[1, 2, \"k\"]", "[[-1, 7, \"k\"]", "g.toml:11:11: el primer valor de una fila debe ir de 0 a 4, y es -1\n"
                                            "g.toml:11:15: el último valor de una fila debe ir de 0 a 4, y es 7\n"},
        {"[[1, 2, \"k\"], [3, 3, \"th\"]]\nresto = \"\"\nresto_en = [[0, 0], [4, 4]]",
         "[[2, 2, \"k\"]]\nresto = \"\"\nresto_en = [[4, 4]]",
         "g.toml:11:10: [ataque] deja sin nombrar los valores 0-1 y 3 de la tirada 0-4\n"},
        {"tirada = 4", "tirada = 0", "g.toml:10:10: «tirada» debe ir de 1 a 100000, y es 0"},
        {"tirada = 4", "tiradas = 4", "g.toml:9:1: [ataque] necesita «tirada», o bien «pesos» en su lugar\n"
         "g.toml:10:1: clave desconocida «tiradas» en [ataque]; ¿quería decir «tirada»?"},
        {"\"th\"]]", "\"thrrrrrrr\"]]", "g.toml:11:30: una pieza de [ataque] tiene 9 bytes; como mucho puede tener 8"},
        {"palabras = 2, tras = [\" \", \"\"]", "palabras = 2, tras = [\" \"]",
         "g.toml:5:66: «tras» es una lista de 2 textos, lo que sigue a cada palabra"},
        {"{ palabras = 1 }", "{ palabras = 1, minusculas = [2] }",
         "g.toml:5:47: una posición de «minusculas» debe ir de 1 a 1, y es 2"},
        {"clave = \"prueba\"", "clave = \"Prueba Mía\"", "g.toml:2:9: «clave» es de 1 a 32 letras minúsculas"},
        {"[silabas]\ntirada = 1", "[silabas]\ntirada = 1\n[silabas]",
         "g.toml:8:1: la tabla «silabas» ya está definida en la línea 6\n"},
        {"tirada = 4", "tirada = 4\ntirada = 5", "g.toml:11:10: la clave «tirada» ya está definida en la línea 10\n"},
        {"resto = \"\"", "resto = \"", "g.toml:12:10: faltan las comillas que cierran el texto antes del final de la"},
        {"\"\" = 3 }\n", "\"\" = 3 }\nx = \"ab", "g.toml:19:8: faltan las comillas que cierran el texto: llega hasta el "
                                              "final del fichero\n"},
        {"tirada = 4", "tirada = 99999999999999999999",
         "g.toml:10:30: el número «99999999999999999999» no cabe en un entero de 64 bits"},
        {"\"k\"], [3", "\"\\ud800\"], [3", "g.toml:11:24: el escape «\\ud800» nombra la mitad de un par sustituto"},
        {"pesos = { n = 1, \"\" = 3 }", "pesos = { n = 0 }", "g.toml:18:15: un peso debe ir de 1 a 50000, y es 0"},
        {"pesos = { n = 1, \"\" = 3 }", "tirada = 1\npesos = { n = 1 }",
         "g.toml:18:10: una tabla con «pesos» no lleva «tirada»"},
        {"resto = \"\"\n", "", "g.toml:12:12: «resto» y «resto_en» van juntos"},
        {"\"k\"], [3", "\"k\xff\"], [3", "g.toml:11:19: el fichero no es texto UTF-8"},
        {"n = 1, \"\" = 3", "n = 1, \"\\u001b[2J\" = 3",
         "g.toml:18:18: la pieza «\\x1B[2J» de [coda] tiene un carácter de control; escriba solo letras"},
        {"\"k\"], [3", "\"k\\u202e\"], [3",
         "g.toml:11:17: una pieza de [ataque] tiene un control de la dirección del texto (U+202E), que no se ve"},
        {"\"Prueba\"", "\"Prueba\\u2066\"", "g.toml:1:10: «nombre» tiene un control de la dirección del texto (U+2066)"},
        {"clave = \"prueba\"", "clave = \"prueba\"\n\"a\\nb\" = 1",
         "g.toml:3:1: clave desconocida «a\\x0Ab» en el fichero; las claves son «nombre», «clave»"},
        {"clave = \"prueba\"", "clave = \"prueba\" é", "g.toml:2:18: sobra «é» al final de la línea"},
        {"[silabas]", "[[[silabas]", "g.toml:6:3: se esperaba una clave (letras, cifras, «_» y «-», o un texto"},
        {"[silabas]", "[]", "g.toml:6:2: la cabecera de una tabla no puede estar vacía"},
        {"[silabas]", "= 1", "g.toml:6:1: una línea empieza por una clave, por la cabecera de una tabla"},
        {"[[1, 2", "[[1 2", "g.toml:11:13: los valores van separados por comas: se esperaba «,» o «]» y hay «2»"},
        {"[[1, 2", "[[1,, 2", "g.toml:11:13: falta un valor de la lista antes de esta coma"},
        {"{ n = 1, \"\" = 3 }", "{ n = 1, }", "g.toml:18:18: tras el último valor de una tabla entre llaves no va coma"},
        {"{ n = 1, \"\" = 3 }", "{ n = 1", "g.toml:18:16: una tabla entre llaves se cierra con «}» en su misma línea"},
        {"tirada = 4", "tirada =", "g.toml:10:9: falta el valor tras «=»"},
    };
    for (const Case& c : cases) {
        const GrammarLoad load = load_grammar(replaced(small_grammar, c.from, c.to));
        EXPECT_FALSE(load.grammar) << c.to;
        EXPECT_EQ(all_errors(load).rfind(c.error, 0), 0U) << "with " << c.to << ":\n" << all_errors(load);
    }
}

// What the grammar makes as a whole: names that can never hold a letter, and
// words of initials that can be left without one, are refused.
TEST(GrammarLoader, RefusesNamesThatCanBeLeftEmpty)
{
    const std::vector<std::pair<std::string, std::string>> empty_pieces = {
        {"[[1, 2, \"k\"], [3, 3, \"th\"]]", "[[1, 2, \"\"], [3, 3, \" \"]]"},
        {"[[0, 2, \"a\"]]", "[[0, 2, \"\"]]"},
        {"{ n = 1, \"\" = 3 }", "{ \"\" = 3 }"}};
    struct Case {
        std::vector<std::pair<std::string, std::string>> changes;
        std::string errors;
    };
    const auto with = [&](std::vector<std::pair<std::string, std::string>> more) {
        more.insert(more.begin(), empty_pieces.begin(), empty_pieces.end());
        return more;
    };
    const Case cases[] = {
        {empty_pieces, "g.toml:14:1: ningún nombre de esta gramática puede tener una letra: las piezas de sus tablas "
                       "y los textos de sus formas están vacíos o son espacios\n"},
        {with({{"{ palabras = 1 }", "{ palabras = 1, delante = \"V-\" }"}}), "\n"},
        {with({{"{ palabras = 1 }", "{ palabras = 1, compuesto = true }"}}), "\n"},
        {with({{"[[0, 2, \"\"]]", "[[0, 1, \"\"], [2, 2, \"e\"]]"}}), "\n"},
        {{{"tras = [\" \", \"\"]", "iniciales = [2]"}},
         "g.toml:5:71: una palabra de «iniciales» se queda sin letra cuando [ataque] sale vacío; «inicial_vacia» ha "
         "de dar la letra de esa inicial\n"},
        {{{"tras = [\" \", \"\"]", "iniciales = [2]"}, {"clave = \"prueba\"", "clave = \"prueba\"\ninicial_vacia = \"\""}},
         "g.toml:6:71: una palabra de «iniciales» se queda sin letra cuando [ataque] sale vacío; «inicial_vacia» ha "
         "de dar la letra de esa inicial\n"},
        {{{"tras = [\" \", \"\"]", "iniciales = [2]"}, {"clave = \"prueba\"", "clave = \"prueba\"\ninicial_vacia = \"V\""}},
         "\n"},
        {{{"tras = [\" \", \"\"]", "iniciales = [2]"}, {"resto = \"\"", "resto = \"p\""}}, "\n"},
    };
    for (const Case& c : cases) {
        std::string text = small_grammar;
        for (const auto& [from, to] : c.changes)
            text = replaced(text, from, to);
        EXPECT_EQ(all_errors(load_grammar(text)), c.errors) << text;
    }
}

// The parts that build on the tables, written after them: classes, patterns
// and first- or last-syllable tables, each mistake at its place.
TEST(GrammarLoader, NamesEachMistakeOfClassesPatternsAndSyllablePlaces)
{
    struct Case {
        std::string added, errors;
    };
    const Case cases[] = {
        {"[clases]\nV = [\"a\"]\n",
         "g.toml:20:1: el nombre de clase «V» no vale: es de 1 a 32 letras minúsculas sin tilde, cifras, _ o -\n"},
        {"[clases]\nv = []\n", "g.toml:20:5: la clase «v» está vacía: necesita al menos una pieza\n"},
        {"[clases]\nv = [\"a\", \"\"]\n", "g.toml:20:11: una pieza de la clase «v» no puede estar vacía\n"},
        {"[clases]\nv = \"a\"\n", "g.toml:20:5: la clase «v» es una lista de piezas, como [\"a\", \"e\"]\n"},
        {"[clases]\nv = []\n[rechazo]\npatrones = [\"{v}\"]\n",
         "g.toml:20:5: la clase «v» está vacía: necesita al menos una pieza\n"},
        {"[prefijo]\nse_tira = \"tras_el_recuento\"\ntirada = 1\nfilas = [[0, 1, true]]\n[rechazo]\npatrones = [\"'k\"]\n", "\n"},
        {"[rechazo]\npatrones = [\"a\", \"q\"]\n",
         "g.toml:20:18: «q» no puede casar nunca: ninguna sucesión de las piezas y los textos de la gramática lo forma\n"},
        {"[rechazo]\npatron = [\"a\"]\n",
         "g.toml:19:1: [rechazo] necesita «patrones»: una lista de patrones, como [\"{vocal}{vocal}{vocal}\"]\n"
         "g.toml:20:1: clave desconocida «patron» en [rechazo]; ¿quería decir «patrones»?\n"},
        {"[ataque.inicial]\ntirada = 2\nfilas = [[0, 1, \"k\"]]\n",
         "g.toml:21:10: [ataque.inicial] deja sin nombrar el valor 2 de la tirada 0-2"},
        {"[vocal.finales.pesos]\na = 1\n", "g.toml:19:8: clave desconocida «finales» en [vocal]; ¿quería decir «final»?\n"},
        {"[acento]\nvocales = [\"ó\"]\npalabra = 1\nen_otro_sitio = \"o\"\n[vocal.final.pesos]\n\"ó\" = 1\n", "\n"},
    };
    for (const Case& c : cases) {
        const std::string errors = all_errors(load_grammar(small_grammar + c.added));
        EXPECT_EQ(errors.substr(0, c.errors.size()), c.errors) << c.added;
    }
}

// A path stays on the line of each message, whatever it holds, and is not cut.
TEST(GrammarLoader, ReportsEveryMistakeInTheOrderOfTheText)
{
    std::string text = replaced(small_grammar, "tirada = 4", "tirada = 4\ncolor = 1");
    text = replaced(text, "[[0, 1, 2]]", "[[0, 0, 2]]");
    const std::string first = "8:10: [silabas] deja sin nombrar el valor 1 de la tirada 0-1; si han de dar un resultado "
                              "común, póngalos en «resto_en»",
                      second = "11:1: clave desconocida «color» en [ataque]; las claves son «tirada», «filas», «resto», "
                               "«resto_en», «pesos», «inicial» y «final»";
    EXPECT_EQ(all_errors(load_grammar(text)), "g.toml:" + first + "\ng.toml:" + second + "\n");
    const std::string path = "mis\ngramáticas/" + std::string(70, 'g') + ".toml";
    const std::string shown = "mis\\x0Agramáticas/" + std::string(70, 'g') + ".toml:";
    EXPECT_EQ(placed(path, load_grammar(text).mistakes), shown + first + "\n" + shown + second);
}

// Weights map onto Tirada(2W) exactly: the first outcome takes 0..2w-1 and
// 2W, each next one the next 2w values.
TEST(GrammarLoader, MapsWeightsOntoTheDrawsExactly)
{
    const GrammarLoad load =
        load_grammar(replaced(small_grammar, "pesos = { n = 1, \"\" = 3 }", "pesos = { z = 2, n = 1, \"\" = 3 }"));
    ASSERT_TRUE(load.grammar) << all_errors(load);
    const DrawnPieceTable& coda = load.grammar->coda;
    EXPECT_EQ(coda.multiplier, 12);
    std::string outcomes;
    for (int value = 0; value <= coda.multiplier; ++value)
        outcomes += std::string(Piece(coda[value])) + "|";
    EXPECT_EQ(outcomes, "z|z|z|z|n|n|||||||z|");
}

TEST(GrammarLoader, HoldsFilesToItsLimits)
{
    EXPECT_EQ(all_errors(load_grammar(std::string(grammar_limits::file_bytes + 1, '#'))),
              "g.toml:1:1: el fichero pasa de 1048576 bytes (1 MiB), lo más que puede tener una gramática\n");
    EXPECT_EQ(all_errors(load_grammar("")).rfind("g.toml:1:1: falta «nombre» al principio del fichero\n", 0), 0U);
    EXPECT_EQ(all_errors(load_grammar(std::string("\x7f" "ELF\0\0", 6))).substr(0, 49),
              "g.toml:1:5: el fichero no es texto UTF-8 (¿es un");
    EXPECT_EQ(all_errors(load_grammar("a = " + std::string(100000, '['))),
              "g.toml:1:261: los corchetes y las llaves se anidan a más de 256 niveles, lo más que lee el lector de "
              "TOML\n");
    std::string dotted = "a";
    for (int part = 0; part < 200000; ++part)
        dotted += ".a";
    for (const std::string& text : {dotted + " = 1", "[" + dotted + "]"})
        EXPECT_EQ(all_errors(load_grammar(text)),
                  "g.toml:1:" + std::string(text[0] == '[' ? "515" : "514") +
                      ": la clave tiene más de 256 partes separadas por puntos, lo más que lee el lector de TOML\n");
}

// Every key the loader takes, and every option of a setting, is told of in the
// format's two documents.
TEST(GrammarSchema, EveryKeyIsDocumented)
{
    std::vector<const grammar_schema::Part*> parts = {&grammar_schema::file, &grammar_schema::form_record,
                                                      &grammar_schema::break_record};
    parts.insert(parts.end(), std::begin(grammar_schema::sections), std::end(grammar_schema::sections));
    for (const char* document : {"/../../../grammars/README.md", "/../../../cli/quelvarinox-gramatica.5.in"}) {
        std::stringstream text;
        text << std::ifstream(std::string(QUELVARINOX_FOUND_INPUTS) + document).rdbuf();
        std::vector<std::string> untold;
        std::size_t told = 0;
        const auto look_for = [&](std::string_view name) {
            ++told;
            if (!std::regex_search(text.str(), std::regex("(^|[^a-z_])" + std::string(name) + "($|[^a-z_])")))
                untold.emplace_back(name);
        };
        for (const grammar_schema::Part* part : parts) {
            std::ranges::for_each(grammar_schema::key_names(*part), look_for);
            for (const grammar_schema::Key* key : part->keys)
                std::ranges::for_each(key->options, look_for);
        }
        EXPECT_GT(told, 40U);
        EXPECT_EQ(untold, std::vector<std::string>()) << document;
    }
}

}  // namespace
}  // namespace quelvarinox::detail
