#include "engine/drawn_table_reader.h"

#include <algorithm>
#include <limits>
#include <string>

#include "text/joined.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

namespace schema = grammar_schema;

// A list of values as people write it: "3", "3 y 5", "3-7, 9 y 12".
std::string value_list(const std::vector<Span>& spans)
{
    std::vector<std::string> items;
    for (const Span span : spans)
        items.push_back(span.to > span.from ? std::to_string(span.from) + "-" + std::to_string(span.to)
                                            : std::to_string(span.from));
    return joined(items);
}

std::string values_word(const std::vector<Span>& spans)
{
    return spans.size() == 1 && spans.front().from == spans.front().to ? "el valor" : "los valores";
}

std::string span_text(Span span)
{
    std::string text(1, '[');
    text += std::to_string(span.from);
    text += ", ";
    text += std::to_string(span.to);
    text += ']';
    return text;
}

// A range read from a file, with the place of its row.
struct PlacedSpan {
    Span span;
    const toml::node* node;
};

// A table's draw as it is read, before its values are checked and indexed:
// the spans of its rows, one for each outcome in order, and those of the
// outcome its default stands for.
struct TableDraft {
    int multiplier = 0;
    std::vector<PlacedSpan> spans;
    std::vector<PlacedSpan> otherwise_spans;
    std::optional<std::uint16_t> otherwise_row;
};

class TableIndexReader {
public:
    TableIndexReader(ValueReader& values, const toml::table& node, const schema::Part& section,
                     OutcomeReader& outcomes)
        : values_(values), node_(node), section_(section), outcomes_(outcomes)
    {
    }

    std::optional<TableIndex> read()
    {
        if (node_.contains(schema::weights.name)) {
            for (const schema::Key* key : schema::drawn_keys)
                if (const toml::node* mixed = key != &schema::weights ? node_.get(key->name) : nullptr)
                    values_.error(*mixed, "una tabla con " + shown(schema::weights.name) + " no lleva " +
                                              shown(key->name) + ": los pesos ya dicen las tiradas");
            if (!weights(*node_.get(schema::weights.name)))
                return std::nullopt;
        } else if (!ranges()) {
            return std::nullopt;
        }
        return index();
    }

private:
    bool ranges()
    {
        const toml::node* multiplier = node_.get(schema::multiplier.name);
        const toml::node* rows = node_.get(schema::rows.name);
        if (!multiplier || !rows) {
            values_.error(node_, section_.where() + " necesita " +
                                     shown(multiplier ? schema::rows.name : schema::multiplier.name) +
                                     ", o bien " + shown(schema::weights.name) + " en su lugar");
            return false;
        }
        const auto n = values_.integer(*multiplier, schema::multiplier);
        if (!n)
            return false;
        draft_.multiplier = static_cast<int>(*n);
        bool good = true;
        const auto* row_array = rows->as_array();
        if (!row_array) {
            values_.error(*rows, shown(schema::rows.name) + " debe ser una lista de filas [desde, hasta, resultado]");
            return false;
        }
        if (row_array->size() > grammar_limits::rows) {
            values_.error(*rows, section_.where() + " tiene más de " + std::to_string(grammar_limits::rows) + " filas");
            return false;
        }
        for (const toml::node& row : *row_array) {
            const auto* cells = row.as_array();
            if (!cells || cells->size() != 3) {
                values_.error(row, "cada fila de " + section_.where() + " es [desde, hasta, resultado]");
                good = false;
                continue;
            }
            const auto span = span_of(row, (*cells)[0], (*cells)[1]);
            const bool outcome = outcomes_.read_cell((*cells)[2]);
            if (!span || !outcome) {
                good = false;
                continue;
            }
            draft_.spans.push_back({*span, &row});
        }
        const toml::node* otherwise = node_.get(schema::otherwise.name);
        const toml::node* otherwise_at = node_.get(schema::otherwise_at.name);
        if ((otherwise == nullptr) != (otherwise_at == nullptr)) {
            values_.error(otherwise ? *otherwise : *otherwise_at,
                          shown(schema::otherwise.name) + " y " + shown(schema::otherwise_at.name) +
                              " van juntos: lo que dan los valores sin fila, y cuáles son");
            return false;
        }
        if (otherwise) {
            good = outcomes_.read_cell(*otherwise) && good;
            draft_.otherwise_row = static_cast<std::uint16_t>(draft_.spans.size());
            const auto* spans = otherwise_at->as_array();
            if (!spans) {
                values_.error(*otherwise_at,
                              shown(schema::otherwise_at.name) + " debe ser una lista de tramos [desde, hasta]");
                return false;
            }
            for (const toml::node& element : *spans) {
                const auto* pair = element.as_array();
                if (!pair || pair->size() != 2) {
                    values_.error(element, "cada tramo de " + shown(schema::otherwise_at.name) + " es [desde, hasta]");
                    good = false;
                    continue;
                }
                if (const auto span = span_of(element, (*pair)[0], (*pair)[1]))
                    draft_.otherwise_spans.push_back({*span, &element});
                else
                    good = false;
            }
        }
        return good;
    }

