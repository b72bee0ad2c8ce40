#include <array>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "core/weighted_table.h"

namespace quelvarinox::detail {
namespace {

// The checker that every table passes while it is built; a table that fails it
// does not compile, so here it is tried on broken tables directly.
template <std::size_t R, std::size_t G = 0>
constexpr bool valid(int multiplier, const std::array<Range<int>, R>& rows, const std::array<Span, G>& otherwise = {})
{
    return names_every_value_once(multiplier, rows, otherwise);
}

static_assert(valid<2, 1>(10, {{{1, 4, 0}, {5, 10, 0}}}, {{{0, 0}}}));
static_assert(valid<2>(10, {{{0, 4, 0}, {5, 10, 0}}}));
static_assert(valid<1, 2>(10, {{{3, 3, 0}}}, {{{0, 2}, {4, 10}}}));
static_assert(!valid<2, 1>(10, {{{1, 5, 0}, {5, 10, 0}}}, {{{0, 0}}}), "overlapping rows");
static_assert(!valid<2, 1>(10, {{{6, 10, 0}, {1, 5, 0}}}, {{{0, 0}}}), "rows out of order");
static_assert(!valid<1, 1>(10, {{{8, 11, 0}}}, {{{0, 7}}}), "a row past N");
static_assert(!valid<1, 1>(10, {{{-1, 3, 0}}}, {{{4, 10}}}), "a row below 0");
static_assert(!valid<1, 1>(10, {{{5, 4, 0}}}, {{{0, 10}}}), "a row that ends before it starts");
static_assert(!valid<2>(10, {{{0, 3, 0}, {5, 10, 0}}}), "a gap in a table without default");
static_assert(!valid<2, 1>(10, {{{0, 3, 0}, {6, 10, 0}}}, {{{4, 4}}}), "a gap the default does not name");
static_assert(!valid<2, 1>(10, {{{0, 3, 0}, {5, 10, 0}}}, {{{3, 4}}}), "a default over a row");
static_assert(!valid<1, 2>(10, {{{5, 5, 0}}}, {{{6, 10}, {0, 4}}}), "default spans out of order");
static_assert(!valid<1>(10, {{{0, 9, 0}}}), "N left without outcome");
static_assert(!valid<1>(10, {{{1, 10, 0}}}), "0 left without outcome");
static_assert(!valid<1>(0, {{{0, 0, 0}}}), "a multiplier below 1");

constexpr auto onset = pieces<67>({{1, 7, "r"}, {8, 13, "s"}, {62, 62, "ph"}}, {{0, 0}, {14, 61}, {63, 67}}, nothing);
constexpr auto vowel = pieces<68>({{1, 15, "e"}, {45, 45, "eiu"}}, {{0, 0}, {16, 44}, {46, 68}}, "a");
constexpr auto syllables = counts<31>({{0, 4, 1}, {5, 20, 2}, {21, 29, 3}, {30, 31, 4}});

// Each value gives its range's outcome or the default.
static_assert(decltype(onset)::multiplier == 67);
static_assert(Piece(onset[0]).empty() && Piece(onset[1]) == "r" && Piece(onset[7]) == "r");
static_assert(Piece(onset[8]) == "s" && Piece(onset[13]) == "s" && Piece(onset[14]).empty());
static_assert(Piece(onset[62]) == "ph" && Piece(onset[67]).empty());
static_assert(Piece(vowel[0]) == "a" && Piece(vowel[15]) == "e" && Piece(vowel[45]) == "eiu" && Piece(vowel[68]) == "a");
static_assert(syllables[0] == 1 && syllables[4] == 1 && syllables[5] == 2 && syllables[20] == 2);
static_assert(syllables[21] == 3 && syllables[29] == 3 && syllables[30] == 4 && syllables[31] == 4);

// Every list of ascending spans over a small draw.
std::vector<std::vector<Span>> ascending_span_lists(int multiplier)
{
    std::vector<std::vector<Span>> lists{{}};
    for (std::size_t at = 0; at < lists.size(); ++at)
        for (int from = lists[at].empty() ? 0 : lists[at].back().to + 1; from <= multiplier; ++from)
            for (int to = from; to <= multiplier; ++to) {
                std::vector<Span> longer = lists[at];
                longer.push_back({from, to});
                lists.push_back(longer);
            }
    return lists;
}

// The stretches named twice and by nothing, value by value: "2-3 twice, 5 none".
std::string counted_stretches(int multiplier, const std::vector<Span>& rows, const std::vector<Span>& otherwise)
{
    std::vector<int> times(static_cast<std::size_t>(multiplier) + 1, 0);
    for (const auto* list : {&rows, &otherwise})
        for (const Span span : *list)
            for (int value = span.from; value <= span.to; ++value)
                ++times[static_cast<std::size_t>(value)];
    std::string twice, none;
    for (int value = 0; value <= multiplier; ++value) {
        const int named = times[static_cast<std::size_t>(value)];
        const bool starts = value == 0 || times[static_cast<std::size_t>(value) - 1] != named;
        const bool ends = value == multiplier || times[static_cast<std::size_t>(value) + 1] != named;
        std::string& out = named == 2 ? twice : none;
        if (named != 1 && starts)
            out += std::to_string(value);
        if (named != 1 && ends)
            out += (starts ? "" : "-" + std::to_string(value)) + " ";
    }
    return twice + "twice, " + none + "none";
}

// On every pair of ascending lists over a small draw, the stretches reported are
// those that counting the values one by one finds.
TEST(TableCoverage, ReportsWhatCountingEachValueFinds)
{
    constexpr int multiplier = 5;
    const auto lists = ascending_span_lists(multiplier);
    ASSERT_GT(lists.size(), 100U);
    for (const auto& rows : lists)
        for (const auto& otherwise : lists) {
            std::string twice, none;
            report_coverage_faults(multiplier, rows, otherwise, [&](const CoverageFault& fault) {
                std::string& out = fault.kind == CoverageFault::Kind::named_twice ? twice : none;
                out += std::to_string(fault.values.from);
                out += (fault.values.to > fault.values.from ? "-" + std::to_string(fault.values.to) : "") + " ";
            });
            const std::string expected = counted_stretches(multiplier, rows, otherwise);
            if (twice + "twice, " + none + "none" != expected) {
                EXPECT_EQ(twice + "twice, " + none + "none", expected);
                return;
            }
        }
}

}  // namespace
}  // namespace quelvarinox::detail
