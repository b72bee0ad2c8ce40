#include <filesystem>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "core/random_source.h"
#include "engine/builtin_grammars.h"
#include "engine/grammar_engine.h"
#include "engine/grammar_file.h"
#include "engine/grammar_loader.h"
#include "tests/support/grammar_input_check.h"

namespace quelvarinox::detail {
namespace {

// Names and traces of the first `count` names of seed 5, in both modes.
std::string names_of(const Grammar& grammar, int count = 2000)
{
    SeededRandom random(5);
    DrawLog log;
    GenerationContext ctx(random, &log);
    std::string name;
    std::string all;
    for (const char* mode : {"0", "1"}) {
        ctx.huevo = mode;
        for (int index = 1; index <= count; ++index) {
            log.clear();
            random.start_name(1, static_cast<std::uint64_t>(index));
            make_grammar_name(grammar, ctx, name);
            all += name + '\t' + log.trace() + '\n';
        }
    }
    return all;
}

std::string errors_of(const GrammarLoad& load) { return placed("h.toml", load.mistakes); }

const std::string parent = R"(nombre = "Base"
clave = "base"
descripcion = "La base."
clases = { v = ["a", "e"], d = ["k"] }
forma = { fija = { palabras = 2, tras = [" ", ""] } }
silabas = { pesos = { 1 = 1, 2 = 1 } }
ataque = { tirada = 4, filas = [[0, 4, "k"]], final = { pesos = { l = 1 } } }
vocal = { pesos = { a = 1, e = 1 } }
coda = { pesos = { "" = 1 } }
rechazo = { patrones = ["{v}{v}", "ea"] }
)";

// A part the child writes replaces the inherited one whole, and every other
// part comes from the parent: a slot's own keys and its .inicial and .final
// tables are parts apart, and so is each class.
TEST(Inheritance, ReplacesEachPartItWritesWhole)
{
    const GrammarLoad base = load_grammar(parent);
    ASSERT_TRUE(base.grammar) << placed("", base.mistakes);
    struct Case {
        std::string child;
        std::string expected;
    };
    const std::string head = "hereda = \"base.toml\"\nnombre = \"Hija\"\nclave = \"hija\"\n";
    const Case cases[] = {
        {"[ataque.pesos]\nt = 1\n", "ataque 2, ataque.final 2, vocal 4, patrones 2, descripcion «La base.»"},
        {"[ataque.final.pesos]\nr = 1\nn = 1\n", "ataque 4, ataque.final 4, vocal 4, patrones 2, descripcion «La base.»"},
        {"[vocal.inicial.pesos]\no = 1\n", "ataque 4, ataque.final 2, vocal 4, vocal.inicial 2, patrones 2, descripcion «La base.»"},
        {"descripcion = \"Otra.\"\n[rechazo]\npatrones = [\"ee\"]\n",
         "ataque 4, ataque.final 2, vocal 4, patrones 1, descripcion «Otra.»"},
        {"[rechazo]\npatrones = []\n", "ataque 4, ataque.final 2, vocal 4, patrones 0, descripcion «La base.»"},
        {"[clases]\nd = [\"l\"]\n[rechazo]\npatrones = [\"{v}{d}\", \"{d}{v}\"]\n",
         "ataque 4, ataque.final 2, vocal 4, patrones 2, descripcion «La base.»"},
    };
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quelvarinox-inheritance-parts";
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "base.toml") << parent;
    for (const Case& c : cases) {
        std::ofstream(folder / "hija.toml") << head + c.child;
        const GrammarLoad load = load_grammar_file((folder / "hija.toml").string());
        ASSERT_TRUE(load.grammar) << c.child << errors_of(load);
        const Grammar& grammar = *load.grammar;
        std::string made = "ataque " + std::to_string(grammar.onset.multiplier);
        if (grammar.last_onset)
            made += ", ataque.final " + std::to_string(grammar.last_onset->multiplier);
        made += ", vocal " + std::to_string(grammar.vowel.multiplier);
        if (grammar.first_vowel)
            made += ", vocal.inicial " + std::to_string(grammar.first_vowel->multiplier);
        made += ", patrones " + std::to_string(grammar.rejection ? grammar.rejection->patterns().size() : 0);
        made += ", descripcion «" + grammar.description + "»";
        EXPECT_EQ(made, c.expected) << c.child;
        EXPECT_EQ(grammar.display_text, "Hija");
    }
    // A part is not merged with the inherited one key by key: [ataque] with
    // «tirada» alone lacks its rows, whatever the parent's had.
    std::ofstream(folder / "hija.toml") << head + "[ataque]\ntirada = 2\n";
    EXPECT_EQ(errors_of(load_grammar_file((folder / "hija.toml").string())).rfind("h.toml:4:1: [ataque] necesita «filas»", 0), 0U);
    // «nombre» and «clave» are each file's own.
    std::ofstream(folder / "hija.toml") << "hereda = \"base.toml\"\nclave = \"hija\"\n";
    EXPECT_EQ(errors_of(load_grammar_file((folder / "hija.toml").string())), "h.toml:1:1: falta «nombre» al principio del fichero");
    std::filesystem::remove_all(folder);
}

