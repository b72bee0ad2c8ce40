#include "engine/grammar_loader.h"

#include <algorithm>
#include <cstdint>
#include <initializer_list>
#include <iterator>
#include <numeric>
#include <optional>
#include <string>
#include <utility>

#include "engine/grammar_text.h"
#include "engine/toml.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

using namespace std::string_literals;

constexpr std::string_view table_keys[] = {"tirada", "filas", "resto", "resto_en", "pesos"};

std::string section(std::string_view name) { return "[" + std::string(name) + "]"; }

// A list of values as people write it: "3", "3 y 5", "3-7, 9 y 12".
std::string value_list(const std::vector<Span>& spans)
{
    std::string text;
    for (std::size_t i = 0; i < spans.size(); ++i) {
        if (i > 0)
            text += i + 1 == spans.size() ? " y " : ", ";
        text += std::to_string(spans[i].from);
        if (spans[i].to > spans[i].from) {
            text += '-';
            text += std::to_string(spans[i].to);
        }
    }
    return text;
}

// A range read from a file, with the place of its row.
struct PlacedSpan {
    Span span;
    const toml::node* node;
};

// One table of a file as it is read: its rows, the spans of its default, and
// whatever outcome each gives, before the values are checked and indexed.
template <class T>
struct TableDraft {
    int multiplier = 0;
    std::vector<PlacedSpan> spans;
    std::vector<T> outcomes;
    std::optional<T> otherwise;
    std::vector<PlacedSpan> otherwise_spans;
};

class Reader {
public:
    std::vector<GrammarMistake>& errors() { return errors_; }

    void error(const toml::source_region& where, std::string message)
    {
        errors_.push_back({where.begin.line, where.begin.column, std::move(message)});
    }
    void error(const toml::node& node, std::string message) { error(node.source(), std::move(message)); }

    // Reports the keys of `table` that are none of `known`, each with the
    // known key it most likely stands for.
    void check_keys(const toml::table& table, std::string_view where, const std::vector<std::string_view>& known)
    {
        for (auto&& [key, value] : table) {
            if (std::find(known.begin(), known.end(), key.str()) != known.end())
                continue;
            std::string message = "clave desconocida " + shown(key.str()) + " en " + std::string(where);
            if (const auto meant = closest_key(key.str(), known))
                message += "; ¿quería decir " + shown(*meant) + "?";
            else
                message += "; las claves son " + key_list(known);
            error(key.source(), message);
        }
    }

    std::optional<std::int64_t> integer(const toml::node& node, std::string_view what, std::int64_t low,
                                        std::int64_t high)
    {
        const auto* value = node.as_integer();
        if (!value) {
            error(node, std::string(what) + " debe ser un número entero");
            return std::nullopt;
        }
        if (value->get() < low || value->get() > high) {
            error(node, std::string(what) + " debe ir de " + std::to_string(low) + " a " + std::to_string(high) +
                            ", y es " + std::to_string(value->get()));
            return std::nullopt;
        }
        return value->get();
    }

    std::optional<bool> boolean(const toml::node& node, std::string_view what)
    {
        if (const auto* value = node.as_boolean())
            return value->get();
        error(node, std::string(what) + " debe ser true o false");
        return std::nullopt;
    }

    // A text of the name: well-formed UTF-8 without control characters, at
    // most `limit` bytes long.
    std::optional<std::string> text(const toml::node& node, std::string_view what, std::size_t limit,
                                    bool multiline = false)
    {
        const auto* value = node.as_string();
        if (!value) {
            error(node, std::string(what) + " debe ser un texto entre comillas");
            return std::nullopt;
        }
        const std::string& text = value->get();
        if (const auto problem = text_problem(text, limit, multiline)) {
            error(node, std::string(what) + " " + *problem);
            return std::nullopt;
        }
        return text;
    }

    std::optional<PieceSlot> piece(const toml::node& node, std::string_view what)
    {
        const auto read = text(node, what, TablePiece::room);
        if (!read)
            return std::nullopt;
        PieceSlot slot;
        std::copy(read->begin(), read->end(), slot.bytes.begin());
        slot.size = static_cast<std::uint8_t>(read->size());
        return slot;
    }

