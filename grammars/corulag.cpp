// Corulag: the plain shape; a few two-word names end in " III", after the trim.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool suffix;
};

constexpr auto form = make_table<23>(std::to_array<Range<Form>>({
    {0, 9, {1, false}},
    {10, 21, {2, false}},
    {22, 23, {2, true}},
}));

constexpr auto syllable_count = counts<35>({{0, 7, 1}, {8, 31, 2}, {32, 35, 3}});

constexpr auto onset = pieces<71>({
    {1, 6, "d"},    {7, 11, "b"},   {12, 16, "l"},  {17, 21, "t"},  {22, 25, "g"},
    {26, 29, "j"},  {30, 33, "m"},  {34, 37, "p"},  {38, 41, "s"},  {42, 45, "v"},
    {46, 48, "n"},  {49, 50, "f"},  {51, 52, "h"},  {53, 54, "k"},  {55, 56, "w"},
    {57, 58, "z"},  {59, 60, "fr"}, {61, 61, "c"},  {62, 62, "br"}, {63, 63, "ch"},
    {64, 64, "cr"}, {65, 65, "dr"}, {66, 66, "fl"}, {67, 67, "kl"}, {68, 68, "kr"},
    {69, 69, "st"},
}, {{0, 0}, {70, 71}}, nothing);

constexpr auto vowel = pieces<65>({
    {1, 14, "i"},   {15, 27, "e"},  {28, 38, "o"},  {39, 43, "u"},  {44, 45, "ay"},
    {46, 46, "y"},  {47, 47, "ey"}, {48, 48, "iu"}, {49, 49, "oo"}, {50, 50, "ye"},
}, {{0, 0}, {51, 65}}, "a");

constexpr auto coda = pieces<70>({
    {1, 11, "n"},   {12, 17, "r"},  {18, 22, "s"},  {23, 26, "m"},  {27, 29, "k"},
    {30, 32, "l"},  {33, 34, "nn"}, {35, 35, "c"},  {36, 36, "f"},  {37, 37, "z"},
    {38, 38, "ck"}, {39, 39, "ll"}, {40, 40, "nk"}, {41, 41, "ss"}, {42, 42, "tt"},
    {43, 43, "lln"}, {44, 44, "tts"}, {45, 45, "ttz"},
}, {{0, 0}, {46, 70}}, nothing);

}  // namespace

void Nombre_Corulag(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    name.spaced_words(shape.words, syllable_count, onset, vowel, coda);
    name.finish();
    if (shape.suffix)
        name.append(" III");
}

}  // namespace quelvarinox
