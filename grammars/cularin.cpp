// Cularin: one or two plain words, or three words with the third behind an
// apostrophe ("Rekan Do 'Tir"), whose second and third words have one syllable.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool apostrophe;
};

constexpr auto form = make_table<36>(std::to_array<Range<Form>>({
    {0, 16, {1, false}},
    {17, 34, {2, false}},
    {35, 36, {3, true}},
}));

constexpr auto syllable_count = counts<54>({{0, 16, 1}, {17, 45, 2}, {46, 54, 3}});

constexpr auto onset = pieces<106>({
    {1, 15, "r"},   {16, 24, "n"},  {25, 32, "k"},  {33, 39, "d"},  {40, 46, "t"},
    {47, 52, "l"},  {53, 57, "b"},  {58, 61, "g"},  {62, 65, "j"},  {66, 69, "m"},
    {70, 73, "p"},  {74, 77, "s"},  {78, 80, "h"},  {81, 82, "c"},  {83, 84, "f"},
    {85, 86, "v"},  {87, 88, "w"},  {89, 90, "gr"}, {91, 91, "q"},  {92, 92, "z"},
    {93, 93, "bl"}, {94, 94, "gw"}, {95, 95, "ph"}, {96, 96, "th"}, {97, 97, "wr"},
    {98, 98, "pth"},
}, {{0, 0}, {99, 106}}, nothing);

constexpr auto vowel = pieces<101>({
    {1, 23, "e"},   {24, 44, "i"},  {45, 55, "o"},  {56, 58, "u"},  {59, 61, "y"},
    {62, 63, "ay"}, {64, 65, "ia"}, {66, 66, "ae"}, {67, 67, "ea"}, {68, 68, "ee"},
    {69, 69, "ou"}, {70, 70, "ya"},
}, {{0, 0}, {71, 101}}, "a");

constexpr auto coda = pieces<103>({
    {1, 17, "n"},   {18, 28, "r"},  {29, 34, "s"},  {35, 39, "l"},  {40, 42, "k"},
    {43, 45, "m"},  {46, 47, "d"},  {48, 49, "p"},  {50, 51, "rr"}, {52, 52, "b"},
    {53, 53, "f"},  {54, 54, "j"},  {55, 55, "x"},  {56, 56, "nt"}, {57, 57, "rn"},
    {58, 58, "rs"}, {59, 59, "th"}, {60, 60, "tt"}, {61, 61, "lst"},
}, {{0, 0}, {62, 103}}, nothing);

}  // namespace

void Nombre_Cularin(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    const auto plain_syllable = [&](int) { name.syllable(onset, vowel, coda); };
    for (int word = 0; word < shape.words; ++word) {
        if (shape.apostrophe && word > 0)
            name.word_of_fixed_length(syllable_count, 1, plain_syllable);
        else
            name.word(syllable_count, plain_syllable);
        name.append(" ");
        if (shape.apostrophe && word == 1)
            name.append("'");
    }
    name.finish();
}

}  // namespace quelvarinox
