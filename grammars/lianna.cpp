// Lianna: one to three plain words, or two words with the second behind an
// apostrophe. The vowel "a" owns both ends of its table.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<17>(std::to_array<Range<WordsForm>>({
    {0, 6, {1, {" "}}},
    {7, 14, {2, {" ", " "}}},
    {15, 15, {3, {" ", " ", " "}}},
    {16, 17, {2, {" '", " "}}},
}));

constexpr auto syllable_count = counts<26>({{0, 7, 1}, {8, 22, 2}, {23, 26, 3}});

constexpr auto onset = pieces<53>({
    {1, 5, "r"},    {6, 9, "l"},    {10, 13, "t"},  {14, 17, "v"},  {18, 20, "d"},
    {21, 23, "k"},  {24, 26, "n"},  {27, 29, "s"},  {30, 31, "b"},  {32, 33, "f"},
    {34, 35, "j"},  {36, 37, "m"},  {38, 39, "p"},  {40, 41, "th"}, {42, 42, "g"},
    {43, 43, "h"},  {44, 44, "z"},  {45, 45, "bl"}, {46, 46, "dr"}, {47, 47, "hl"},
    {48, 48, "ph"}, {49, 49, "sh"}, {50, 50, "sn"},
}, {{0, 0}, {51, 53}}, nothing);

// 0-14 and 33-47 give "a".
constexpr auto vowel = pieces<47>({
    {15, 24, "i"},  {25, 28, "o"},  {29, 30, "ia"}, {31, 32, "io"},
}, {{0, 14}, {33, 47}}, "a");

constexpr auto coda = pieces<52>({
    {1, 7, "n"},     {8, 11, "s"},    {12, 14, "k"},   {15, 17, "r"},   {18, 19, "l"},
    {20, 21, "p"},   {22, 22, "d"},   {23, 23, "m"},   {24, 24, "t"},   {25, 25, "v"},
    {26, 26, "ck"},  {27, 27, "ff"},  {28, 28, "nn"},  {29, 29, "rl"},  {30, 30, "vv"},
    {31, 31, "tz"},  {32, 32, "ckk"}, {33, 33, "nth"},
}, {{0, 0}, {34, 52}}, nothing);

}  // namespace

void Nombre_Lianna(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
