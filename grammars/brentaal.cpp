// Brentaal: one word, or two capitalised words joined by a space, a hyphen or an
// apostrophe ("Lerad'Korin").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<19>(std::to_array<Range<WordsForm>>({
    {0, 4, {1, {" "}}},
    {5, 16, {2, {" ", " "}}},
    {17, 17, {2, {"-", ""}}},
    {18, 19, {2, {"'", ""}}},
}));

constexpr auto syllable_count = counts<34>({{0, 6, 1}, {7, 30, 2}, {31, 34, 3}});

// "gr" has two places, 21-25 and 57.
constexpr auto onset = pieces<71>({
    {1, 9, "l"},    {10, 15, "d"},  {16, 20, "r"},  {21, 25, "gr"}, {26, 29, "k"},
    {30, 32, "p"},  {33, 35, "s"},  {36, 38, "t"},  {39, 41, "v"},  {42, 43, "b"},
    {44, 45, "f"},  {46, 47, "j"},  {48, 49, "m"},  {50, 51, "n"},  {52, 53, "br"},
    {54, 54, "c"},  {55, 55, "w"},  {56, 56, "fr"}, {57, 57, "gr"}, {58, 58, "pl"},
    {59, 59, "sc"}, {60, 60, "tr"},
}, {{0, 0}, {61, 71}}, nothing);

constexpr auto vowel = pieces<65>({
    {1, 14, "e"},   {15, 22, "o"},  {23, 28, "i"},  {29, 32, "u"},  {33, 34, "ea"},
    {35, 36, "ee"}, {37, 38, "ia"}, {39, 39, "y"},  {40, 40, "aa"}, {41, 41, "eu"},
    {42, 42, "ie"}, {43, 43, "io"},
}, {{0, 0}, {44, 65}}, "a");

constexpr auto coda = pieces<67>({
    {1, 7, "l"},    {8, 13, "n"},   {14, 19, "r"},  {20, 24, "s"},  {25, 27, "k"},
    {28, 29, "m"},  {30, 31, "tt"}, {32, 32, "d"},  {33, 33, "p"},  {34, 34, "v"},
    {35, 35, "z"},  {36, 36, "ch"}, {37, 37, "ll"}, {38, 38, "rc"}, {39, 39, "rn"},
    {40, 40, "rsk"},
}, {{0, 0}, {41, 67}}, nothing);

}  // namespace

void Nombre_Brentaal(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
