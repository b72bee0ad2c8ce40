// Draenell's point: the plain shape with "e" as the fallback vowel, and a compound
// epithet after a one-word name for the top word-count values or in the
// alternative mode.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct WordCount {
    int words;
    bool compound;
};

constexpr auto word_count = make_table<10>(std::to_array<Range<WordCount>>({
    {0, 2, {1, false}},
    {3, 8, {2, false}},
    {9, 10, {1, true}},
}));

constexpr WordCount alternative_count{1, true};

constexpr auto syllable_count = counts<16>({{0, 2, 1}, {3, 14, 2}, {15, 16, 3}});

constexpr auto onset = pieces<35>({
    {1, 3, "k"},    {4, 6, "w"},    {7, 9, "dr"},   {10, 11, "b"},  {12, 13, "f"},
    {14, 15, "n"},  {16, 17, "s"},  {18, 19, "t"},  {20, 20, "d"},  {21, 21, "g"},
    {22, 22, "h"},  {23, 23, "m"},  {24, 24, "p"},  {25, 25, "r"},  {26, 26, "v"},
    {27, 27, "x"},  {28, 28, "z"},  {29, 29, "kr"}, {30, 30, "pl"}, {31, 31, "sh"},
    {32, 32, "th"}, {33, 33, "tr"},
}, {{0, 0}, {34, 35}}, nothing);

constexpr auto vowel = pieces<30>({
    {1, 4, "a"},    {5, 7, "i"},    {8, 10, "u"},   {11, 12, "o"},  {13, 14, "ee"},
    {15, 15, "y"},  {16, 16, "ae"}, {17, 17, "ai"}, {18, 18, "ie"}, {19, 19, "oi"},
    {20, 20, "ui"},
}, {{0, 0}, {21, 30}}, "e");

constexpr auto coda = pieces<32>({
    {1, 5, "n"},    {6, 9, "s"},    {10, 11, "r"},  {12, 13, "ll"}, {14, 14, "f"},
    {15, 15, "l"},  {16, 16, "m"},  {17, 17, "z"},  {18, 18, "ck"}, {19, 19, "lt"},
    {20, 20, "ss"},
}, {{0, 0}, {21, 32}}, nothing);

}  // namespace

void Nombre_Draenell(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const WordCount count = name.draw_form(word_count, alternative_count);
    name.spaced_words(count.words, syllable_count, onset, vowel, coda);
    name.finish(count.compound);
}

}  // namespace quelvarinox
