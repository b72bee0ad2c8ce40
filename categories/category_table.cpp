#include "categories/category_table.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "engine/builtin_grammars.h"
#include "engine/grammar_engine.h"
#include "programs/order_generators.h"
#include "programs/planet_generator.h"

namespace quelvarinox::detail {

namespace {

// The categories that are programs rather than grammar files: display text,
// picture key, generator, whether it reads the alternative-mode flag,
// description. The 32 planets' facts are in their grammar files.
constexpr auto programs = std::to_array<Category>({
    {"jedi", "jedi", Nombre_jedi, nullptr, true,
         "Los jedi son los guardianes de la paz y la justicia en la galaxia, una orden milenaria de "
         "caballeros que usan la Fuerza como guía para proteger a los débiles. Se forman desde la infancia"
         " en su Templo, primero como iniciados, luego como padawans bajo la tutela de un maestro, y "
         "renuncian a las pasiones y al apego. Armados con su sable de luz, sirvieron a la República "
         "durante siglos hasta que la Orden 66 casi los exterminó por completo."},
    {"varkhenos", "varkh", Nombre_varkh, nullptr, true,
         "Los señores sith son los seguidores del lado oscuro de la Fuerza, rivales eternos de los jedi. "
         "Alimentan su poder con la ira, el odio y la ambición, y buscan dominar la galaxia a cualquier "
         "precio. Tras guerras antiguas que casi los borraron del mapa, sobrevivieron ocultos siguiendo la"
         " regla de dos: un maestro y un aprendiz. Sus señores llevan el título de Darth y un nombre nuevo"
         " que deja atrás su vida anterior."},
    {"planetas", "planeta", Nombre_planeta, nullptr, false,
         "Elige esta opción para generar automáticamente el nombre de un planeta o sistema planetario "
         "dentro de la galaxia de Star Wars."},
});

// The list, in its order, by picture key: a program's or a grammar file's.
constexpr std::string_view list_order[] = {
    "adumar", "agamar", "alderaan", "bakura", "bespin", "brentaal", "carida", "chandrila", "commenor",
    "corelia", "corulag", "coruscant", "cularin", "dathomir", "demophon", "draenell", "elrood", "garos",
    "hapes", "jedi", "kegan", "kuat", "lianna", "varkh", "naboo", "namch", "narsh", "obroa", "onderon", "ordm",
    "planeta", "ralltiir", "socorro", "tatooine", "teyr",
};

// A text that names no category becomes this one.
constexpr std::string_view fallback_key = "alderaan";

[[noreturn]] void broken_table(const char* what, std::string_view key)
{
    std::fprintf(stderr, "quelvarinox: la tabla de categorías %s: %.*s\n", what, static_cast<int>(key.size()),
                 key.data());
    std::abort();
}

Category row_of(std::string_view key)
{
    for (const Category& program : programs)
        if (program.picture_key == key)
            return program;
    const Grammar* grammar = builtin_grammar(key);
    if (!grammar)
        broken_table("nombra una categoría sin gramática ni programa", key);
    return category_of_grammar(*grammar);
}

// Built once, on first use, when the grammar files are read. The tests check
// that it lists every grammar file once, under names of its own.
std::vector<Category> make_table()
{
    std::vector<Category> table;
    for (const std::string_view key : list_order)
        table.push_back(row_of(key));
    return table;
}

const std::vector<Category>& categories()
{
    static const std::vector<Category> table = make_table();
    return table;
}

}  // namespace

Category category_of_grammar(const Grammar& grammar)
{
    return {grammar.display_text, grammar.key, nullptr, &grammar, grammar.reads_alternative_mode(),
            grammar.description};
}

Refusal make_name(const Category& category, GenerationContext& ctx, std::string& name)
{
    if (category.grammar)
        return make_grammar_name(*category.grammar, ctx, name);
    category.generator(ctx, name);
    return {};
}

std::span<const Category> category_table() { return categories(); }

std::size_t position_of(const Category& category)
{
    return static_cast<std::size_t>(&category - categories().data()) + 1;
}

const Category* find_category(std::string_view display_text)
{
    const auto& table = categories();
    const auto found = std::find_if(table.begin(), table.end(),
                                    [&](const Category& category) { return category.display_text == display_text; });
    return found != table.end() ? &*found : nullptr;
}

namespace {

constexpr bool is_blank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }
constexpr char lower(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

bool equal_folded(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
        return lower(x) == lower(y);
    });
}

}  // namespace

const Category* find_category_by_name(std::string_view name)
{
    while (!name.empty() && is_blank(name.front()))
        name.remove_prefix(1);
    while (!name.empty() && is_blank(name.back()))
        name.remove_suffix(1);
    for (const Category& category : categories())
        if (equal_folded(category.display_text, name) || equal_folded(category.picture_key, name))
            return &category;
    return nullptr;
}

const Category& fallback_category()
{
    for (const Category& category : categories())
        if (category.picture_key == fallback_key)
            return category;
    broken_table("no tiene la categoría de respaldo", fallback_key);
}

std::string picture_file_name(const Category& category)
{
    return "plnt_" + std::string(category.picture_key) + ".jpg";
}

}  // namespace quelvarinox::detail
