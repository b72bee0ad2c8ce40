#include "learning/edge_tables.h"

#include <cmath>
#include <vector>

#include "learning/divergence.h"

namespace quelvarinox::detail {

namespace {

constexpr std::int64_t fewest_syllables = 50;
constexpr std::int64_t pooled_below = 5;
// The standard normal quantile of the 0.1 % level.
constexpr double level_z = 3.0902;
constexpr double least_divergence = 0.02;

// The chi-square quantile for `df` degrees of freedom at the level, by the
// Wilson–Hilferty approximation.
double chi_square_quantile(double df)
{
    const double spread = 2 / (9 * df);
    return df * std::pow(1 - spread + level_z * std::sqrt(spread), 3);
}

std::int64_t total(const Tally<std::string>& tally)
{
    std::int64_t sum = 0;
    for (const auto& [piece, count] : tally)
        sum += count;
    return sum;
}

bool keeps_a_piece(const Tally<std::string>& tally, int min_count)
{
    for (const auto& [piece, count] : tally)
        if (count >= min_count)
            return true;
    return false;
}

// The two sides' counts over the same columns, rare pieces pooled in the last.
struct Columns {
    std::vector<double> a{0};
    std::vector<double> b{0};
};

Columns columns_of(const Tally<std::string>& a, const Tally<std::string>& b)
{
    Tally<std::string> both = a;
    for (const auto& [piece, count] : b)
        both[piece] += count;
    Columns columns;
    const auto count_in = [](const Tally<std::string>& tally, const std::string& piece) {
        const auto found = tally.find(piece);
        return found == tally.end() ? 0.0 : static_cast<double>(found->second);
    };
    for (const auto& [piece, count] : both) {
        if (count < pooled_below) {
            columns.a.front() += count_in(a, piece);
            columns.b.front() += count_in(b, piece);
        } else {
            columns.a.push_back(count_in(a, piece));
            columns.b.push_back(count_in(b, piece));
        }
    }
    return columns;
}

double g_statistic(const Columns& columns, double a_total, double b_total)
{
    const double all = a_total + b_total;
    double g = 0;
    const auto term = [](double observed, double expected) {
        return observed > 0 ? observed * std::log(observed / expected) : 0.0;
    };
    for (std::size_t i = 0; i < columns.a.size(); ++i) {
        const double column = columns.a[i] + columns.b[i];
        if (column > 0)
            g += term(columns.a[i], a_total * column / all) + term(columns.b[i], b_total * column / all);
    }
    return 2 * g;
}

bool differs_enough(const Tally<std::string>& own, const Tally<std::string>& rest, int min_count)
{
    const std::int64_t own_total = total(own);
    const std::int64_t rest_total = total(rest);
    if (own_total < fewest_syllables || rest_total < fewest_syllables || !keeps_a_piece(own, min_count) ||
        !keeps_a_piece(rest, min_count))
        return false;
    const Columns columns = columns_of(own, rest);
    std::size_t used = 0;
    for (std::size_t i = 0; i < columns.a.size(); ++i)
        used += columns.a[i] + columns.b[i] > 0 ? 1 : 0;
    if (used < 2)
        return false;
    const double g = g_statistic(columns, static_cast<double>(own_total), static_cast<double>(rest_total));
    return g > chi_square_quantile(static_cast<double>(used - 1)) &&
           jensen_shannon_bits(columns.a, columns.b) >= least_divergence;
}

// Gives `slot` its table at `edge` if the rule says so.
void try_edge(const PlacedTallies& tallies, Slot slot, SlotTable edge, int min_count, EdgeTables& edges)
{
    EdgeTables with = edges;
    (edge == SlotTable::first ? with.first : with.last)[static_cast<std::size_t>(slot)] = true;
    if (differs_enough(table_tally(tallies, slot, edge, with), table_tally(tallies, slot, SlotTable::plain, with),
                       min_count))
        edges = with;
}

}  // namespace

EdgeTables choose_edge_tables(const PlacedTallies& tallies, int min_count)
{
    EdgeTables edges;
    for (const Slot slot : slots) {
        const bool onset = slot == Slot::onset;
        try_edge(tallies, slot, onset ? SlotTable::first : SlotTable::last, min_count, edges);
        try_edge(tallies, slot, onset ? SlotTable::last : SlotTable::first, min_count, edges);
    }
    return edges;
}

}  // namespace quelvarinox::detail
