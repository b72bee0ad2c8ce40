#include <algorithm>
#include <cstdint>
#include <map>
#include <regex>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "engine/grammar_loader.h"
#include "engine/toml.h"
#include "learning/learn_grammar.h"
#include "learning/letters.h"
#include "text/utf8.h"

namespace quelvarinox::detail {
namespace {

LearnOptions options(int min_count = 2, bool edge_tables = true)
{
    LearnOptions learn;
    learn.identity = {"Prueba", "prueba"};
    learn.min_count = min_count;
    learn.edge_tables = edge_tables;
    return learn;
}

std::string learned(const std::string& list, const LearnOptions& learn = options())
{
    const LearnedGrammar grammar = learn_grammar(list, learn);
    EXPECT_EQ(grammar.error, "");
    return grammar.text;
}

// A table of a learned text: its outcomes and weights (a form by its line),
// and what its comment says it was counted from and left out.
struct WrittenTable {
    std::map<std::string, std::int64_t> rows;
    std::int64_t counted = 0;
    std::int64_t left_out = 0;
    bool scaled = false;
    std::string comment;
};

std::int64_t sum_of(const std::string& text, const std::regex& pattern)
{
    std::int64_t sum = 0;
    for (std::sregex_iterator at(text.begin(), text.end(), pattern), end; at != end; ++at)
        sum += std::stoll((*at)[1]);
    return sum;
}

// Every table of a learned text, by its section: "forma", "ataque.inicial".
std::map<std::string, WrittenTable> tables_of(const std::string& text)
{
    const toml::parse_result parsed = toml::parse(text);
    EXPECT_TRUE(parsed.succeeded()) << text;
    std::map<std::string, WrittenTable> tables;
    std::istringstream lines(text);
    std::string comment;
    for (std::string line; std::getline(lines, line);) {
        if (line.starts_with("# ")) {
            comment += line.substr(1);
            continue;
        }
        if (line.starts_with("[")) {
            std::string section = line.substr(1, line.find(']') - 1);
            if (section.ends_with(".pesos"))
                section.resize(section.size() - 6);
            WrittenTable& table = tables[section];
            table.counted = sum_of(comment, std::regex("Contada de (\\d+)"));
            table.left_out = sum_of(comment, std::regex("\\((\\d+) [^)]*\\)")) +
                             sum_of(comment, std::regex("(\\d+) nombres? sin vocales"));
            table.scaled = comment.find("reducen en proporción") != std::string::npos;
            table.comment = comment;
            const toml::node_view node = parsed.table().at_path(section);
            if (const toml::table* weights = node["pesos"].as_table())
                for (auto&& [key, weight] : *weights)
                    table.rows[std::string(key.str())] = weight.value<std::int64_t>().value_or(0);
            if (const toml::array* weights = node["pesos"].as_array())
                for (const toml::node& row : *weights)
                    table.rows["línea " + std::to_string(row.source().begin.line)] =
                        row.as_array()->get(0)->value<std::int64_t>().value_or(0);
        }
        comment.clear();
    }
    return tables;
}

std::int64_t weight_of(const WrittenTable& table)
{
    std::int64_t sum = 0;
    for (const auto& [outcome, weight] : table.rows)
        sum += weight;
    return sum;
}

std::set<std::string> sections_of(const std::map<std::string, WrittenTable>& tables)
{
    std::set<std::string> sections;
    for (const auto& [section, table] : tables)
        sections.insert(section);
    return sections;
}

TEST(LearnGrammar, RefusesAListWithNothingToLearn)
{
    const auto named = [](std::string display_name, std::string key) {
        LearnOptions learn = options();
        learn.identity = {std::move(display_name), std::move(key)};
        return learn;
    };
    struct Case {
        std::string list;
        LearnOptions learn;
        std::string error;
    };
    const Case cases[] = {
        {"\n  \r\n\n", options(), "La lista no tiene ningún nombre: está vacía o solo tiene líneas en blanco."},
        {"a\n", options(1), "La lista no tiene más que una letra: no hay de dónde aprender una gramática."},
        {"Brr\nMc Krt\n", options(), "Ningún nombre de la lista tiene una vocal (a, e, i, o, u o y): no hay sílabas de las que aprender."},
        {"Ana\nLu\xff\n", options(), "La línea 2 de la lista no es texto UTF-8 válido (¿es un fichero binario?)."},
        {std::string("Ana\nL\0u\n", 8), options(), "La línea 2 de la lista tiene un byte nulo: la lista parece un fichero binario, no de texto."},
        {"Ana\tLu\n", options(), "La línea 1 de la lista tiene un carácter de control (un tabulador, por ejemplo); escriba un nombre por línea."},
        {std::string(grammar_limits::file_bytes + 1, 'a'), options(), "La lista pasa de 1048576 bytes (1 MiB), lo más que puede tener, como una gramática."},
        {"Kevin\nMaria\n", options(), "[ataque] se queda vacía: de sus piezas, ninguna sale al menos 2 veces en los ejemplos y cabe en el formato. Pruebe con un umbral menor o con más nombres."},
        {"Ana Kel\nAna Mir\n", options(3), "[forma] se queda vacía: de sus formas, ninguna sale al menos 3 veces en los ejemplos y cabe en el formato. Pruebe con un umbral menor o con más nombres."},
        {"Ana\n", named("Prueba", "Mal clave"), "La clave «Mal clave» no vale: ha de tener de 1 a 32 letras minúsculas sin tilde, cifras o guiones."},
        {"Ana\n", named("", "prueba"), "El nombre de la gramática está vacío."},
        {"Ana\n", named("Mi\nlengua", "prueba"), "El nombre de la gramática «Mi\\x0Alengua» tiene un carácter de control; escriba solo letras, signos y espacios."},
        {"Ana\n", options(0), "El umbral ha de ser un entero de 1 a 1000000, y es 0."},
    };
    for (const Case& c : cases)
        EXPECT_EQ(learn_grammar(c.list, c.learn).error, c.error) << c.list.substr(0, 40);
}

TEST(LearnGrammar, NamesItsGrammarAfterTheListsFile)
{
    const std::pair<std::string, GrammarIdentity> cases[] = {
        {"mis-nombres.txt", {"Mis nombres", "mis-nombres"}},
        {"/tmp/Señores Sith.txt", {"Señores Sith", "senores-sith"}},
        {"a_b__c.lista.txt", {"A b c.lista", "a-b-c-lista"}},
        {std::string(40, 'x'), {"X" + std::string(39, 'x'), std::string(32, 'x')}},
        {"-", {"Lengua aprendida", "lengua-aprendida"}},
        {"dir/___.txt", {"Lengua aprendida", "lengua-aprendida"}},
    };
    for (const auto& [path, identity] : cases) {
        const GrammarIdentity made = identity_from_file_name(path);
        EXPECT_EQ(std::pair(made.display_name, made.key), std::pair(identity.display_name, identity.key)) << path;
    }
}

// The whole text of a small list: forms with particles, a hyphen, initials and
// a word in small letters; pieces counted, rare ones and a long one left out.
TEST(LearnGrammar, WritesTheGrammarOfASmallList)
{
    const std::string list = "\xEF\xBB\xBFNana de Sorel\nIara de Vela\nKaela McBors\nMaya\nNyx Var\nVel-Dorin\nJ. Varo\n"
                             "K. Nelia\nSorel Vim\r\nSchtrndlka\n\n  po-Nana\nLira\n";
    EXPECT_EQ(learned(list), R"(# Prueba: una gramática aprendida de 12 nombres de ejemplo. Cada peso es cuántas veces salió su
# pieza en ellos; el comentario de cada tabla dice de qué se contó y qué se dejó fuera. Corríjala a
# su gusto: man quelvarinox-gramatica explica el formato.

nombre = "Prueba"
clave = "prueba"
descripcion = "Aprendida de 12 nombres de ejemplo."
inicial_vacia = "J"

# Contada de 12 nombres. Se dejan fuera 3 formas raras (3 nombres).
[forma]
pesos = [
  [3, { palabras = 1 }],
  [2, { palabras = 2 }],
  [2, { palabras = 2, tras = [" de ", ""] }],
  [2, { palabras = 2, tras = [". ", ""], iniciales = [1] }],
]

# Contada de 19 palabras.
[silabas.pesos]
1 = 8
2 = 11

# Contada de 30 sílabas: todas. Se dejan fuera 6 piezas raras (6 apariciones) y 1 pieza de más de 8
# bytes (1 aparición).
[ataque.pesos]
n = 6
r = 6
v = 5
l = 4
s = 2

# Contada de 30 sílabas: todas. Se dejan fuera 3 piezas raras (3 apariciones).
[vocal.pesos]
a = 11
o = 6
e = 5
i = 3
ia = 2

# Contada de 30 sílabas: todas. Se dejan fuera 5 piezas raras (5 apariciones).
[coda.pesos]
"" = 22
l = 3
)");
}

// 150 words that all start with "z" and end in "r", of one to four
// syllables with "l", "m" or "n" between vowels.
std::string edge_list()
{
    std::string list;
    for (int word = 0; word < 150; ++word) {
        std::string name = "Z";
        for (int s = 0; s <= word % 4; ++s)
            name += std::string(s == 0 ? "" : std::string(1, "lmn"[(word + s) % 3])) + "aeiou"[(word * 7 + s) % 5];
        list += name + "r\n";
    }
    return list;
}

// The list of edge_list(): the first onsets and the last codas get tables of
// their own, every one counted there and none in the plain tables; without
// them, all go into the plain tables.
TEST(LearnGrammar, CountsEverySyllableIntoTheTableItIsDrawnFrom)
{
    const std::string list = edge_list();
    const std::int64_t words = 150, syllables = std::count_if(list.begin(), list.end(), [](char c) {
        return std::string_view("aeiou").find(c) != std::string_view::npos;
    });
    const auto tables = tables_of(learned(list));
    EXPECT_EQ(sections_of(tables), (std::set<std::string>{"ataque", "ataque.inicial", "coda", "coda.final", "forma",
                                                         "silabas", "vocal"}));
    EXPECT_EQ(tables.at("ataque.inicial").rows, (std::map<std::string, std::int64_t>{{"z", words}}));
    EXPECT_EQ(tables.at("coda.final").rows, (std::map<std::string, std::int64_t>{{"r", words}}));
    EXPECT_EQ(tables.at("coda").rows, (std::map<std::string, std::int64_t>{{"", syllables - words}}));
    EXPECT_EQ(tables.at("ataque").rows.count("z"), 0u);
    EXPECT_EQ(weight_of(tables.at("ataque")), syllables - words);
    const auto plain = tables_of(learned(list, options(2, false)));
    EXPECT_EQ(sections_of(plain), (std::set<std::string>{"ataque", "coda", "forma", "silabas", "vocal"}));
    EXPECT_EQ(plain.at("ataque").rows.at("z"), words);
    EXPECT_EQ(plain.at("coda").rows.at("r"), words);
}

// Limits of the format: counts past a table's total weight are scaled down,
// and pieces past its rows left out, each said in the comment.
TEST(LearnGrammar, StaysWithinTheLimitsOfTheFormat)
{
    std::string many;
    for (int i = 0; i < 30000; ++i)
        many += std::string(1, "KLMNT"[i % 5]) + "aeiou"[i % 7 % 5] + std::string(1, "rsvz"[i % 3]) + "ia\n";
    for (const auto& [section, table] : tables_of(learned(many))) {
        EXPECT_LE(weight_of(table), grammar_limits::total_weight) << section;
        EXPECT_EQ(table.scaled, table.counted > grammar_limits::total_weight) << section;
        if (table.scaled) {
            EXPECT_GE(weight_of(table), grammar_limits::total_weight - static_cast<std::int64_t>(table.rows.size()))
                << section;
        }
    }
    std::string wide;
    const std::string consonants = "bcdfghjklmnpqrstvwxz";
    for (std::size_t i = 0; i < 5000; ++i)
        wide += std::string(1, consonants[i % 20]) + consonants[i / 20 % 20] + consonants[i / 400 % 20] + "a\n";
    const WrittenTable onsets = tables_of(learned(wide, options(1))).at("ataque");
    EXPECT_EQ(onsets.rows.size(), grammar_limits::rows);
    EXPECT_EQ(weight_of(onsets) + onsets.left_out, 5000);
    EXPECT_NE(onsets.comment.find("904 piezas más allá de las 4096 filas de una tabla (904 apariciones)"),
              std::string::npos) << onsets.comment;
}

// The texts of every form of a learned text: its delante and tras.
std::vector<std::string> form_texts(const std::string& text)
{
    const toml::parse_result parsed = toml::parse(text);
    std::vector<const toml::table*> forms;
    if (const toml::table* fixed = parsed["forma"]["fija"].as_table())
        forms.push_back(fixed);
    if (const toml::array* rows = parsed["forma"]["pesos"].as_array())
        for (const toml::node& row : *rows)
            forms.push_back(row.as_array()->get(1)->as_table());
    std::vector<std::string> texts;
    for (const toml::table* form : forms) {
        if (const auto before = (*form)["delante"].value<std::string>())
            texts.push_back(*before);
        if (const toml::array* after = (*form)["tras"].as_array())
            for (const toml::node& each : *after)
                texts.push_back(each.value<std::string>().value_or("?"));
    }
    return texts;
}

std::string lower_cased(std::string_view text)
{
    std::string lower;
    while (!text.empty()) {
        const Utf8Character character = *first_utf8_character(text);
        append_utf8(lower, lower_case(character.code));
        text.remove_prefix(character.bytes);
    }
    return lower;
}

// From 2000 names of every planet: each table's weights and what it left out
// add up to what it was counted from; every piece and every text between words
// is in the examples; and the engine reads it, with .inicial and .final or not.
TEST(LearnGrammar, LearnsEveryPlanetAsItsCommentsSay)
{
    for (const Category& planet : category_table()) {
        if (!planet.grammar)
            continue;
        std::string list;
        NameMaker maker(1);
        for (std::uint64_t index = 1; index <= 2000; ++index)
            list += maker.make(planet, index, false) + '\n';
        const std::string lower_list = lower_cased(list);
        const std::string text = learned(list);
        for (const auto& [section, table] : tables_of(text)) {
            if (section != "forma" || table.rows.size() > 1) {
                EXPECT_EQ(weight_of(table) + table.left_out, table.counted) << planet.picture_key << " " << section;
            }
            if (section == "forma" || section == "silabas")
                continue;
            for (const auto& [piece, weight] : table.rows)
                EXPECT_NE(lower_list.find(piece), std::string::npos) << planet.picture_key << " " << section << " " << piece;
        }
        for (const std::string& between : form_texts(text))
            EXPECT_NE(list.find(between), std::string::npos) << planet.picture_key << " «" << between << "»";
        for (const std::string& grammar : {text, learned(list, options(2, false))})
            EXPECT_EQ(placed("", load_grammar(grammar).mistakes), "") << planet.picture_key;
    }
}

}  // namespace
}  // namespace quelvarinox::detail
