// Nar Shaddaa: one or two plain words of one or two syllables.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<15>({{0, 4, 1}, {5, 15, 2}});

constexpr auto syllable_count = counts<23>({{0, 8, 1}, {9, 23, 2}});

constexpr auto onset = pieces<48>({
    {1, 6, "r"},    {7, 11, "d"},   {12, 15, "b"},  {16, 19, "g"},  {20, 23, "l"},
    {24, 26, "n"},  {27, 28, "f"},  {29, 30, "m"},  {31, 32, "s"},  {33, 34, "t"},
    {35, 36, "v"},  {37, 37, "c"},  {38, 38, "h"},  {39, 39, "j"},  {40, 40, "p"},
    {41, 41, "z"},  {42, 42, "br"}, {43, 43, "cr"}, {44, 44, "dr"}, {45, 45, "gr"},
    {46, 46, "sp"}, {47, 47, "th"},
}, {{0, 0}, {48, 48}}, nothing);

constexpr auto vowel = pieces<37>({
    {1, 7, "o"},    {8, 12, "e"},   {13, 16, "i"},  {17, 17, "u"},  {18, 18, "y"},
    {19, 19, "oa"}, {20, 20, "oy"}, {21, 21, "ue"},
}, {{0, 0}, {22, 37}}, "a");

constexpr auto coda = pieces<46>({
    {1, 4, "n"},    {5, 8, "r"},    {9, 11, "k"},   {12, 14, "l"},  {15, 16, "s"},
    {17, 18, "t"},  {19, 19, "c"},  {20, 20, "f"},  {21, 21, "g"},  {22, 22, "m"},
    {23, 23, "p"},  {24, 24, "v"},  {25, 25, "z"},  {26, 26, "nd"}, {27, 27, "nn"},
    {28, 28, "nz"}, {29, 29, "pp"}, {30, 30, "ps"}, {31, 31, "rz"}, {32, 32, "ss"},
    {33, 33, "th"}, {34, 34, "tt"},
}, {{0, 0}, {35, 46}}, nothing);

}  // namespace

void Nombre_Narsh(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(name.draw(word_count), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
