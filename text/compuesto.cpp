#include "text/compuesto.h"

#include <algorithm>
#include <array>
#include <string>

#include "core/weighted_table.h"
#include "text/mayusculiza.h"

namespace quelvarinox::detail {

namespace {

constexpr auto first_part = pieces<54>({
    {0, 0, "angle"},   {1, 1, "bells"},   {2, 2, "black"},   {3, 3, "blast"},   {4, 4, "blood"},
    {5, 5, "blue"},    {6, 6, "bone"},    {7, 7, "bridge"},  {8, 8, "bright"},  {9, 9, "dark"},
    {10, 10, "day"},   {11, 11, "death"}, {12, 12, "east"},  {13, 13, "far"},   {14, 14, "fire"},
    {15, 15, "five"},  {16, 16, "flare"}, {17, 17, "four"},  {18, 18, "free"},  {19, 19, "green"},
    {20, 20, "grey"},  {21, 21, "high"},  {22, 22, "ion"},   {23, 23, "life"},  {24, 24, "light"},
    {25, 25, "long"},  {26, 26, "low"},   {27, 27, "master"}, {28, 28, "moon"}, {29, 29, "near"},
    {30, 30, "night"}, {31, 31, "old"},   {32, 32, "one"},   {33, 33, "over"},  {35, 35, "raven"},
    {36, 36, "red"},   {37, 37, "rim"},   {38, 38, "sand"},  {39, 39, "short"}, {40, 40, "sky"},
    {41, 41, "star"},  {42, 42, "stone"}, {43, 43, "storm"}, {44, 44, "strobe"}, {45, 45, "sun"},
    {46, 46, "three"}, {47, 47, "two"},   {48, 48, "under"}, {49, 49, "war"},   {50, 50, "west"},
    {51, 51, "white"}, {52, 52, "wind"},  {53, 53, "young"},
}, {{34, 34}, {54, 54}}, "peace");

constexpr auto second_part = pieces<45>({
    {0, 0, "arm"},       {1, 1, "bringer"},  {2, 2, "caller"},   {3, 3, "chaser"},   {4, 4, "childe"},
    {5, 5, "claw"},      {6, 6, "down"},     {7, 7, "dreamer"},  {8, 8, "far"},      {9, 9, "flare"},
    {10, 10, "gate"},    {11, 11, "gunner"}, {12, 12, "hawk"},   {13, 13, "hold"},   {14, 14, "home"},
    {15, 15, "kid"},     {16, 16, "killer"}, {17, 17, "lander"}, {18, 18, "let"},    {19, 19, "lighter"},
    {20, 20, "lyte"},    {21, 21, "man"},    {22, 22, "moon"},   {23, 23, "pyre"},   {24, 24, "one"},
    {25, 25, "rider"},   {26, 26, "row"},    {27, 27, "runner"}, {28, 28, "sea"},    {29, 29, "seeker"},
    {30, 30, "shade"},   {31, 31, "sheld"},  {32, 32, "skimmer"}, {33, 33, "slinger"}, {34, 34, "star"},
    {36, 36, "stone"},   {37, 37, "stream"}, {38, 38, "strike"}, {39, 39, "sun"},    {40, 40, "thorn"},
    {41, 41, "tower"},   {42, 42, "walker"}, {43, 43, "well"},   {44, 44, "wind"},
}, {{35, 35}, {45, 45}}, "stock");

// The second parts that are given only when the first part is none of the listed
// words; any other pairing redraws the whole pair.
struct Condition {
    Piece second;
    std::array<Piece, 4> not_after;
};
constexpr std::array conditions{
    Condition{"down", {"high", "far", "low"}},
    Condition{"far", {"near"}},
    Condition{"lighter", {"light"}},
    Condition{"lyte", {"light"}},
    Condition{"one", {"two", "three", "four", "five"}},
};

// "one" is not among them: it gives Onewalker, not Onewalkers.
constexpr std::array number_words{Piece{"five"}, Piece{"four"}, Piece{"three"}, Piece{"two"}};

bool condition_fails(Piece first, Piece second)
{
    for (const Condition& condition : conditions)
        if (condition.second == second)
            return std::find(condition.not_after.begin(), condition.not_after.end(), first) != condition.not_after.end();
    return false;
}

}  // namespace

void Compuesto(GenerationContext& ctx)
{
    ctx.reseed();
    Piece first;
    Piece second;
    bool redraw = true;
    while (redraw) {
        redraw = false;
        first = first_part[ctx.Tirada(first_part.multiplier)];
        second = second_part[ctx.Tirada(second_part.multiplier)];
        if (condition_fails(first, second)) {
            redraw = true;
            second = nothing;
        }
        if (first == second)
            redraw = true;
    }
    const bool plural = std::find(number_words.begin(), number_words.end(), first) != number_words.end();

    // The compound is built where mayusculiza leaves the capitalised first part.
    mayusculiza(ctx, first);
    std::string& compound = ctx.LabelOut;
    // The letter merge: Star and "rider" give Starider.
    if (compound.back() == second.front())
        compound.pop_back();
    compound.insert(compound.begin(), ' ');
    compound += second;
    if (plural)
        compound += 's';
}

}  // namespace quelvarinox::detail
