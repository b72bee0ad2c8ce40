#include <array>

#include <gtest/gtest.h>

#include "core/weighted_table.h"

namespace quelvarinox {
namespace {

// The checker that every table passes while it is built; a table that fails it
// does not compile, so here it is tried on broken tables directly.
template <std::size_t R, std::size_t G = 0>
constexpr bool valid(int multiplier, const std::array<Range<int>, R>& rows, const std::array<Span, G>& otherwise = {})
{
    return names_every_value_once<int>(multiplier, rows, otherwise);
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

struct Form {
    int form;
    int words;
    constexpr bool operator==(const Form&) const = default;
};
constexpr auto forms = make_table<90>(std::to_array<Range<Form>>({{0, 20, {0, 1}}, {21, 90, {0, 2}}}));

static_assert(decltype(onset)::multiplier == 67);
static_assert(Piece(onset[62]) == "ph");  // lookups work at compile time too

// Each value gives its range's outcome or the default; counts and forms too.
TEST(WeightedTable, EveryValueGivesItsRangeOrTheDefault)
{
    const std::pair<int, Piece> onsets[] = {{0, ""}, {1, "r"}, {7, "r"}, {8, "s"}, {13, "s"}, {14, ""}, {62, "ph"}, {67, ""}};
    for (const auto& [value, piece] : onsets)
        EXPECT_EQ(Piece(onset[value]), piece) << value;
    EXPECT_EQ(Piece(vowel[0]), "a");
    EXPECT_EQ(Piece(vowel[15]), "e");
    EXPECT_EQ(Piece(vowel[45]), "eiu");
    EXPECT_EQ(Piece(vowel[68]), "a");
    const int expected[32] = {1, 1, 1, 1, 1, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2, 2,
                              2, 2, 2, 2, 2, 3, 3, 3, 3, 3, 3, 3, 3, 3, 4, 4};
    for (int value = 0; value <= 31; ++value)
        EXPECT_EQ(syllables[value], expected[value]) << value;
    EXPECT_EQ(forms[20], (Form{0, 1}));
    EXPECT_EQ(forms[21], (Form{0, 2}));
    EXPECT_EQ(forms[90], (Form{0, 2}));
}

}  // namespace
}  // namespace quelvarinox
