// Nam Chorios: one or two plain words.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<10>({{0, 3, 1}, {4, 10, 2}});

constexpr auto syllable_count = counts<15>({{0, 5, 1}, {6, 12, 2}, {13, 15, 3}});

constexpr auto onset = pieces<31>({
    {1, 3, "n"},    {4, 5, "b"},    {6, 7, "c"},    {8, 9, "g"},    {10, 11, "l"},
    {12, 13, "s"},  {14, 15, "dr"}, {16, 16, "d"},  {17, 17, "k"},  {18, 18, "m"},
    {19, 19, "p"},  {20, 20, "r"},  {21, 21, "t"},  {22, 22, "v"},  {23, 23, "z"},
    {24, 24, "ck"}, {25, 25, "gr"}, {26, 26, "pl"}, {27, 27, "sn"}, {28, 28, "th"},
    {29, 29, "scr"},
}, {{0, 0}, {30, 31}}, nothing);

constexpr auto vowel = pieces<26>({
    {1, 4, "e"},    {5, 8, "i"},    {9, 11, "o"},   {12, 14, "u"},  {15, 16, "oo"},
    {17, 17, "y"},  {18, 18, "au"}, {19, 19, "ey"},
}, {{0, 0}, {20, 26}}, "a");

constexpr auto coda = pieces<29>({
    {1, 4, "n"},    {5, 7, "r"},    {8, 9, "l"},    {10, 11, "s"},  {12, 12, "d"},
    {13, 13, "f"},  {14, 14, "h"},  {15, 15, "m"},  {16, 16, "p"},  {17, 17, "z"},
    {18, 18, "ck"}, {19, 19, "pp"}, {20, 20, "rm"},
}, {{0, 0}, {21, 29}}, nothing);

}  // namespace

void Nombre_Namch(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.spaced_words(name.draw(word_count), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
