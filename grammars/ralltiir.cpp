// Ralltiir: one to three plain words; a name of three has a hyphen before its
// last word ("Rajen Tiro-Kessa").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<13>(std::to_array<Range<WordsForm>>({
    {0, 7, {1, {" "}}},
    {8, 11, {2, {" ", " "}}},
    {12, 13, {3, {" ", "-", " "}}},
}));

constexpr auto syllable_count = counts<19>({{0, 5, 1}, {6, 17, 2}, {18, 19, 3}});

constexpr auto onset = pieces<39>({
    {1, 5, "r"},    {6, 9, "j"},    {10, 12, "p"},  {13, 15, "t"},  {16, 17, "b"},
    {18, 19, "k"},  {20, 21, "m"},  {22, 23, "n"},  {24, 25, "w"},  {26, 27, "z"},
    {28, 28, "d"},  {29, 29, "g"},  {30, 30, "l"},  {31, 31, "s"},  {32, 32, "kl"},
    {33, 33, "kr"}, {34, 34, "pr"}, {35, 35, "sh"}, {36, 36, "tr"},
}, {{0, 0}, {37, 39}}, nothing);

constexpr auto vowel = pieces<33>({
    {1, 6, "a"},    {7, 11, "i"},   {12, 14, "o"},  {15, 15, "ay"}, {16, 16, "ea"},
    {17, 17, "ee"}, {18, 18, "ia"}, {19, 19, "ii"}, {20, 20, "io"}, {21, 21, "oe"},
    {22, 22, "oi"}, {23, 23, "ye"},
}, {{0, 0}, {24, 33}}, "e");

constexpr auto coda = pieces<38>({
    {1, 4, "r"},    {5, 8, "n"},    {9, 12, "s"},   {13, 15, "k"},  {16, 17, "t"},
    {18, 18, "d"},  {19, 19, "g"},  {20, 20, "l"},  {21, 21, "m"},  {22, 22, "p"},
    {23, 23, "z"},  {24, 24, "bb"}, {25, 25, "ll"},
}, {{0, 0}, {26, 38}}, nothing);

}  // namespace

void Nombre_Ralltiir(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