    // Word positions from 1 to `words`, each once.
    std::optional<WordSet> positions(const toml::node& node, std::string_view what, int words)
    {
        const auto* array = node.as_array();
        if (!array) {
            error(node, std::string(what) + " debe ser una lista de posiciones de palabra, como [2] o [1, 3]");
            return std::nullopt;
        }
        WordSet set = 0;
        for (const toml::node& element : *array) {
            const auto position = integer(element, "una posición de " + std::string(what), 1, words);
            if (!position)
                return std::nullopt;
            if (contains(set, static_cast<int>(*position - 1))) {
                error(element, "la palabra " + std::to_string(*position) + " está dos veces en " + std::string(what));
                return std::nullopt;
            }
            set = static_cast<WordSet>(set | 1U << (*position - 1));
        }
        return set;
    }

    // A table of any outcome, in either notation: ranges over `tirada`, or
    // weights. `read` turns one outcome's node into T; `from_key` a key of
    // the weights' table, where the outcomes are keys.
    template <class T, class Read, class FromKey>
    std::optional<DrawnTable<T>> table(const toml::table& node, std::string_view name, Read read, FromKey from_key)
    {
        TableDraft<T> draft;
        const bool weighted = node.contains("pesos");
        if (weighted) {
            for (const std::string_view key : {"tirada", "filas", "resto", "resto_en"})
                if (const toml::node* mixed = node.get(key))
                    error(*mixed, "una tabla con «pesos» no lleva " + shown(key) + ": los pesos ya dicen las tiradas");
            if (!weights(*node.get("pesos"), name, read, from_key, draft))
                return std::nullopt;
        } else if (!ranges(node, name, read, draft)) {
            return std::nullopt;
        }
        return index(node, name, draft);
    }

private:
    template <class T, class Read>
    bool ranges(const toml::table& node, std::string_view name, Read read, TableDraft<T>& draft)
    {
        const toml::node* multiplier = node.get("tirada");
        const toml::node* rows = node.get("filas");
        if (!multiplier || !rows) {
            error(node, section(name) + " necesita " + (multiplier ? "«filas»"s : "«tirada»"s) +
                            ", o bien «pesos» en su lugar");
            return false;
        }
        const auto n = integer(*multiplier, "«tirada»", 1, grammar_limits::multiplier);
        if (!n)
            return false;
        draft.multiplier = static_cast<int>(*n);
        bool good = true;
        const auto* row_array = rows->as_array();
        if (!row_array) {
            error(*rows, "«filas» debe ser una lista de filas [desde, hasta, resultado]");
            return false;
        }
        if (row_array->size() > grammar_limits::rows) {
            error(*rows, section(name) + " tiene más de " + std::to_string(grammar_limits::rows) + " filas");
            return false;
        }
        for (const toml::node& row : *row_array) {
            const auto* cells = row.as_array();
            if (!cells || cells->size() != 3) {
                error(row, "cada fila de " + section(name) + " es [desde, hasta, resultado]");
                good = false;
                continue;
            }
            const auto span = span_of(row, (*cells)[0], (*cells)[1], draft.multiplier);
            std::optional<T> outcome = read((*cells)[2]);
            if (!span || !outcome) {
                good = false;
                continue;
            }
            draft.spans.push_back({*span, &row});
            draft.outcomes.push_back(std::move(*outcome));
        }
        const toml::node* otherwise = node.get("resto");
        const toml::node* otherwise_at = node.get("resto_en");
        if ((otherwise == nullptr) != (otherwise_at == nullptr)) {
            error(otherwise ? *otherwise : *otherwise_at,
                  "«resto» y «resto_en» van juntos: lo que dan los valores sin fila, y cuáles son");
            return false;
        }
        if (otherwise) {
            draft.otherwise = read(*otherwise);
            good = draft.otherwise.has_value() && good;
            const auto* spans = otherwise_at->as_array();
            if (!spans) {
                error(*otherwise_at, "«resto_en» debe ser una lista de tramos [desde, hasta]");
                return false;
            }
            for (const toml::node& element : *spans) {
                const auto* pair = element.as_array();
                if (!pair || pair->size() != 2) {
                    error(element, "cada tramo de «resto_en» es [desde, hasta]");
                    good = false;
                    continue;
                }
                if (const auto span = span_of(element, (*pair)[0], (*pair)[1], draft.multiplier))
                    draft.otherwise_spans.push_back({*span, &element});
                else
                    good = false;
            }
        }
        return good;
    }

