// Demophon: one or two plain words of one or two syllables; a few one-word names,
// and every name in the alternative mode, end with a compound epithet.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool compound;
};

constexpr auto form = make_table<14>(std::to_array<Range<Form>>({
    {0, 1, {1, false}},
    {2, 12, {2, false}},
    {13, 14, {1, true}},
}));

constexpr Form alternative_form{1, true};

constexpr auto syllable_count = counts<24>({{0, 5, 1}, {6, 24, 2}});

constexpr auto onset = pieces<50>({
    {1, 5, "l"},    {6, 9, "d"},    {10, 12, "c"},  {13, 15, "j"},  {16, 18, "p"},
    {19, 21, "t"},  {22, 23, "b"},  {24, 25, "s"},  {26, 27, "v"},  {28, 29, "th"},
    {30, 30, "f"},  {31, 31, "g"},  {32, 32, "k"},  {33, 33, "m"},  {34, 34, "n"},
    {35, 35, "r"},  {36, 36, "w"},  {37, 37, "z"},  {38, 38, "bl"}, {39, 39, "cr"},
    {40, 40, "fl"}, {41, 41, "fr"}, {42, 42, "sh"}, {43, 43, "sk"},
}, {{0, 0}, {44, 50}}, nothing);

constexpr auto vowel = pieces<42>({
    {1, 10, "e"},   {11, 15, "i"},  {16, 20, "o"},  {21, 25, "u"},  {26, 28, "iu"},
    {29, 29, "ee"}, {30, 30, "ey"}, {31, 31, "oa"},
}, {{0, 0}, {32, 42}}, "a");

constexpr auto coda = pieces<45>({
    {1, 8, "r"},    {9, 13, "s"},   {14, 16, "n"},  {17, 18, "d"},  {19, 20, "m"},
    {21, 22, "ck"}, {23, 24, "nt"}, {25, 25, "g"},  {26, 26, "l"},  {27, 27, "z"},
    {28, 28, "hr"}, {29, 29, "ll"}, {30, 30, "rn"}, {31, 31, "ssk"},
}, {{0, 0}, {32, 45}}, nothing);

}  // namespace

void Nombre_Demophon(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw_form(form, alternative_form);
    name.spaced_words(shape.words, syllable_count, onset, vowel, coda);
    name.finish(shape.compound);
}

}  // namespace quelvarinox
