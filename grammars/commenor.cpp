// Commenor: the plain shape, always two words; there is no word-count draw.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr int words = 2;

constexpr auto syllable_count = counts<26>({{0, 6, 1}, {7, 23, 2}, {24, 26, 3}});

constexpr auto onset = pieces<51>({
    {1, 7, "d"},    {8, 13, "l"},   {14, 18, "t"},  {19, 22, "b"},  {23, 25, "g"},
    {26, 28, "n"},  {29, 30, "f"},  {31, 32, "k"},  {33, 34, "m"},  {35, 36, "p"},
    {37, 38, "r"},  {39, 39, "j"},  {40, 40, "q"},  {41, 41, "s"},  {42, 42, "v"},
    {43, 43, "w"},  {44, 44, "x"},  {45, 45, "br"}, {46, 46, "dr"},
}, {{0, 0}, {47, 51}}, nothing);

constexpr auto vowel = pieces<47>({
    {1, 10, "o"},   {11, 16, "e"},  {17, 22, "i"},  {23, 24, "yo"}, {25, 25, "u"},
    {26, 26, "y"},  {27, 27, "ae"}, {28, 28, "ai"}, {29, 29, "ay"}, {30, 30, "ee"},
    {31, 31, "ey"}, {32, 32, "io"}, {33, 33, "uee"},
}, {{0, 0}, {34, 47}}, "a");

constexpr auto coda = pieces<47>({
    {1, 10, "n"},   {11, 17, "r"},  {18, 19, "m"},  {20, 21, "s"},  {22, 22, "d"},
    {23, 23, "l"},  {24, 24, "z"},  {25, 25, "rr"}, {26, 26, "th"},
}, {{0, 0}, {27, 47}}, nothing);

}  // namespace

void Nombre_Commenor(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(words, syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