    std::optional<Span> span_of(const toml::node& row, const toml::node& from, const toml::node& to, int multiplier)
    {
        const auto first = integer(from, "el primer valor de una fila", 0, multiplier);
        const auto last = integer(to, "el último valor de una fila", 0, multiplier);
        if (!first || !last)
            return std::nullopt;
        if (*last < *first) {
            error(row, "la fila va de " + std::to_string(*first) + " a " + std::to_string(*last) +
                           ": el primer valor no puede ser mayor que el último");
            return std::nullopt;
        }
        return Span{static_cast<int>(*first), static_cast<int>(*last)};
    }

    // Weights map exactly onto the draws: over Tirada(2W), the first outcome
    // takes 0..2w1-1 and 2W, outcome j takes 2C(j-1)..2C(j)-1, C the running
    // sums; 0 and 2W come up half as often, so each outcome comes up w/W.
    template <class T, class Read, class FromKey>
    bool weights(const toml::node& node, std::string_view name, Read read, FromKey from_key, TableDraft<T>& draft)
    {
        std::vector<std::pair<std::int64_t, const toml::node*>> weights;
        if (const auto* keyed = node.as_table()) {
            std::vector<std::pair<const toml::key*, const toml::node*>> entries;
            for (auto&& [key, value] : *keyed)
                entries.emplace_back(&key, &value);
            std::sort(entries.begin(), entries.end(), [](const auto& a, const auto& b) {
                const auto& x = a.first->source().begin;
                const auto& y = b.first->source().begin;
                return std::pair(x.line, x.column) < std::pair(y.line, y.column);
            });
            for (const auto& [key, value] : entries) {
                std::optional<T> outcome = from_key(*key);
                const auto weight = integer(*value, "un peso", 1, grammar_limits::total_weight);
                if (!outcome || !weight)
                    return false;
                draft.outcomes.push_back(std::move(*outcome));
                weights.emplace_back(*weight, value);
            }
        } else if (const auto* listed = node.as_array()) {
            for (const toml::node& row : *listed) {
                const auto* pair = row.as_array();
                if (!pair || pair->size() != 2) {
                    error(row, "cada fila de «pesos» es [peso, resultado]");
                    return false;
                }
                const auto weight = integer((*pair)[0], "un peso", 1, grammar_limits::total_weight);
                std::optional<T> outcome = read((*pair)[1]);
                if (!weight || !outcome)
                    return false;
                draft.outcomes.push_back(std::move(*outcome));
                weights.emplace_back(*weight, &row);
            }
        } else {
            error(node, "«pesos» debe ser una tabla (pieza = peso) o una lista de filas [peso, resultado]");
            return false;
        }
        if (weights.empty()) {
            error(node, "«pesos» está vacío: " + section(name) + " necesita al menos un resultado");
            return false;
        }
        if (weights.size() > grammar_limits::rows) {
            error(node, section(name) + " tiene más de " + std::to_string(grammar_limits::rows) + " pesos");
            return false;
        }
        std::int64_t total = 0;
        for (const auto& [weight, where] : weights) {
            total += weight;
            if (total > grammar_limits::total_weight) {
                error(*where, "los pesos de " + section(name) + " suman más de " +
                                  std::to_string(grammar_limits::total_weight));
                return false;
            }
        }
        draft.multiplier = static_cast<int>(2 * total);
        int next = 0;
        for (const auto& [weight, where] : weights) {
            draft.spans.push_back({{next, next + static_cast<int>(2 * weight) - 1}, where});
            next += static_cast<int>(2 * weight);
        }
        draft.otherwise = draft.outcomes.front();
        draft.otherwise_spans.push_back({{draft.multiplier, draft.multiplier}, weights.front().second});
        return true;
    }

