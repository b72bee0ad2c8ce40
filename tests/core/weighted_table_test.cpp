#include <array>

#include <gtest/gtest.h>

#include "core/weighted_table.h"

namespace quelvarinox {
namespace {

// The checker that every table passes while it is built; a table that fails it
// does not compile, so here it is tried on broken tables directly.
template <std::size_t R>
constexpr bool valid(int multiplier, const std::array<Range<int>, R>& ranges, bool has_default)
{
    return ranges_are_valid<int>(multiplier, ranges, has_default);
}

static_assert(valid<2>(10, {{{1, 4, 0}, {5, 10, 0}}}, true));
static_assert(valid<2>(10, {{{0, 4, 0}, {5, 10, 0}}}, false));
static_assert(valid<1>(10, {{{3, 3, 0}}}, true));
static_assert(!valid<2>(10, {{{1, 5, 0}, {5, 10, 0}}}, true), "overlapping ranges");
static_assert(!valid<2>(10, {{{6, 10, 0}, {1, 5, 0}}}, true), "ranges out of order");
static_assert(!valid<1>(10, {{{8, 11, 0}}}, true), "a range past N");
static_assert(!valid<1>(10, {{{-1, 3, 0}}}, true), "a range below 0");
static_assert(!valid<1>(10, {{{5, 4, 0}}}, true), "a range that ends before it starts");
static_assert(!valid<2>(10, {{{0, 3, 0}, {5, 10, 0}}}, false), "a gap in a table without default");
static_assert(!valid<1>(10, {{{0, 9, 0}}}, false), "N left without outcome");
static_assert(!valid<1>(10, {{{1, 10, 0}}}, false), "0 left without outcome");
static_assert(!valid<1>(0, {{{0, 0, 0}}}, false), "a multiplier below 1");

constexpr auto onset = pieces<67>({{1, 7, "r"}, {8, 13, "s"}, {62, 62, "ph"}}, nothing);
constexpr auto vowel = pieces<68>({{1, 15, "e"}, {45, 45, "eiu"}}, "a");
constexpr auto syllables = counts<31>({{0, 4, 1}, {5, 20, 2}, {21, 29, 3}, {30, 31, 4}});

struct Form {
    int form;
    int words;
    constexpr bool operator==(const Form&) const = default;
};
constexpr auto forms = make_table<90>(std::to_array<Range<Form>>({{0, 20, {0, 1}}, {21, 90, {0, 2}}}));

static_assert(decltype(onset)::multiplier == 67);
static_assert(onset[62] == "ph");  // lookups work at compile time too

struct PieceCase {
    int value;
    Piece onset;
    Piece vowel;
};

TEST(WeightedTable, EveryValueGivesItsRangeOrTheDefault)
{
    const PieceCase cases[] = {
        {0, "", "a"},  {1, "r", "e"},  {7, "r", "e"},  {8, "s", "e"},  {13, "s", "e"},   {14, "", "e"},
        {15, "", "e"}, {16, "", "a"},  {44, "", "a"},  {45, "", "eiu"}, {61, "", "a"},  {62, "ph", "a"},
        {63, "", "a"}, {67, "", "a"},  {68, "", "a"},
    };
    for (const PieceCase& c : cases) {
        if (c.value <= 67) {
            EXPECT_EQ(onset[c.value], c.onset) << c.value;
        }
        EXPECT_EQ(vowel[c.value], c.vowel) << c.value;
    }
}

TEST(WeightedTable, CountTablesNameEveryValue)
{
    const int expected[32] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
                              2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4};
    for (int value = 0; value <= 31; ++value)
        EXPECT_EQ(syllables[value], expected[value]) << value;
}

TEST(WeightedTable, OutcomesCanBeAnyConstantType)
{
    EXPECT_EQ(forms[20], (Form{0, 1}));
    EXPECT_EQ(forms[21], (Form{0, 2}));
    EXPECT_EQ(forms[90], (Form{0, 2}));
}

}  // namespace
}  // namespace quelvarinox
