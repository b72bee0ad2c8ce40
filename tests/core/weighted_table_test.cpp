#include <array>
#include <string>
#include <tuple>
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

// The faults heard, in the order heard: "twice 2-3", "none 0-0", and for a span
// out of order or overlapping, its list and index: "overlap default 1 2-3".
std::string faults_of(const std::vector<Span>& rows, const std::vector<Span>& otherwise)
{
    static constexpr const char* kinds[] = {"order", "overlap", "twice", "none"};
    std::string heard;
    report_coverage_faults(5, rows, otherwise, [&](const CoverageFault& fault) {
        const auto kind = static_cast<std::size_t>(fault.kind);
        heard += std::string(heard.empty() ? "" : ", ") + kinds[kind] +
                 (kind < 2 ? (fault.of_default ? " default " : " row ") + std::to_string(fault.index) : "") + " " +
                 std::to_string(fault.values.from) + "-" + std::to_string(fault.values.to);
    });
    return heard;
}

// Over Tirada(5): each stretch named twice or by nothing, as long as it runs,
// wherever it lies; or else the first span out of order.
TEST(TableCoverage, ReportsEachStretchNamedTwiceOrByNothing)
{
    const std::tuple<std::vector<Span>, std::vector<Span>, std::string> cases[] = {
        {{{0, 2}}, {{3, 5}}, ""},
        {{{1, 2}, {4, 5}}, {}, "none 0-0, none 3-3"},
        {{{0, 2}}, {}, "none 3-5"},
        {{{2, 3}}, {{0, 5}}, "twice 2-3"},
        {{{0, 2}, {3, 5}}, {{2, 2}, {3, 3}}, "twice 2-3"},
        {{{0, 5}}, {{1, 1}, {3, 3}}, "twice 1-1, twice 3-3"},
        {{{0, 1}, {4, 5}}, {{1, 1}}, "none 2-3, twice 1-1"},
        {{{3, 4}, {0, 2}}, {{5, 5}}, "order row 1 0-2"},
        {{}, {{0, 3}, {2, 5}}, "overlap default 1 2-3"},
        {{{0, 5}, {1, 2}}, {}, "overlap row 1 1-2"},
    };
    for (const auto& [rows, otherwise, faults] : cases)
        EXPECT_EQ(faults_of(rows, otherwise), faults) << rows.size() << " rows, " << otherwise.size() << " spans";
}

}  // namespace
}  // namespace quelvarinox::detail