    // Checks that the rows and the default name every value from 0 to N once,
    // and indexes them; the errors name the values and the rows around them.
    template <class T>
    std::optional<DrawnTable<T>> index(const toml::table& node, std::string_view name, TableDraft<T>& draft)
    {
        const auto values = static_cast<std::size_t>(draft.multiplier) + 1;
        std::vector<std::uint8_t> times(values, 0);
        if (!ascend(draft.spans, name, "filas") || !ascend(draft.otherwise_spans, name, "resto_en"))
            return std::nullopt;
        bool good = true;
        std::vector<Span> twice;
        for (const auto* list : {&draft.spans, &draft.otherwise_spans})
            for (const PlacedSpan& placed : *list)
                for (int value = placed.span.from; value <= placed.span.to; ++value)
                    if (++times[static_cast<std::size_t>(value)] == 2)
                        add_value(twice, value);
        if (!twice.empty()) {
            error(node, section(name) + " nombra dos veces " + values_word(twice) + " " + value_list(twice) +
                            ": en una fila y en «resto_en»");
            good = false;
        }
        std::vector<Span> unnamed;
        for (std::size_t value = 0; value < values; ++value)
            if (times[value] == 0)
                add_value(unnamed, static_cast<int>(value));
        if (!unnamed.empty()) {
            error(place_of_gap(node, draft, unnamed.front().from),
                  section(name) + " deja sin nombrar " + values_word(unnamed) + " " + value_list(unnamed) +
                      " de la tirada 0-" + std::to_string(draft.multiplier) +
                      (draft.otherwise ? "" : "; si han de dar un resultado común, póngalos en «resto_en»"));
            good = false;
        }
        if (!good)
            return std::nullopt;
        const auto otherwise_row = static_cast<std::uint16_t>(draft.outcomes.size());
        std::vector<std::uint16_t> row_of(values, otherwise_row);
        for (std::size_t row = 0; row < draft.spans.size(); ++row)
            for (int value = draft.spans[row].span.from; value <= draft.spans[row].span.to; ++value)
                row_of[static_cast<std::size_t>(value)] = static_cast<std::uint16_t>(row);
        if (draft.otherwise)
            draft.outcomes.push_back(std::move(*draft.otherwise));
        return DrawnTable<T>(draft.multiplier, std::move(row_of), std::move(draft.outcomes));
    }

    bool ascend(const std::vector<PlacedSpan>& spans, std::string_view name, std::string_view list)
    {
        for (std::size_t i = 1; i < spans.size(); ++i) {
            const Span& before = spans[i - 1].span;
            const Span& now = spans[i].span;
            if (now.from > before.to)
                continue;
            if (now.from < before.from)
                error(*spans[i].node, "en " + section(name) + ", «" + std::string(list) +
                                          "» va fuera de orden: el tramo " + span_text(now) +
                                          " va antes que el tramo anterior, " + span_text(before));
            else
                error(*spans[i].node, "en " + section(name) + ", los tramos " + span_text(before) + " y " +
                                          span_text(now) + " nombran los dos " +
                                          values_word({{now.from, std::min(now.to, before.to)}}) + " " +
                                          value_list({{now.from, std::min(now.to, before.to)}}));
            return false;
        }
        return true;
    }

    // Where a hole begins: the row or span that ends just before it, or the
    // one that starts just after it.
    template <class T>
    const toml::node& place_of_gap(const toml::table& node, const TableDraft<T>& draft, int gap)
    {
        for (const auto* list : {&draft.spans, &draft.otherwise_spans})
            for (const PlacedSpan& placed : *list)
                if (placed.span.to == gap - 1)
                    return *placed.node;
        for (const auto* list : {&draft.spans, &draft.otherwise_spans})
            for (const PlacedSpan& placed : *list)
                if (placed.span.from > gap)
                    return *placed.node;
        return node;
    }

    static void add_value(std::vector<Span>& spans, int value)
    {
        if (!spans.empty() && spans.back().to == value - 1)
            spans.back().to = value;
        else
            spans.push_back({value, value});
    }

    static std::string values_word(const std::vector<Span>& spans)
    {
        return spans.size() == 1 && spans.front().from == spans.front().to ? "el valor" : "los valores";
    }

    static std::string span_text(Span span)
    {
        return "[" + std::to_string(span.from) + ", " + std::to_string(span.to) + "]";
    }

    std::vector<GrammarMistake> errors_;
};

// Reads a whole grammar: the identity, the tables and their settings.
class GrammarReader {
public:
    explicit GrammarReader(const toml::table& root) : root_(root) {}

