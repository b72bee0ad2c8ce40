// Bakura: one or two plain words whose fallback vowel is "e"; a few one-word
// names, and every name in the alternative mode, end with a compound epithet.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct WordCount {
    int words;
    bool compound;
};

constexpr auto word_count = make_table<42>(std::to_array<Range<WordCount>>({
    {0, 20, {1, false}},
    {21, 40, {2, false}},
    {41, 42, {1, true}},
}));

constexpr WordCount alternative_count{1, true};

constexpr auto syllable_count = counts<55>({{0, 8, 1}, {9, 40, 2}, {41, 53, 3}, {54, 55, 4}});

// "n" has two places, 21-29 and 47-54.
constexpr auto onset = pieces<131>({
    {1, 11, "t"},     {12, 20, "d"},    {21, 29, "n"},    {30, 38, "s"},    {39, 46, "m"},
    {47, 54, "n"},    {55, 61, "c"},    {62, 68, "v"},    {69, 74, "h"},    {75, 80, "l"},
    {81, 85, "g"},    {86, 90, "k"},    {91, 95, "z"},    {96, 99, "b"},    {100, 102, "f"},
    {103, 105, "th"}, {106, 107, "j"},  {108, 109, "w"},  {110, 111, "bl"}, {112, 112, "cl"},
    {113, 113, "gr"}, {114, 114, "pr"}, {115, 115, "sc"}, {116, 116, "sh"}, {117, 117, "tr"},
    {118, 118, "sch"},
}, {{0, 0}, {119, 131}}, nothing);

// "a" has a range of its own; every unnamed value gives "e".
constexpr auto vowel = pieces<119>({
    {1, 25, "a"},   {26, 48, "i"},  {49, 67, "o"},  {68, 71, "u"},  {72, 74, "y"},
    {75, 77, "ai"}, {78, 80, "ie"}, {81, 82, "aa"}, {83, 84, "ae"}, {85, 86, "ia"},
    {87, 87, "ey"}, {88, 88, "ye"}, {89, 89, "yo"}, {90, 90, "yeo"},
}, {{0, 0}, {91, 119}}, "e");

constexpr auto coda = pieces<124>({
    {1, 18, "n"},   {19, 28, "r"},  {29, 37, "l"},  {38, 45, "s"},  {46, 51, "m"},
    {52, 54, "p"},  {55, 56, "c"},  {57, 58, "k"},  {59, 60, "t"},  {61, 61, "d"},
    {62, 62, "f"},  {63, 63, "h"},  {64, 64, "ll"}, {65, 65, "mp"}, {66, 66, "nn"},
    {67, 67, "rg"}, {68, 68, "rn"}, {69, 69, "lls"}, {70, 70, "nnt"}, {71, 71, "rth"},
}, {{0, 0}, {72, 124}}, nothing);

}  // namespace

void Nombre_bakura(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const WordCount count = name.draw_form(word_count, alternative_count);
    name.spaced_words(count.words, syllable_count, onset, vowel, coda);
    name.finish(count.compound);
}

}  // namespace quelvarinox
