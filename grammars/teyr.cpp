// Teyr: one or two plain words from the smallest tables of all the planets.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<8>({{0, 4, 1}, {5, 8, 2}});

constexpr auto syllable_count = counts<10>({{0, 1, 1}, {2, 6, 2}, {7, 10, 3}});

constexpr auto onset = pieces<26>({
    {1, 3, "n"},    {4, 5, "d"},    {6, 7, "g"},    {8, 9, "k"},    {10, 11, "p"},
    {12, 13, "r"},  {14, 15, "t"},  {16, 16, "f"},  {17, 17, "j"},  {18, 18, "l"},
    {19, 19, "m"},  {20, 20, "s"},  {21, 21, "z"},  {22, 22, "gn"}, {23, 23, "kr"},
    {24, 24, "rh"}, {25, 25, "sh"},
}, {{0, 0}, {26, 26}}, nothing);

constexpr auto vowel = pieces<21>({
    {1, 6, "i"}, {7, 10, "o"}, {11, 13, "e"}, {14, 14, "y"},
}, {{0, 0}, {15, 21}}, "a");

// Over 16 every row is reachable and about half the syllables close without a
// coda, as on the other planets.
constexpr auto coda = pieces<16>({
    {1, 2, "n"}, {3, 3, "g"}, {4, 4, "m"}, {5, 5, "r"}, {6, 6, "s"}, {7, 7, "ng"}, {8, 8, "tt"},
}, {{0, 0}, {9, 16}}, nothing);

}  // namespace

void Nombre_Teyr(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(name.draw(word_count), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
