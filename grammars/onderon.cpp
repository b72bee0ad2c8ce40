// Onderon: one or two plain words, or one word followed by "Kira".
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool kira;
};

constexpr auto form = make_table<15>(std::to_array<Range<Form>>({
    {0, 7, {1, false}},
    {8, 11, {2, false}},
    {12, 15, {1, true}},
}));

constexpr auto syllable_count = counts<19>({{0, 4, 1}, {5, 16, 2}, {17, 19, 3}});

constexpr auto onset = pieces<43>({
    {1, 4, "m"},    {5, 8, "n"},    {9, 11, "b"},   {12, 14, "d"},  {15, 17, "l"},
    {18, 20, "r"},  {21, 22, "g"},  {23, 24, "k"},  {25, 26, "s"},  {27, 28, "t"},
    {29, 30, "v"},  {31, 31, "j"},  {32, 32, "p"},  {33, 33, "w"},  {34, 34, "z"},
    {35, 35, "br"}, {36, 36, "dr"}, {37, 37, "gr"}, {38, 38, "sh"},
}, {{0, 0}, {39, 43}}, nothing);

constexpr auto vowel = pieces<35>({
    {1, 12, "a"}, {13, 16, "i"}, {17, 17, "e"}, {18, 18, "u"}, {19, 19, "ia"}, {20, 20, "oa"},
}, {{0, 0}, {21, 35}}, "o");

constexpr auto coda = pieces<37>({
    {1, 4, "n"},    {5, 8, "s"},    {9, 9, "d"},    {10, 10, "k"},  {11, 11, "m"},
    {12, 12, "r"},  {13, 13, "z"},  {14, 14, "ll"}, {15, 15, "rb"}, {16, 16, "sk"},
    {17, 17, "tt"},
}, {{0, 0}, {18, 37}}, nothing);

}  // namespace

void Nombre_Onderon(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    name.spaced_words(shape.words, syllable_count, onset, vowel, coda);
    if (shape.kira)
        name.append("Kira");
    name.finish();
}

}  // namespace quelvarinox
