#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>
#include <type_traits>

namespace quelvarinox {

// What one table draw gives: a letter, a letter group, a joiner, or nothing.
using Piece = std::string_view;
inline constexpr Piece nothing{};

// Drawn values from..to, both inclusive, give value.
template <class T>
struct Range {
    int from;
    int to;
    T value;
};

// The checks every table passes at compile time: each range lies inside 0..N, the
// ranges ascend without overlapping, and, when the table has no default outcome,
// together they name every value from 0 to N.
template <class T>
constexpr bool ranges_are_valid(int multiplier, std::span<const Range<T>> ranges, bool has_default)
{
    if (multiplier < 1)
        return false;
    int next_free = 0;
    for (const Range<T>& range : ranges) {
        if (range.from < next_free || range.to < range.from || range.to > multiplier)
            return false;
        if (!has_default && range.from != next_free)
            return false;
        next_free = range.to + 1;
    }
    return has_default || next_free == multiplier + 1;
}

namespace detail {
// Not constexpr on purpose: reaching one of these while a table is built at compile
// time stops the build, and the function's name says what is wrong.
void weighted_table_has_a_range_outside_0_to_N_or_out_of_order();
}  // namespace detail

// A weighted table over Tirada(N): ranges of drawn values, each giving an outcome,
// and the outcome of every value that no range names. Looking a value up costs one
// index read; nothing is allocated.
template <class T, int N, std::size_t R>
class WeightedTable {
public:
    static constexpr int multiplier = N;

    consteval WeightedTable(const std::array<Range<T>, R>& ranges, std::optional<T> otherwise)
    {
        if (!ranges_are_valid<T>(N, ranges, otherwise.has_value()))
            detail::weighted_table_has_a_range_outside_0_to_N_or_out_of_order();
        for (std::size_t row = 0; row < R; ++row)
            outcomes_[row] = ranges[row].value;
        outcomes_[R] = otherwise.value_or(T{});
        index_.fill(static_cast<Index>(R));
        for (std::size_t row = 0; row < R; ++row)
            for (int value = ranges[row].from; value <= ranges[row].to; ++value)
                index_[static_cast<std::size_t>(value)] = static_cast<Index>(row);
    }

    constexpr const T& operator[](int value) const
    {
        return outcomes_[index_[static_cast<std::size_t>(value)]];
    }

private:
    using Index = std::conditional_t<(R < 255), std::uint8_t, std::uint16_t>;
    std::array<T, R + 1> outcomes_{};
    std::array<Index, N + 1> index_{};
};

// A table whose unnamed values give `otherwise` (for a piece table often `nothing`).
template <int N, class T, std::size_t R>
consteval auto make_table(const std::array<Range<T>, R>& ranges, const T& otherwise)
{
    return WeightedTable<T, N, R>(ranges, otherwise);
}

// A table whose ranges name every value from 0 to N.
template <int N, class T, std::size_t R>
consteval auto make_table(const std::array<Range<T>, R>& ranges)
{
    return WeightedTable<T, N, R>(ranges, std::nullopt);
}

// The two shapes the grammars write most: a piece table with its explicit default,
// and a count table (of words, of syllables) that names every value.
template <int N, std::size_t R>
consteval auto pieces(const Range<Piece> (&ranges)[R], Piece otherwise)
{
    return make_table<N>(std::to_array(ranges), otherwise);
}

template <int N, std::size_t R>
consteval auto counts(const Range<int> (&ranges)[R])
{
    return make_table<N>(std::to_array(ranges));
}

}  // namespace quelvarinox
