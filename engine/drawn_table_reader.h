#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "engine/grammar.h"
#include "engine/grammar_schema.h"
#include "engine/toml.h"
#include "engine/value_reader.h"

namespace quelvarinox::detail {

// What a table's outcomes are, for the reader of its rows and weights: each
// call reads one outcome and keeps it after the ones before, or reports what
// is wrong with it and keeps nothing.
class OutcomeReader {
public:
    virtual bool read_cell(const toml::node& cell) = 0;
    // An outcome written as a key of a table of weights.
    virtual bool read_key(const toml::key& key) = 0;

protected:
    ~OutcomeReader() = default;
};

// Which of the outcomes kept each value of a table's draw gives.
struct TableIndex {
    int multiplier = 0;
    std::vector<std::uint16_t> row_of_value;
};

// Reads the draw of the table `node` of `section`, in either notation, ranges
// over `tirada` or weights, and checks that it names every value once; the
// outcomes go to `outcomes` in the order of their rows.
std::optional<TableIndex> read_table_index(ValueReader& values, const toml::table& node,
                                           const grammar_schema::Part& section, OutcomeReader& outcomes);

// A table of any outcome: `read_cell` turns one outcome's node into T, and
// `read_key` a key of the weights' table into one.
template <class T, class Cell, class Key>
std::optional<DrawnTable<T>> read_drawn_table(ValueReader& values, const toml::table& node,
                                              const grammar_schema::Part& section, Cell read_cell, Key read_key)
{
    class Outcomes final : public OutcomeReader {
    public:
        Outcomes(Cell& cell, Key& key) : cell_(cell), key_(key) {}
        bool read_cell(const toml::node& cell) override { return keep(cell_(cell)); }
        bool read_key(const toml::key& key) override { return keep(key_(key)); }
        std::vector<T> kept;

    private:
        bool keep(std::optional<T> outcome)
        {
            if (outcome)
                kept.push_back(std::move(*outcome));
            return outcome.has_value();
        }
        Cell& cell_;
        Key& key_;
    };
    Outcomes outcomes(read_cell, read_key);
    auto index = read_table_index(values, node, section, outcomes);
    if (!index)
        return std::nullopt;
    return DrawnTable<T>(index->multiplier, std::move(index->row_of_value), std::move(outcomes.kept));
}

}  // namespace quelvarinox::detail