    GrammarLoad read()
    {
        auto grammar = std::make_unique<Grammar>();
        reader_.check_keys(root_, "el fichero",
                           {"nombre", "clave", "descripcion", "inicial_vacia", "forma", "silabas", "ataque", "vocal",
                            "coda", "particula", "union", "corte", "prefijo", "apostrofo", "acento"});
        identity(*grammar);
        if (const toml::node* letter = root_.get("inicial_vacia"))
            if (const auto slot = reader_.piece(*letter, "«inicial_vacia»"))
                grammar->empty_initial = *slot;
        tables(*grammar);
        std::stable_sort(reader_.errors().begin(), reader_.errors().end(), [](const auto& a, const auto& b) {
            return std::pair(a.line, a.column) < std::pair(b.line, b.column);
        });
        GrammarLoad load;
        load.mistakes = std::move(reader_.errors());
        if (load.mistakes.empty())
            load.grammar = std::move(grammar);
        return load;
    }

private:
    void identity(Grammar& grammar)
    {
        if (const auto name = required_text("nombre"))
            grammar.display_text = *name;
        if (const auto key = required_text("clave")) {
            const bool plain = !key->empty() && key->size() <= 32 && std::all_of(key->begin(), key->end(), [](char c) {
                return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
            });
            if (plain)
                grammar.key = *key;
            else
                reader_.error(*root_.get("clave"), "«clave» es de 1 a 32 letras minúsculas sin tilde, cifras o "
                                                   "guiones, como \"tatooine\" o \"mi-lengua\"");
        }
        if (const toml::node* description = root_.get("descripcion"))
            if (const auto text = reader_.text(*description, "«descripcion»", grammar_limits::identity_bytes, true))
                grammar.description = *text;
    }

    std::optional<std::string> required_text(std::string_view key)
    {
        const toml::node* node = root_.get(key);
        if (!node) {
            reader_.error(root_.source(), "falta " + shown(key) + " al principio del fichero");
            return std::nullopt;
        }
        const auto text = reader_.text(*node, shown(key), grammar_limits::identity_bytes);
        if (text && text->empty()) {
            reader_.error(*node, shown(key) + " no puede estar vacío");
            return std::nullopt;
        }
        return text;
    }

    const toml::table* section_table(std::string_view name, bool required)
    {
        const toml::node* node = root_.get(name);
        if (!node) {
            if (required)
                reader_.error(root_.source(), "falta la tabla " + section(name));
            return nullptr;
        }
        const auto* table = node->as_table();
        if (!table)
            reader_.error(*node, shown(name) + " debe ser una tabla: " + section(name) + " y sus claves debajo");
        return table;
    }

    std::optional<DrawnPieceTable> pieces(const toml::table& node, std::string_view name)
    {
        auto table = reader_.table<PieceSlot>(
            node, name, [&](const toml::node& cell) { return reader_.piece(cell, "una pieza de " + section(name)); },
            [&](const toml::key& key) { return piece_from_key(key, name); });
        if (!table)
            return std::nullopt;
        return DrawnPieceTable(std::move(*table));
    }

    std::optional<PieceSlot> piece_from_key(const toml::key& key, std::string_view name)
    {
        if (const auto problem = text_problem(key.str(), TablePiece::room)) {
            reader_.error(key.source(), "la pieza " + shown(key.str()) + " de " + section(name) + " " + *problem);
            return std::nullopt;
        }
        PieceSlot slot;
        std::copy(key.str().begin(), key.str().end(), slot.bytes.begin());
        slot.size = static_cast<std::uint8_t>(key.str().size());
        return slot;
    }

