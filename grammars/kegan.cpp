// Kegan: one word behind the letter prefix "V-" or "O-", with "i" as the
// fallback vowel.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto prefix = make_table<20>(std::to_array<Range<Piece>>({{0, 9, "V-"}, {10, 20, "O-"}}));

constexpr auto syllable_count = counts<21>({{0, 6, 1}, {7, 21, 2}});

constexpr auto onset = pieces<42>({
    {1, 7, "n"},    {8, 11, "v"},   {12, 14, "r"},  {15, 17, "t"},  {18, 19, "b"},
    {20, 21, "d"},  {22, 23, "h"},  {24, 25, "l"},  {26, 27, "m"},  {28, 29, "s"},
    {30, 30, "f"},  {31, 31, "g"},  {32, 32, "k"},  {33, 33, "p"},  {34, 34, "z"},
    {35, 35, "br"}, {36, 36, "th"},
}, {{0, 0}, {37, 42}}, nothing);

constexpr auto vowel = pieces<35>({
    {1, 7, "a"},    {8, 11, "e"},   {12, 15, "o"},  {16, 17, "ie"}, {18, 18, "u"},
    {19, 19, "aa"}, {20, 20, "au"}, {21, 21, "ia"}, {22, 22, "ya"},
}, {{0, 0}, {23, 35}}, "i");

constexpr auto coda = pieces<37>({
    {1, 5, "n"},    {6, 6, "d"},    {7, 7, "r"},    {8, 8, "s"},    {9, 9, "z"},
    {10, 10, "rz"},
}, {{0, 0}, {11, 37}}, nothing);

}  // namespace

void Nombre_Kegan(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.append(name.draw(prefix));
    // The word follows the hyphen directly, with its capital.
    name.word(syllable_count, onset, vowel, coda);
}

}  // namespace quelvarinox
