#pragma once

#include <array>
#include <cstddef>

#include "core/weighted_table.h"

namespace quelvarinox::detail {

// The planet-word tables end in long tails of rare clusters, written as one row
// that shares its values out piece by piece: values From..To, `Each` values to
// every piece in turn. The row must hold exactly as many values as its pieces
// take, or the build fails.
template <int From, int To, int Each, std::size_t K>
consteval std::array<Range<Piece>, K> shared_row(const Piece (&in_order)[K])
{
    static_assert(Each > 0 && To - From + 1 == Each * static_cast<int>(K),
                  "a shared row must give every piece the same number of values and use them all");
    std::array<Range<Piece>, K> ranges{};
    for (std::size_t i = 0; i < K; ++i) {
        const int from = From + Each * static_cast<int>(i);
        ranges[i] = {from, from + Each - 1, in_order[i]};
    }
    return ranges;
}

// Plain rows, one range each, as a table writes them.
template <std::size_t K>
consteval std::array<Range<Piece>, K> rows(const Range<Piece> (&ranges)[K])
{
    return std::to_array(ranges);
}

// Joins groups of rows, in the order given, into the ranges of one table.
template <std::size_t... K>
consteval auto joined(const std::array<Range<Piece>, K>&... groups)
{
    std::array<Range<Piece>, (K + ...)> all{};
    std::size_t next = 0;
    auto add = [&](const auto& group) {
        for (const Range<Piece>& range : group)
            all[next++] = range;
    };
    (add(groups), ...);
    return all;
}

}  // namespace quelvarinox::detail