    void tables(Grammar& grammar)
    {
        const auto plain = [&](std::string_view name, bool required, std::optional<DrawnPieceTable>& into,
                               std::initializer_list<std::string_view> extra = {}) -> const toml::table* {
            const toml::table* node = section_table(name, required);
            if (!node)
                return nullptr;
            check_table_keys(*node, name, extra);
            into = pieces(*node, name);
            return node;
        };
        forms(grammar);
        if (const toml::table* node = section_table("silabas", true)) {
            check_table_keys(*node, "silabas", {});
            const auto count = [&](const toml::node& cell) -> std::optional<int> {
                const auto value = reader_.integer(cell, "un número de sílabas", 1, grammar_limits::syllables);
                return value ? std::optional<int>(static_cast<int>(*value)) : std::nullopt;
            };
            const auto count_key = [&](const toml::key& key) -> std::optional<int> {
                const std::string text(key.str());
                const bool digits = std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
                if (!text.empty() && text.size() <= 2 && digits) {
                    const int value = std::stoi(text);
                    if (value >= 1 && value <= grammar_limits::syllables)
                        return value;
                }
                reader_.error(key.source(), "en [silabas], cada clave de «pesos» es un número de sílabas de 1 a " +
                                                std::to_string(grammar_limits::syllables));
                return std::nullopt;
            };
            if (auto table = reader_.table<int>(*node, "silabas", count, count_key))
                grammar.syllables = std::move(*table);
        }
        std::optional<DrawnPieceTable> onset, vowel, coda;
        plain("ataque", true, onset);
        const toml::table* vowel_node = plain("vocal", true, vowel);
        plain("coda", true, coda);
        if (onset)
            grammar.onset = std::move(*onset);
        if (coda)
            grammar.coda = std::move(*coda);
        if (const toml::table* node = plain("particula", false, grammar.particle, {"queda"}))
            grammar.particle_kept = choice<ParticleKept>(*node, "particula", "queda",
                                                         {{"siempre", ParticleKept::always},
                                                          {"ultima", ParticleKept::last_word},
                                                          {"ultima_sin_compuesto",
                                                           ParticleKept::last_word_without_compound}});
        plain("union", false, grammar.joiner);
        plain("apostrofo", false, grammar.coda_apostrophe);
        syllable_breaks(grammar);
        prefixes(grammar);
        if (vowel) {
            grammar.vowel = std::move(*vowel);
            if (vowel_node)
                accent(grammar);
        }
    }

    // A table's keys are those every table has and its own settings.
    void check_table_keys(const toml::table& node, std::string_view name, std::initializer_list<std::string_view> extra)
    {
        std::vector<std::string_view> known(std::begin(table_keys), std::end(table_keys));
        known.insert(known.end(), extra.begin(), extra.end());
        reader_.check_keys(node, section(name), known);
    }

    template <class E>
    E choice(const toml::table& node, std::string_view name, std::string_view key,
             std::initializer_list<std::pair<std::string_view, E>> options)
    {
        std::string names;
        for (const auto& [text, value] : options)
            names += (names.empty() ? "" : ", ") + shown(text);
        const toml::node* chosen = node.get(key);
        if (!chosen) {
            reader_.error(node, section(name) + " necesita " + shown(key) + ": " + names);
            return options.begin()->second;
        }
        if (const auto* text = chosen->as_string())
            for (const auto& [option, value] : options)
                if (text->get() == option)
                    return value;
        reader_.error(*chosen, shown(key) + " en " + section(name) + " es uno de " + names);
        return options.begin()->second;
    }

    void syllable_breaks(Grammar& grammar)
    {
        const toml::table* node = section_table("corte", false);
        if (!node)
            return;
        check_table_keys(*node, "corte", {"se_tira"});
        grammar.break_drawn = choice<BreakDrawn>(*node, "corte", "se_tira",
                                                 {{"entre_silabas", BreakDrawn::between_syllables},
                                                  {"antes_de_cada_silaba", BreakDrawn::before_every_syllable}});
        const auto read = [&](const toml::node& cell) -> std::optional<SyllableBreak> {
            if (const auto* record = cell.as_table()) {
                reader_.check_keys(*record, "un corte", {"texto", "mayuscula"});
                SyllableBreak drawn;
                const toml::node* text = record->get("texto");
                if (!text) {
                    reader_.error(cell, "un corte escrito como tabla necesita «texto»");
                    return std::nullopt;
                }
                const auto slot = reader_.piece(*text, "el texto de un corte");
                if (!slot)
                    return std::nullopt;
                drawn.text = *slot;
                if (const toml::node* capital = record->get("mayuscula")) {
                    const auto flag = reader_.boolean(*capital, "«mayuscula»");
                    if (!flag)
                        return std::nullopt;
                    drawn.capitalizes = *flag;
                }
                return drawn;
            }
            const auto slot = reader_.piece(cell, "un corte");
            return slot ? std::optional<SyllableBreak>(SyllableBreak{*slot, false}) : std::nullopt;
        };
        const auto from_key = [&](const toml::key& key) -> std::optional<SyllableBreak> {
            const auto slot = piece_from_key(key, "corte");
            return slot ? std::optional<SyllableBreak>(SyllableBreak{*slot, false}) : std::nullopt;
        };
        grammar.syllable_break = reader_.table<SyllableBreak>(*node, "corte", read, from_key);
    }

