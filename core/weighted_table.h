#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>
#include <type_traits>

#include "core/table_coverage.h"

namespace quelvarinox::detail {

// What one table draw gives: a letter, a letter group, a joiner, or nothing.
using Piece = std::string_view;
inline constexpr Piece nothing{};

// A piece as a table of pieces gives it, with the eight bytes of its slot
// there to read, whatever its size.
struct TablePiece {
    static constexpr std::size_t room = sizeof(std::uint64_t);
    const char* bytes;
    std::uint8_t size;
    constexpr operator Piece() const { return {bytes, size}; }
    constexpr bool empty() const { return size == 0; }
};

// Drawn values from..to, both inclusive, give value.
template <class T>
struct Range {
    int from;
    int to;
    T value;
};

namespace table_checks {
// Not constexpr on purpose: reaching it while a table is built at compile time
// stops the build, and its name says what is wrong.
void weighted_table_leaves_a_value_unnamed_names_one_twice_or_is_out_of_order();
void weighted_table_holds_a_piece_longer_than_eight_bytes();
}  // namespace table_checks

// Which row of a table each drawn value falls in; R, one past the last row,
// stands for the table's default. Looking a value up costs one index read.
template <int N, std::size_t R>
class RowIndex {
public:
    template <class T>
    consteval RowIndex(const std::array<Range<T>, R>& rows, std::span<const Span> otherwise_at)
    {
        // A row that is shortened or shifted by mistake leaves a value unnamed,
        // or names one twice, and the table does not build.
        if (!names_every_value_once(N, rows, otherwise_at))
            table_checks::weighted_table_leaves_a_value_unnamed_names_one_twice_or_is_out_of_order();
        index_.fill(static_cast<Index>(R));
        for (std::size_t row = 0; row < R; ++row)
            for (int value = rows[row].from; value <= rows[row].to; ++value)
                index_[static_cast<std::size_t>(value)] = static_cast<Index>(row);
    }

    constexpr std::size_t row_of(int value) const { return index_[static_cast<std::size_t>(value)]; }

private:
    using Index = std::conditional_t<(R < 255), std::uint8_t, std::uint16_t>;
    std::array<Index, N + 1> index_{};
};

// A weighted table over Tirada(N): ranges of drawn values, each giving an
// outcome, and the outcome of the values that the table names as its default.
// Nothing is allocated.
template <class T, int N, std::size_t R>
class WeightedTable {
public:
    static constexpr int multiplier = N;

    consteval WeightedTable(const std::array<Range<T>, R>& rows, std::span<const Span> otherwise_at, T otherwise)
        : index_(rows, otherwise_at)
    {
        for (std::size_t row = 0; row < R; ++row)
            outcomes_[row] = rows[row].value;
        outcomes_[R] = otherwise;
    }

    constexpr const T& operator[](int value) const { return outcomes_[index_.row_of(value)]; }

private:
    RowIndex<N, R> index_;
    std::array<T, R + 1> outcomes_{};
};

// A table of pieces keeps each piece's bytes in a slot of its own, eight
// bytes wide (as wide as the longest piece), so that a name can copy the
// piece it gives as one word.
template <int N, std::size_t R>
class WeightedTable<Piece, N, R> {
public:
    static constexpr int multiplier = N;

    consteval WeightedTable(const std::array<Range<Piece>, R>& rows, std::span<const Span> otherwise_at,
                            Piece otherwise)
        : index_(rows, otherwise_at)
    {
        for (std::size_t row = 0; row <= R; ++row) {
            const Piece piece = row < R ? rows[row].value : otherwise;
            if (piece.size() > TablePiece::room)
                table_checks::weighted_table_holds_a_piece_longer_than_eight_bytes();
            for (std::size_t i = 0; i < piece.size(); ++i)
                bytes_[row][i] = piece[i];
            sizes_[row] = static_cast<std::uint8_t>(piece.size());
        }
    }

    constexpr TablePiece operator[](int value) const
    {
        const std::size_t row = index_.row_of(value);
        return {bytes_[row].data(), sizes_[row]};
    }

private:
    RowIndex<N, R> index_;
    std::array<std::array<char, TablePiece::room>, R + 1> bytes_{};
    std::array<std::uint8_t, R + 1> sizes_{};
};

// A table whose rows leave the values `otherwise_at` to `otherwise`.
template <int N, class T, std::size_t R, std::size_t G>
consteval auto make_table(const std::array<Range<T>, R>& rows, const Span (&otherwise_at)[G], const T& otherwise)
{
    return WeightedTable<T, N, R>(rows, otherwise_at, otherwise);
}

// A table whose rows name every value from 0 to N.
template <int N, class T, std::size_t R>
consteval auto make_table(const std::array<Range<T>, R>& rows)
{
    return WeightedTable<T, N, R>(rows, {}, T{});
}

// The two shapes the grammars write most: a piece table with its default, and a
// count table (of words, of syllables) that names every value.
template <int N, std::size_t R, std::size_t G>
consteval auto pieces(const Range<Piece> (&rows)[R], const Span (&otherwise_at)[G], Piece otherwise)
{
    return make_table<N>(std::to_array(rows), otherwise_at, otherwise);
}

template <int N, std::size_t R>
consteval auto counts(const Range<int> (&rows)[R])
{
    return make_table<N>(std::to_array(rows));
}

}  // namespace quelvarinox::detail
