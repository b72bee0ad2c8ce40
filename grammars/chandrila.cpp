// Chandrila: one or two plain words, or two words with "Du" fused to the front of
// the second ("Rena DuMarel").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<33>(std::to_array<Range<WordsForm>>({
    {0, 4, {1, {" "}}},
    {5, 31, {2, {" ", " "}}},
    {32, 33, {2, {" Du", ""}}},
}));

constexpr auto syllable_count = counts<58>({{0, 10, 1}, {11, 48, 2}, {49, 56, 3}, {57, 58, 4}});

constexpr auto onset = pieces<121>({
    {1, 13, "r"},     {14, 24, "l"},    {25, 34, "d"},    {35, 43, "m"},    {44, 51, "n"},
    {52, 58, "k"},    {59, 64, "g"},    {65, 69, "b"},    {70, 74, "p"},    {75, 79, "t"},
    {80, 83, "c"},    {84, 87, "h"},    {88, 91, "s"},    {92, 95, "v"},    {96, 98, "th"},
    {99, 100, "f"},   {101, 102, "gr"}, {103, 103, "j"},  {104, 104, "q"},  {105, 105, "w"},
    {106, 106, "z"},  {107, 107, "bl"}, {108, 108, "ch"}, {109, 109, "dr"}, {110, 110, "fr"},
    {111, 111, "gl"}, {112, 112, "pr"}, {113, 113, "rg"}, {114, 114, "tr"},
}, {{0, 0}, {115, 121}}, nothing);

// The apostrophe of 71 is a vowel like the others.
constexpr auto vowel = pieces<117>({
    {1, 31, "e"},   {32, 51, "o"},  {52, 66, "i"},  {67, 68, "y"},  {69, 70, "aa"},
    {71, 71, "'"},  {72, 72, "ae"}, {73, 73, "ai"}, {74, 74, "ao"}, {75, 75, "ay"},
    {76, 76, "eu"}, {77, 77, "u"},  {78, 78, "ui"},
}, {{0, 0}, {79, 117}}, "a");

constexpr auto coda = pieces<122>({
    {1, 22, "n"},   {23, 33, "l"},  {34, 42, "r"},  {43, 48, "s"},  {49, 52, "m"},
    {53, 55, "th"}, {56, 57, "d"},  {58, 59, "f"},  {60, 61, "v"},  {62, 62, "b"},
    {63, 63, "c"},  {64, 64, "t"},  {65, 65, "x"},  {66, 66, "z"},  {67, 67, "ck"},
    {68, 68, "nd"}, {69, 69, "rd"}, {70, 70, "rk"}, {71, 71, "st"}, {72, 72, "lls"},
}, {{0, 0}, {73, 122}}, nothing);

}  // namespace

void Nombre_Chandrila(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
