// Garos IV: the plain shape. Three syllables come from a single value of the
// syllable count, so four-syllable words are the more common of the long ones.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<21>({{0, 5, 1}, {6, 21, 2}});

constexpr auto syllable_count = counts<33>({{0, 9, 1}, {10, 30, 2}, {31, 31, 3}, {32, 33, 4}});

constexpr auto onset = pieces<63>({
    {1, 7, "t"},    {8, 12, "c"},   {13, 17, "d"},  {18, 22, "r"},  {23, 26, "l"},
    {27, 30, "m"},  {31, 34, "p"},  {35, 37, "b"},  {38, 40, "g"},  {41, 43, "k"},
    {44, 46, "n"},  {47, 49, "w"},  {50, 51, "h"},  {52, 53, "s"},  {54, 54, "j"},
    {55, 55, "x"},  {56, 56, "z"},  {57, 57, "br"}, {58, 58, "dr"}, {59, 59, "gr"},
    {60, 60, "sc"}, {61, 61, "sh"}, {62, 62, "tr"},
}, {{0, 0}, {63, 63}}, nothing);

constexpr auto vowel = pieces<56>({
    {1, 10, "e"},   {11, 17, "i"},  {18, 23, "o"},  {24, 26, "ay"}, {27, 28, "ee"},
    {29, 29, "u"},  {30, 30, "y"},  {31, 31, "ae"}, {32, 32, "ii"}, {33, 33, "io"},
}, {{0, 0}, {34, 56}}, "a");

constexpr auto coda = pieces<61>({
    {1, 7, "n"},    {8, 14, "r"},   {15, 20, "s"},  {21, 21, "d"},  {22, 22, "j"},
    {23, 23, "l"},  {24, 24, "m"},  {25, 25, "p"},  {26, 26, "t"},  {27, 27, "z"},
    {28, 28, "ck"}, {29, 29, "nk"}, {30, 30, "nl"}, {31, 31, "nn"}, {32, 32, "rk"},
    {33, 33, "rl"}, {34, 34, "ss"}, {35, 35, "st"},
}, {{0, 0}, {36, 61}}, nothing);

}  // namespace

void Nombre_Garos(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(name.draw(word_count), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
