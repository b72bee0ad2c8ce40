// Adumar: the plain shape, with one joiner between the two words of a two-word name.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<18>({{0, 3, 1}, {4, 18, 2}});

constexpr auto joiner = pieces<18>({{0, 13, " ke "}, {14, 14, " ya "}}, {{15, 18}}, " ");

constexpr auto syllable_count = counts<31>({{0, 4, 1}, {5, 20, 2}, {21, 29, 3}, {30, 31, 4}});

constexpr auto onset = pieces<67>({
    {1, 7, "r"},    {8, 13, "s"},   {14, 18, "b"},  {19, 23, "d"},  {24, 28, "n"},
    {29, 32, "p"},  {33, 36, "t"},  {37, 39, "g"},  {40, 42, "k"},  {43, 45, "m"},
    {46, 48, "v"},  {49, 51, "th"}, {52, 53, "c"},  {54, 55, "f"},  {56, 57, "h"},
    {58, 59, "sh"}, {60, 60, "z"},  {61, 61, "gr"}, {62, 62, "ph"},
}, {{0, 0}, {63, 67}}, nothing);

constexpr auto vowel = pieces<68>({
    {1, 15, "e"},   {16, 25, "i"},  {26, 30, "o"},  {31, 34, "ae"}, {35, 37, "ia"},
    {38, 39, "u"},  {40, 40, "y"},  {41, 41, "ea"}, {42, 42, "io"}, {43, 43, "ua"},
    {44, 44, "ya"}, {45, 45, "eiu"},
}, {{0, 0}, {46, 68}}, "a");

constexpr auto coda = pieces<74>({
    {1, 8, "n"},    {9, 14, "s"},   {15, 18, "l"},  {19, 21, "m"},  {22, 24, "r"},
    {25, 26, "t"},  {27, 28, "rd"}, {29, 30, "ss"}, {31, 32, "th"}, {33, 33, "c"},
    {34, 34, "k"},  {35, 35, "x"},  {36, 36, "z"},  {37, 37, "ff"}, {38, 38, "ns"},
}, {{0, 0}, {39, 74}}, nothing);

}  // namespace

void Nombre_adumar(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const int words = name.draw(word_count);
    // Drawn whatever the word count, so a one-word name consumes it too.
    const auto between = name.draw(joiner);
    for (int word = 0; word < words; ++word) {
        if (word > 0)
            name.append(between);
        name.word(syllable_count, onset, vowel, coda);
    }
}

}  // namespace quelvarinox
