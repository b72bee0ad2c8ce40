// Elrood: the plain shape, one or two words of up to four syllables.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<20>({{0, 6, 1}, {7, 20, 2}});

constexpr auto syllable_count = counts<33>({{0, 9, 1}, {10, 25, 2}, {26, 31, 3}, {32, 33, 4}});

constexpr auto onset = pieces<73>({
    {1, 9, "l"},    {10, 16, "d"},  {17, 21, "g"},  {22, 25, "b"},  {26, 29, "r"},
    {30, 33, "t"},  {34, 37, "v"},  {38, 40, "m"},  {41, 43, "n"},  {44, 45, "ch"},
    {46, 47, "f"},  {48, 49, "h"},  {50, 51, "k"},  {52, 53, "s"},  {54, 55, "w"},
    {56, 57, "dr"}, {58, 59, "sh"}, {60, 61, "tr"}, {62, 62, "c"},  {63, 63, "z"},
    {64, 64, "bl"}, {65, 65, "cr"}, {66, 66, "fr"}, {67, 67, "gr"}, {68, 68, "gw"},
    {69, 69, "kr"}, {70, 70, "th"},
}, {{0, 0}, {71, 73}}, nothing);

constexpr auto vowel = pieces<64>({
    {1, 15, "e"},   {16, 26, "i"},  {27, 34, "o"},  {35, 36, "u"},  {37, 38, "y"},
    {39, 39, "ai"}, {40, 40, "au"}, {41, 41, "ay"}, {42, 42, "ei"}, {43, 43, "yo"},
}, {{0, 0}, {44, 64}}, "a");

constexpr auto coda = pieces<66>({
    {1, 9, "l"},     {10, 18, "n"},   {19, 25, "r"},   {26, 30, "s"},   {31, 31, "k"},
    {32, 32, "h"},   {33, 33, "m"},   {34, 34, "v"},   {35, 35, "x"},   {36, 36, "z"},
    {37, 37, "ff"},  {38, 38, "nn"},  {39, 39, "rf"},  {40, 40, "lls"},
}, {{0, 0}, {41, 66}}, nothing);

}  // namespace

void Nombre_Elrood(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(name.draw(word_count), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
