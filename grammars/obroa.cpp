// Obroa-skai: one or two plain words, or three joined by hyphens, the first two
// a single lower-case syllable each ("ba-ko-Dremal").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    Piece joiner;
};

constexpr Piece hyphen = "-";

constexpr auto form = make_table<10>(std::to_array<Range<Form>>({
    {0, 4, {1, " "}},
    {5, 8, {2, " "}},
    {9, 10, {3, hyphen}},
}));

constexpr auto syllable_count = counts<14>({{0, 3, 1}, {4, 11, 2}, {12, 14, 3}});

constexpr auto onset = pieces<35>({
    {1, 3, "b"},    {4, 6, "d"},    {7, 9, "j"},    {10, 12, "t"},  {13, 14, "g"},
    {15, 16, "k"},  {17, 18, "l"},  {19, 20, "m"},  {21, 22, "p"},  {23, 24, "kr"},
    {25, 25, "n"},  {26, 26, "r"},  {27, 27, "s"},  {28, 28, "z"},  {29, 29, "br"},
    {30, 30, "dr"}, {31, 31, "gr"}, {32, 32, "st"}, {33, 33, "tl"},
}, {{0, 0}, {34, 35}}, nothing);

constexpr auto vowel = pieces<28>({
    {1, 7, "a"}, {8, 14, "e"}, {15, 16, "ia"}, {17, 17, "ei"},
}, {{0, 0}, {18, 28}}, "o");

constexpr auto coda = pieces<33>({
    {1, 3, "n"},    {4, 6, "r"},    {7, 8, "k"},    {9, 10, "l"},   {11, 12, "m"},
    {13, 14, "s"},  {15, 15, "d"},  {16, 16, "z"},  {17, 17, "ck"}, {18, 18, "lk"},
    {19, 19, "ls"}, {20, 20, "nn"}, {21, 21, "ss"},
}, {{0, 0}, {22, 33}}, nothing);

}  // namespace

void Nombre_Obroa(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    const auto plain_syllable = [&](int) { name.syllable(onset, vowel, coda); };
    for (int word = 0; word < shape.words; ++word) {
        // In the hyphenated form only the last word is a full, capitalised word.
        if (shape.joiner == hyphen && word < 2)
            name.word_of_fixed_length(syllable_count, 1, plain_syllable, false);
        else
            name.word(syllable_count, plain_syllable);
        name.append(shape.joiner);
    }
    // The joiner behind the last word is the one trailing separator.
    name.trim_one(shape.joiner.front());
}

}  // namespace quelvarinox
