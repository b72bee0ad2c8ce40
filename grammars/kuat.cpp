// Kuat: one or two plain words, or two words joined by the particle "de "
// ("Nerin de Kovas").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<37>(std::to_array<Range<WordsForm>>({
    {0, 17, {1, {" "}}},
    {18, 35, {2, {" ", " "}}},
    {36, 37, {2, {" de ", " "}}},
}));

constexpr auto syllable_count = counts<50>({{0, 9, 1}, {10, 45, 2}, {46, 50, 3}});

// Over 103 every row is reachable and about one onset in ten is empty, as in
// the other planets' onsets.
constexpr auto onset = pieces<103>({
    {1, 12, "n"},   {13, 19, "r"},  {20, 25, "d"},  {26, 31, "k"},  {32, 37, "t"},
    {38, 43, "v"},  {44, 48, "m"},  {49, 53, "s"},  {54, 57, "b"},  {58, 61, "g"},
    {62, 65, "p"},  {66, 68, "h"},  {69, 71, "j"},  {72, 73, "c"},  {74, 75, "f"},
    {76, 77, "w"},  {78, 79, "x"},  {80, 81, "z"},  {82, 83, "dr"}, {84, 85, "sh"},
    {86, 87, "tr"}, {88, 88, "q"},  {89, 89, "cr"}, {90, 90, "kh"}, {91, 91, "kn"},
    {92, 92, "st"}, {93, 93, "th"},
}, {{0, 0}, {94, 103}}, nothing);

constexpr auto vowel = pieces<94>({
    {1, 19, "e"},   {20, 36, "i"},  {37, 47, "o"},  {48, 53, "u"},  {54, 58, "ee"},
    {59, 60, "y"},  {61, 62, "ia"}, {63, 63, "ai"}, {64, 64, "ea"}, {65, 65, "io"},
    {66, 66, "oa"}, {67, 67, "oo"}, {68, 68, "oy"}, {69, 69, "ua"}, {70, 70, "ue"},
}, {{0, 0}, {71, 94}}, "a");

constexpr auto coda = pieces<104>({
    {1, 15, "n"},    {16, 25, "l"},   {26, 34, "r"},   {35, 41, "s"},   {42, 46, "m"},
    {47, 48, "h"},   {49, 50, "t"},   {51, 52, "v"},   {53, 54, "nn"},  {55, 55, "b"},
    {56, 56, "d"},   {57, 57, "g"},   {58, 58, "k"},   {59, 59, "p"},   {60, 60, "z"},
    {61, 61, "ff"},  {62, 62, "hl"},  {63, 63, "ld"},  {64, 64, "ll"},  {65, 65, "lt"},
    {66, 66, "ng"},  {67, 67, "rz"},  {68, 68, "sh"},  {69, 69, "ss"},  {70, 70, "th"},
    {71, 71, "nsk"}, {72, 72, "rsk"},
}, {{0, 0}, {73, 104}}, nothing);

}  // namespace

void Nombre_Kuat(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
