#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "engine/grammar.h"

namespace quelvarinox::detail {

// How often each outcome of a table came up in the examples.
template <class T>
using Tally = std::map<T, std::int64_t>;

// How a table's comment names the outcomes of one kind that were left out:
// "pieza rara", "piezas raras".
struct Exclusion {
    std::string one;
    std::string many;
    bool operator==(const Exclusion&) const = default;
};

// Outcomes of a table left out for one reason, and how often they came up.
struct LeftOut {
    Exclusion what;
    std::int64_t kinds = 0;
    std::int64_t occurrences = 0;
};

// A table as the learner writes it: its outcomes with their weights, the
// heaviest first, and what it was counted from and left out. The weights are
// the counts, so that they and the occurrences left out add up to `counted`,
// unless they would pass the format's total: then they are scaled down, each
// in proportion and none below 1, and `scaled` says so.
template <class T>
struct WeightedRows {
    std::vector<std::pair<T, std::int64_t>> rows;
    std::int64_t counted = 0;
    std::vector<LeftOut> left_out;
    bool scaled = false;

    void leave_out(const Exclusion& what, std::int64_t kinds, std::int64_t occurrences)
    {
        auto same = std::find_if(left_out.begin(), left_out.end(), [&](const LeftOut& l) { return l.what == what; });
        if (same == left_out.end())
            same = left_out.insert(left_out.end(), LeftOut{what, 0, 0});
        same->kinds += kinds;
        same->occurrences += occurrences;
    }
};

// What a table's outcomes are called: "pieza", "piezas", and whether a word
// that goes with them takes the feminine.
struct OutcomeNoun {
    std::string one;
    std::string many;
    bool feminine;
};

inline Exclusion rare(const OutcomeNoun& noun)
{
    const std::string adjective = noun.feminine ? " rara" : " raro";
    return {noun.one + adjective, noun.many + adjective + "s"};
}

inline Exclusion beyond_rows(const OutcomeNoun& noun)
{
    const std::string rows = " más allá de las " + std::to_string(grammar_limits::rows) + " filas de una tabla";
    return {noun.one + rows, noun.many + rows};
}

// The rows of a table from its tally: outcomes that came up fewer than
// `min_count` times are left out as rare, those `too_big` names (an Exclusion,
// or nullptr for one that fits the format) as it says, and past the format's
// rows the lightest.
template <class T, class TooBig>
WeightedRows<T> weigh(const Tally<T>& tally, int min_count, const OutcomeNoun& noun, TooBig too_big)
{
    WeightedRows<T> table;
    for (const auto& [outcome, count] : tally) {
        table.counted += count;
        if (const Exclusion* unfit = too_big(outcome))
            table.leave_out(*unfit, 1, count);
        else if (count < min_count)
            table.leave_out(rare(noun), 1, count);
        else
            table.rows.emplace_back(outcome, count);
    }
    std::stable_sort(table.rows.begin(), table.rows.end(),
                     [](const auto& a, const auto& b) { return a.second > b.second; });
    while (table.rows.size() > grammar_limits::rows) {
        table.leave_out(beyond_rows(noun), 1, table.rows.back().second);
        table.rows.pop_back();
    }
    std::int64_t total = 0;
    for (const auto& row : table.rows)
        total += row.second;
    if (total > grammar_limits::total_weight) {
        // Each weight w becomes max(1, floor(w * room / total)); with room the total
        // less one per row, they cannot add up past the format's total.
        const std::int64_t room = grammar_limits::total_weight - static_cast<std::int64_t>(table.rows.size());
        for (auto& row : table.rows)
            row.second = std::max<std::int64_t>(1, row.second * room / total);
        table.scaled = true;
    }
    return table;
}

}  // namespace quelvarinox::detail