    void prefixes(Grammar& grammar)
    {
        const toml::table* node = section_table("prefijo", false);
        if (!node)
            return;
        check_table_keys(*node, "prefijo", {"se_tira", "en_palabras"});
        grammar.prefix_drawn = choice<PrefixDrawn>(*node, "prefijo", "se_tira",
                                                   {{"antes_del_recuento", PrefixDrawn::before_syllable_count},
                                                    {"tras_el_recuento", PrefixDrawn::after_syllable_count}});
        grammar.prefix_words = static_cast<WordSet>((1U << grammar_limits::words) - 1);
        if (const toml::node* words = node->get("en_palabras"))
            if (const auto set = reader_.positions(*words, "«en_palabras»", grammar_limits::words))
                grammar.prefix_words = *set;
        const auto flag = [&](const toml::node& cell) -> std::optional<Prefix> {
            const auto on = reader_.boolean(cell, "un prefijo");
            return on ? std::optional<Prefix>(*on ? Prefix::apostrophe : Prefix::none) : std::nullopt;
        };
        const auto from_key = [&](const toml::key& key) -> std::optional<Prefix> {
            if (key.str() == "true" || key.str() == "false")
                return key.str() == "true" ? Prefix::apostrophe : Prefix::none;
            reader_.error(key.source(), "en [prefijo], las claves de «pesos» son true y false");
            return std::nullopt;
        };
        grammar.prefix = reader_.table<Prefix>(*node, "prefijo", flag, from_key);
    }

    void accent(Grammar& grammar)
    {
        const toml::table* node = section_table("acento", false);
        if (!node)
            return;
        reader_.check_keys(*node, "[acento]", {"vocales", "palabra", "en_otro_sitio"});
        const toml::node* vowels = node->get("vocales");
        const toml::node* word = node->get("palabra");
        const toml::node* elsewhere = node->get("en_otro_sitio");
        if (!vowels || !word || !elsewhere) {
            reader_.error(*node, "[acento] necesita «vocales», «palabra» y «en_otro_sitio»");
            return;
        }
        const auto position = reader_.integer(*word, "«palabra»", 1, grammar_limits::words);
        const auto unaccented = reader_.piece(*elsewhere, "«en_otro_sitio»");
        const auto* list = vowels->as_array();
        if (!list || list->empty()) {
            reader_.error(*vowels, "«vocales» debe ser una lista de vocales de [vocal], como [\"é\"]");
            return;
        }
        std::vector<bool> accented(grammar.vowel.rows().size(), false);
        for (const toml::node& element : *list) {
            const auto slot = reader_.piece(element, "una vocal con tilde");
            if (!slot)
                return;
            bool found = false;
            for (std::size_t row = 0; row < accented.size(); ++row)
                if (Piece(grammar.vowel.rows()[row].piece()) == Piece(slot->piece())) {
                    accented[row] = true;
                    found = true;
                }
            if (!found) {
                reader_.error(element, "la vocal " + shown(Piece(slot->piece())) + " no está en [vocal]");
                return;
            }
        }
        if (!position || !unaccented)
            return;
        grammar.accented_vowel_rows = std::move(accented);
        grammar.accent_word = static_cast<int>(*position);
        grammar.unaccented = *unaccented;
    }

    void forms(Grammar& grammar)
    {
        const toml::table* node = section_table("forma", true);
        if (!node)
            return;
        check_table_keys(*node, "forma", {"fija", "alternativa"});
        const bool joined = root_.contains("union");
        const auto read = [&](const toml::node& cell) { return form(cell, joined); };
        if (const toml::node* fixed = node->get("fija")) {
            for (const std::string_view key : {"tirada", "filas", "pesos", "resto", "resto_en"})
                if (const toml::node* mixed = node->get(key))
                    reader_.error(*mixed, "una [forma] con «fija» no se tira: no lleva " + shown(key));
            if (auto only = form(*fixed, joined))
                grammar.fixed_form = std::move(*only);
        } else {
            const auto from_key = [&](const toml::key& key) -> std::optional<Form> {
                reader_.error(key.source(), "los pesos de [forma] son una lista de filas [peso, { palabras = … }]");
                return std::nullopt;
            };
            grammar.forms = reader_.table<Form>(*node, "forma", read, from_key);
        }
        if (const toml::node* alternative = node->get("alternativa"))
            grammar.alternative = form(*alternative, joined);
    }

