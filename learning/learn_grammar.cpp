#include "learning/learn_grammar.h"

#include <algorithm>

#include "engine/grammar.h"
#include "learning/edge_tables.h"
#include "learning/example_counts.h"
#include "learning/example_list.h"
#include "learning/grammar_writer.h"

namespace quelvarinox::detail {

namespace {

const OutcomeNoun form_noun{"forma", "formas", true};
const OutcomeNoun count_noun{"número de sílabas", "números de sílabas", false};
const OutcomeNoun piece_noun{"pieza", "piezas", true};

const Exclusion too_many_words{"forma de más de " + std::to_string(grammar_limits::words) + " palabras",
                               "formas de más de " + std::to_string(grammar_limits::words) + " palabras"};
const Exclusion too_long_text{"forma con un texto de más de " + std::to_string(grammar_limits::text_bytes) + " bytes",
                              "formas con un texto de más de " + std::to_string(grammar_limits::text_bytes) + " bytes"};
const Exclusion without_vowels{"nombre sin vocales", "nombres sin vocales"};
const Exclusion too_many_syllables{"número de sílabas mayor que " + std::to_string(grammar_limits::syllables),
                                   "números de sílabas mayores que " + std::to_string(grammar_limits::syllables)};
const Exclusion too_long_piece{"pieza de más de " + std::to_string(TablePiece::room) + " bytes",
                               "piezas de más de " + std::to_string(TablePiece::room) + " bytes"};

LearnedTables weigh_all(const ExampleCounts& counts, const LearnOptions& options, std::size_t examples)
{
    const int k = options.min_count;
    LearnedTables tables;
    tables.display_name = options.identity.display_name;
    tables.key = options.identity.key;
    tables.examples = examples;
    tables.forms = weigh(counts.forms, k, form_noun, [](const LearnedForm& form) -> const Exclusion* {
        if (form.after.size() > static_cast<std::size_t>(grammar_limits::words))
            return &too_many_words;
        const auto too_long = [](const std::string& text) { return text.size() > grammar_limits::text_bytes; };
        if (too_long(form.before) || std::any_of(form.after.begin(), form.after.end(), too_long))
            return &too_long_text;
        return nullptr;
    });
    const bool has_initials = std::any_of(tables.forms.rows.begin(), tables.forms.rows.end(),
                                          [](const auto& row) { return !row.first.initials.empty(); });
    const auto most_frequent = [](const auto& a, const auto& b) { return a.second < b.second; };
    if (has_initials)
        tables.empty_initial = std::max_element(counts.initials.begin(), counts.initials.end(), most_frequent)->first;
    if (counts.names_without_words > 0) {
        tables.forms.counted += counts.names_without_words;
        tables.forms.leave_out(without_vowels, 0, counts.names_without_words);
    }
    tables.syllable_counts = weigh(counts.syllable_counts, k, count_noun, [](int syllables) {
        return syllables > grammar_limits::syllables ? &too_many_syllables : nullptr;
    });
    const EdgeTables edges = options.edge_tables ? choose_edge_tables(counts.pieces, k) : EdgeTables{};
    for (const Slot slot : slots)
        for (const SlotTable table : slot_tables) {
            if (!edges.has(slot, table))
                continue;
            PieceTable pieces{slot, table, {}, {}};
            for (const Place place : places)
                if (table_of(slot, place, edges) == table)
                    pieces.places.push_back(place);
            pieces.rows = weigh(table_tally(counts.pieces, slot, table, edges), k, piece_noun,
                                [](const std::string& piece) { return piece.size() > TablePiece::room ? &too_long_piece : nullptr; });
            tables.pieces.push_back(std::move(pieces));
        }
    return tables;
}

// "[coda] se queda vacía: …", for the first table the minimum count empties.
std::string emptied_table(const LearnedTables& tables, int min_count)
{
    std::string section;
    std::string none = "de sus piezas, ninguna";
    if (tables.forms.rows.empty()) {
        section = "[forma]";
        none = "de sus formas, ninguna";
    } else if (tables.syllable_counts.rows.empty()) {
        section = "[silabas]";
        none = "de sus números de sílabas, ninguno";
    }
    for (const PieceTable& table : tables.pieces)
        if (section.empty() && table.rows.rows.empty())
            section = section_name(table.slot, table.table);
    if (section.empty())
        return {};
    return section + " se queda vacía: " + none + " sale al menos " + std::to_string(min_count) +
           (min_count == 1 ? " vez" : " veces") +
           " en los ejemplos y cabe en el formato. Pruebe con un umbral menor o con más nombres.";
}

}  // namespace

LearnedGrammar learn_grammar(std::string_view examples, const LearnOptions& options)
{
    if (std::string problem = identity_problem(options.identity); !problem.empty())
        return {{}, std::move(problem)};
    if (options.min_count < fewest_min_count || options.min_count > most_min_count)
        return {{}, "El umbral ha de ser un entero de " + std::to_string(fewest_min_count) + " a " +
                        std::to_string(most_min_count) + ", y es " + std::to_string(options.min_count) + "."};
    const ExampleList list = read_examples(examples);
    if (!list.error.empty())
        return {{}, list.error};
    const ExampleCounts counts = count_examples(list.names, options.min_count);
    if (counts.syllable_counts.empty())
        return {{}, "Ningún nombre de la lista tiene una vocal (a, e, i, o, u o y): no hay sílabas de las que aprender."};
    if (counts.letters < 2)
        return {{}, "La lista no tiene más que una letra: no hay de dónde aprender una gramática."};
    const LearnedTables tables = weigh_all(counts, options, list.names.size());
    if (std::string emptied = emptied_table(tables, options.min_count); !emptied.empty())
        return {{}, std::move(emptied)};
    return {write_grammar(tables), {}};
}

}  // namespace quelvarinox::detail