// Inheriting a planet and writing nothing of one's own but its identity makes
// the planet's very names; a grammar written out whole, without its hereda,
// makes the same names and traces as the file it was written from.
TEST(Inheritance, TakesEverythingItDoesNotWriteAndWritesItOutWhole)
{
    for (const std::string_view key : {"tatooine", "corelia", "naboo", "bespin"}) {
        const std::string child = "hereda = \"" + std::string(key) + "\"\nnombre = \"" +
                                  builtin_grammar(key)->display_text + "\"\nclave = \"" + std::string(key) + "\"\n";
        const GrammarLoad load = load_grammar(child);
        ASSERT_TRUE(load.grammar) << placed("", load.mistakes);
        EXPECT_EQ(names_of(*load.grammar), names_of(*builtin_grammar(key))) << key;
    }
    const std::string child = "hereda = \"tatooine\"\nnombre = \"T\"\nclave = \"t\"\n[vocal.final.pesos]\na = 6\ne = 2\n"
                              "[clases]\nv = [\"a\", \"e\"]\n[rechazo]\npatrones = [\"{v}{v}\", \"^mc\"]\n";
    EXPECT_EQ(testing::grammar_input_problem(child), std::nullopt);
    EXPECT_EQ(whole_grammar(child).text.find("\nhereda"), std::string::npos);
}

// What `hereda` may not name is a mistake at it; so is each mistake of the
// grammar it names, with that grammar's name and place, and a part of it that
// does not agree with what the child writes.
TEST(Inheritance, ReportsWhatItCannotInheritAtItsLine)
{
    const std::string identity = "\nnombre = \"H\"\nclave = \"h\"\n";
    struct Case {
        std::string text;
        std::string error;
    };
    const Case cases[] = {
        {"hereda = 3" + identity,
         "h.toml:1:10: «hereda» debe ser un texto entre comillas: la clave de una gramática incorporada o la ruta de un fichero"},
        {"hereda = \"tatoine\"" + identity,
         "h.toml:1:10: no hay ninguna gramática incorporada con la clave «tatoine»; ¿quería decir «tatooine»? (un fichero se nombra con su ruta, como \"base.toml\")"},
        {"hereda = \"no-esta.toml\"" + identity,
         "h.toml:1:10: no se puede leer la gramática «no-esta.toml»: no existe"},
        {"hereda = \"lianna\"" + identity + "[union]\npesos = { \" y \" = 1 }\n",
         "h.toml:1:10: en «lianna», 18:35: con [union], lo que va entre las palabras lo da su tabla: sobra «tras»"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(errors_of(load_grammar(c.text)).substr(0, c.error.size()), c.error) << c.text;
    GrammarPlace built_in_only;
    built_in_only.reads_files = false;
    EXPECT_EQ(errors_of(load_grammar("hereda = \"base.toml\"" + identity, built_in_only)),
              "h.toml:1:10: aquí «hereda» solo puede nombrar una gramática incorporada, por su clave");
}

// Files are found from the folder of the file that names them; a mistake in
// one is reported where it is named, a cycle where it closes.
TEST(Inheritance, FindsFilesBesideTheFileThatNamesThem)
{
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "quelvarinox-inheritance-files";
    std::filesystem::create_directories(folder / "sub");
    const auto write = [&](const std::string& file, const std::string& text) { std::ofstream(folder / file) << text; };
    write("base.toml", parent);
    write("sub/hija.toml", "hereda = \"../base.toml\"\nnombre = \"Hija\"\nclave = \"hija\"\n");
    const GrammarLoad child = load_grammar_file((folder / "sub/hija.toml").string());
    ASSERT_TRUE(child.grammar) << errors_of(child);
    EXPECT_EQ(child.grammar->onset.multiplier, 4);
    write("mala.toml", "nombre = \"M\"\nclave = \"m\"\n");
    write("sub/de-mala.toml", "hereda = \"../mala.toml\"\nnombre = \"D\"\nclave = \"d\"\n");
    const std::string bad = "h.toml:1:10: en «" + (folder / "sub/../mala.toml").string() + "», 1:1: falta la tabla [forma]";
    EXPECT_EQ(errors_of(load_grammar_file((folder / "sub/de-mala.toml").string())).substr(0, bad.size()), bad);
    write("a.toml", "hereda = \"b.toml\"\nnombre = \"A\"\nclave = \"a\"\n");
    write("b.toml", "hereda = \"a.toml\"\nnombre = \"B\"\nclave = \"b\"\n");
    const std::string cycle = errors_of(load_grammar_file((folder / "a.toml").string()));
    EXPECT_NE(cycle.find("h.toml:1:10: en «" + (folder / "b.toml").string() + "», 1:10: «hereda» cierra un ciclo: «"),
              std::string::npos)
        << cycle;
    std::filesystem::remove_all(folder);
}

}  // namespace
}  // namespace quelvarinox::detail