    // A form: `palabras` and what makes each word, as an inline table.
    std::optional<Form> form(const toml::node& cell, bool joined)
    {
        const auto* record = cell.as_table();
        if (!record) {
            reader_.error(cell, "una forma es una tabla como { palabras = 2 }");
            return std::nullopt;
        }
        reader_.check_keys(*record, "una forma",
                           {"palabras", "tras", "delante", "compuesto", "minusculas", "monosilabas", "solo_vocal",
                            "iniciales"});
        const toml::node* words = record->get("palabras");
        if (!words) {
            reader_.error(cell, "una forma necesita «palabras»: cuántas palabras tiene el nombre");
            return std::nullopt;
        }
        const auto count = reader_.integer(*words, "«palabras»", 1, grammar_limits::words);
        if (!count)
            return std::nullopt;
        Form made;
        made.words = static_cast<int>(*count);
        bool good = true;
        for (int word = 0; word < made.words; ++word)
            made.after[static_cast<std::size_t>(word)] = " ";
        if (const toml::node* after = record->get("tras")) {
            const auto* texts = after->as_array();
            if (joined) {
                reader_.error(*after, "con [union], lo que va entre las palabras lo da su tabla: sobra «tras»");
                good = false;
            } else if (!texts || texts->size() != static_cast<std::size_t>(made.words)) {
                reader_.error(*after, "«tras» es una lista de " + std::to_string(made.words) +
                                          " textos, lo que sigue a cada palabra");
                good = false;
            } else {
                for (std::size_t word = 0; word < texts->size(); ++word) {
                    const auto text = reader_.text((*texts)[word], "lo que sigue a una palabra", grammar_limits::text_bytes);
                    good = text.has_value() && good;
                    if (text)
                        made.after[word] = *text;
                }
            }
        }
        if (const toml::node* before = record->get("delante")) {
            const auto text = reader_.text(*before, "«delante»", grammar_limits::text_bytes);
            good = text.has_value() && good;
            if (text)
                made.before = *text;
        }
        if (const toml::node* compound = record->get("compuesto")) {
            const auto flag = reader_.boolean(*compound, "«compuesto»");
            good = flag.has_value() && good;
            made.compound = flag.value_or(false);
        }
        const std::pair<std::string_view, WordSet*> sets[] = {{"minusculas", &made.lower_case},
                                                               {"monosilabas", &made.one_syllable},
                                                               {"solo_vocal", &made.bare_vowel},
                                                               {"iniciales", &made.initial}};
        for (const auto& [key, set] : sets)
            if (const toml::node* words_node = record->get(key)) {
                const auto read = reader_.positions(*words_node, shown(key), made.words);
                good = read.has_value() && good;
                *set = read.value_or(0);
            }
        if ((made.bare_vowel & made.initial) != 0) {
            reader_.error(cell, "una palabra no puede ser a la vez «solo_vocal» e «iniciales»");
            good = false;
        }
        return good ? std::optional<Form>(std::move(made)) : std::nullopt;
    }

    const toml::table& root_;
    Reader reader_;
};

}  // namespace

GrammarLoad load_grammar(std::string_view text)
{
    if (text.size() > grammar_limits::file_bytes)
        return {nullptr, {{1, 1, "el fichero pasa de " + std::to_string(grammar_limits::file_bytes) +
                                     " bytes (1 MiB), lo más que puede tener una gramática"}}};
    if (const auto problem = encoding_problem(text))
        return {nullptr, {*problem}};
    toml::parse_result parsed = toml::parse(text);
    if (!parsed) {
        const toml::parse_error& failure = parsed.error();
        return {nullptr, {{failure.source().begin.line, failure.source().begin.column, toml_message(failure.description())}}};
    }
    return GrammarReader(parsed.table()).read();
}

std::string placed(std::string_view file_name, const GrammarMistake& mistake)
{
    if (mistake.line == 0)
        return mistake.message;
    std::string text = std::to_string(mistake.line) + ":" + std::to_string(mistake.column) + ": " + mistake.message;
    return file_name.empty() ? text : std::string(file_name) + ":" + text;
}

std::string placed(std::string_view file_name, const std::vector<GrammarMistake>& mistakes)
{
    std::string text;
    for (const GrammarMistake& mistake : mistakes) {
        if (!text.empty())
            text += '\n';
        text += placed(file_name, mistake);
    }
    return text;
}

}  // namespace quelvarinox::detail