    std::optional<Span> span_of(const toml::node& row, const toml::node& from, const toml::node& to)
    {
        constexpr auto any = std::numeric_limits<std::int64_t>::max();
        constexpr std::string_view first_value = "el primer valor de una fila";
        constexpr std::string_view last_value = "el último valor de una fila";
        const auto first = values_.integer(from, first_value, -any, any);
        const auto last = values_.integer(to, last_value, -any, any);
        if (!first || !last)
            return std::nullopt;
        // Past either end of the draw, any value is as good as one step past it.
        const auto within = [&](std::int64_t value) {
            return static_cast<int>(std::clamp<std::int64_t>(value, -1, draft_.multiplier + 1));
        };
        const Span span{within(*first), within(*last)};
        const SpanFaults faults = span_faults(span, draft_.multiplier);
        const auto outside = [&](const toml::node& cell, std::string_view what, std::int64_t value) {
            values_.error(cell, std::string(what) + " debe ir de 0 a " + std::to_string(draft_.multiplier) +
                                    ", y es " + std::to_string(value));
        };
        if (faults.first_outside)
            outside(from, first_value, *first);
        if (faults.last_outside)
            outside(to, last_value, *last);
        if (faults.reversed)
            values_.error(row, "la fila va de " + std::to_string(*first) + " a " + std::to_string(*last) +
                                   ": el primer valor no puede ser mayor que el último");
        return faults.any() ? std::nullopt : std::optional<Span>(span);
    }

