// Carida: one or two plain words; the second may open with an apostrophe prefix
// ("Davor t'Elin"), and a few two-word names end with " III".
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct WordCount {
    int words;
    bool suffix;
};

constexpr auto word_count = make_table<18>(std::to_array<Range<WordCount>>({
    {0, 6, {1, false}},
    {7, 16, {2, false}},
    {17, 18, {2, true}},
}));

// Drawn for every word, but only the second word takes the prefix.
constexpr auto prefixed = make_table<11>(std::to_array<Range<bool>>({{1, 1, true}}), {{0, 0}, {2, 11}}, false);

constexpr auto syllable_count = counts<28>({{0, 7, 1}, {8, 23, 2}, {24, 28, 3}});

constexpr auto onset = pieces<58>({
    {1, 6, "d"},    {7, 10, "l"},   {11, 14, "n"},  {15, 18, "t"},  {19, 22, "v"},
    {23, 25, "c"},  {26, 28, "f"},  {29, 31, "g"},  {32, 34, "m"},  {35, 36, "b"},
    {37, 38, "h"},  {39, 40, "p"},  {41, 42, "r"},  {43, 44, "th"}, {45, 45, "j"},
    {46, 46, "k"},  {47, 47, "s"},  {48, 48, "w"},  {49, 49, "z"},  {50, 50, "ch"},
    {51, 51, "pr"}, {52, 52, "st"}, {53, 53, "tr"}, {54, 54, "scr"},
}, {{0, 0}, {55, 58}}, nothing);

constexpr auto vowel = pieces<52>({
    {1, 13, "e"},   {14, 22, "o"},  {23, 28, "i"},  {29, 31, "u"},  {32, 33, "ae"},
    {34, 34, "y"},  {35, 35, "aa"}, {36, 36, "ee"}, {37, 37, "eo"},
}, {{0, 0}, {38, 52}}, "a");

constexpr auto coda = pieces<55>({
    {1, 7, "r"},    {8, 12, "l"},   {13, 17, "n"},  {18, 19, "m"},  {20, 21, "s"},
    {22, 22, "b"},  {23, 23, "c"},  {24, 24, "d"},  {25, 25, "p"},  {26, 26, "t"},
    {27, 27, "z"},  {28, 28, "ck"}, {29, 29, "ff"}, {30, 30, "ld"}, {31, 31, "ll"},
    {32, 32, "nn"}, {33, 33, "th"}, {34, 34, "tt"}, {35, 35, "hns"}, {36, 36, "lth"},
}, {{0, 0}, {37, 55}}, nothing);

}  // namespace

void Nombre_Carida(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const WordCount count = name.draw(word_count);
    for (int word = 0; word < count.words; ++word) {
        if (word > 0)
            name.append(" ");
        const bool prefix = name.draw(prefixed) && word == 1;
        name.word(syllable_count, [&](int index) {
            if (index == 0 && prefix)
                name.apostrophe_prefix(onset, vowel, coda);
            name.syllable(onset, vowel, coda);
        });
    }
    if (count.suffix)
        name.append(" III");
}

}  // namespace quelvarinox
