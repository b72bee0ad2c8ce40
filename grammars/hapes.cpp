// Hapes: one to three plain words, or two words with the second behind an
// apostrophe ("Selan 'Vikra").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<18>(std::to_array<Range<WordsForm>>({
    {0, 11, {1, {" "}}},
    {12, 15, {2, {" ", " "}}},
    {16, 16, {3, {" ", " ", " "}}},
    {17, 18, {2, {" '", " "}}},
}));

constexpr auto syllable_count = counts<24>({{0, 5, 1}, {6, 19, 2}, {20, 24, 3}});

// "r" has three places: 33-34 and 42.
constexpr auto onset = pieces<54>({
    {1, 6, "s"},    {7, 10, "l"},   {11, 13, "b"},  {14, 16, "c"},  {17, 19, "d"},
    {20, 22, "g"},  {23, 25, "k"},  {26, 28, "v"},  {29, 30, "h"},  {31, 32, "n"},
    {33, 34, "r"},  {35, 36, "t"},  {37, 37, "f"},  {38, 38, "m"},  {39, 39, "p"},
    {40, 40, "w"},  {41, 41, "z"},  {42, 42, "r"},  {43, 43, "dr"}, {44, 44, "fr"},
    {45, 45, "gh"}, {46, 46, "gr"}, {47, 47, "kh"}, {48, 48, "sh"}, {49, 49, "tr"},
}, {{0, 0}, {50, 54}}, nothing);

constexpr auto vowel = pieces<46>({
    {1, 12, "e"},   {13, 23, "i"},  {24, 28, "o"},  {29, 30, "y"},  {31, 32, "ia"},
    {33, 33, "u"},  {34, 34, "ee"},
}, {{0, 0}, {35, 46}}, "a");

constexpr auto coda = pieces<52>({
    {1, 7, "n"},    {8, 11, "l"},   {12, 15, "r"},  {16, 19, "s"},  {20, 21, "tt"},
    {22, 22, "c"},  {23, 23, "h"},  {24, 24, "k"},  {25, 25, "m"},  {26, 26, "p"},
    {27, 27, "t"},  {28, 28, "v"},  {29, 29, "z"},  {30, 30, "ck"}, {31, 31, "ll"},
    {32, 32, "ng"}, {33, 33, "sh"}, {34, 34, "th"},
}, {{0, 0}, {35, 52}}, nothing);

}  // namespace

void Nombre_Hapes(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