    // Weights map exactly onto the draws: over Tirada(2W), the first outcome
    // takes 0..2w1-1 and 2W, outcome j takes 2C(j-1)..2C(j)-1, C the running
    // sums; 0 and 2W come up half as often, so each outcome comes up w/W.
    bool weights(const toml::node& node)
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
                const bool outcome = outcomes_.read_key(*key);
                const auto weight = values_.integer(*value, "un peso", 1, grammar_limits::total_weight);
                if (!outcome || !weight)
                    return false;
                weights.emplace_back(*weight, value);
            }
        } else if (const auto* listed = node.as_array()) {
            for (const toml::node& row : *listed) {
                const auto* pair = row.as_array();
                if (!pair || pair->size() != 2) {
                    values_.error(row, "cada fila de " + shown(schema::weights.name) + " es [peso, resultado]");
                    return false;
                }
                const auto weight = values_.integer((*pair)[0], "un peso", 1, grammar_limits::total_weight);
                const bool outcome = outcomes_.read_cell((*pair)[1]);
                if (!weight || !outcome)
                    return false;
                weights.emplace_back(*weight, &row);
            }
        } else {
            values_.error(node, shown(schema::weights.name) +
                                    " debe ser una tabla (pieza = peso) o una lista de filas [peso, resultado]");
            return false;
        }
        if (weights.empty()) {
            values_.error(node, shown(schema::weights.name) + " está vacío: " + section_.where() +
                                    " necesita al menos un resultado");
            return false;
        }
        if (weights.size() > grammar_limits::rows) {
            values_.error(node, section_.where() + " tiene más de " + std::to_string(grammar_limits::rows) + " pesos");
            return false;
        }
        std::int64_t total = 0;
        for (const auto& [weight, where] : weights) {
            total += weight;
            if (total > grammar_limits::total_weight) {
                values_.error(*where, "los pesos de " + section_.where() + " suman más de " +
                                          std::to_string(grammar_limits::total_weight));
                return false;
            }
        }
        draft_.multiplier = static_cast<int>(2 * total);
        int next = 0;
        for (const auto& [weight, where] : weights) {
            draft_.spans.push_back({{next, next + static_cast<int>(2 * weight) - 1}, where});
            next += static_cast<int>(2 * weight);
        }
        draft_.otherwise_row = 0;
        draft_.otherwise_spans.push_back({{draft_.multiplier, draft_.multiplier}, weights.front().second});
        return true;
    }

    // Checks that the rows and the default name every value from 0 to N once,
    // and indexes them; the errors name the values and the rows around them.
    std::optional<TableIndex> index()
    {
        const std::vector<Span> rows = spans_of(draft_.spans);
        const std::vector<Span> spare = spans_of(draft_.otherwise_spans);
        bool ordered = true;
        std::vector<Span> twice;
        std::vector<Span> unnamed;
        report_coverage_faults(draft_.multiplier, rows, spare, [&](const CoverageFault& fault) {
            switch (fault.kind) {
            case CoverageFault::Kind::out_of_order:
            case CoverageFault::Kind::overlap:
                out_of_order(fault);
                ordered = false;
                break;
            case CoverageFault::Kind::named_twice:
                twice.push_back(fault.values);
                break;
            case CoverageFault::Kind::unnamed:
                unnamed.push_back(fault.values);
                break;
            }
        });
        if (!twice.empty())
            values_.error(node_, section_.where() + " nombra dos veces " + values_word(twice) + " " +
                                     value_list(twice) + ": en una fila y en " + shown(schema::otherwise_at.name));
        if (!unnamed.empty())
            values_.error(place_of_gap(unnamed.front().from),
                          section_.where() + " deja sin nombrar " + values_word(unnamed) + " " + value_list(unnamed) +
                              " de la tirada 0-" + std::to_string(draft_.multiplier) +
                              (draft_.otherwise_row ? "" : "; si han de dar un resultado común, póngalos en " +
                                                               shown(schema::otherwise_at.name)));
        if (!ordered || !twice.empty() || !unnamed.empty())
            return std::nullopt;
        TableIndex index{draft_.multiplier,
                         std::vector<std::uint16_t>(static_cast<std::size_t>(draft_.multiplier) + 1,
                                                    draft_.otherwise_row.value_or(0))};
        for (std::size_t row = 0; row < rows.size(); ++row)
            for (int value = rows[row].from; value <= rows[row].to; ++value)
                index.row_of_value[static_cast<std::size_t>(value)] = static_cast<std::uint16_t>(row);
        return index;
    }

    static std::vector<Span> spans_of(const std::vector<PlacedSpan>& placed)
    {
        std::vector<Span> spans;
        for (const PlacedSpan& one : placed)
            spans.push_back(one.span);
        return spans;
    }

    // A span that starts before the one before it, or names some of its values.
    void out_of_order(const CoverageFault& fault)
    {
        const std::vector<PlacedSpan>& list = fault.of_default ? draft_.otherwise_spans : draft_.spans;
        const Span before = list[fault.index - 1].span;
        const Span now = list[fault.index].span;
        const schema::Key& key = fault.of_default ? schema::otherwise_at : schema::rows;
        if (fault.kind == CoverageFault::Kind::out_of_order)
            values_.error(*list[fault.index].node, "en " + section_.where() + ", " + shown(key.name) +
                                                       " va fuera de orden: el tramo " + span_text(now) +
                                                       " va antes que el tramo anterior, " + span_text(before));
        else
            values_.error(*list[fault.index].node, "en " + section_.where() + ", los tramos " + span_text(before) +
                                                       " y " + span_text(now) + " nombran los dos " +
                                                       values_word({fault.values}) + " " + value_list({fault.values}));
    }

    // Where a hole begins: the row or span that ends just before it, or the
    // one that starts just after it.
    const toml::node& place_of_gap(int gap)
    {
        for (const auto* list : {&draft_.spans, &draft_.otherwise_spans})
            for (const PlacedSpan& placed : *list)
                if (placed.span.to == gap - 1)
                    return *placed.node;
        for (const auto* list : {&draft_.spans, &draft_.otherwise_spans})
            for (const PlacedSpan& placed : *list)
                if (placed.span.from > gap)
                    return *placed.node;
        return node_;
    }

    ValueReader& values_;
    const toml::table& node_;
    const schema::Part& section_;
    OutcomeReader& outcomes_;
    TableDraft draft_;
};

}  // namespace

std::optional<TableIndex> read_table_index(ValueReader& values, const toml::table& node,
                                           const grammar_schema::Part& section, OutcomeReader& outcomes)
{
    return TableIndexReader(values, node, section, outcomes).read();
}

}  // namespace quelvarinox::detail
