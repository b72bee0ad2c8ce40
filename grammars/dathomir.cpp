// Dathomir: one to three plain words; only the first word can have more than one
// syllable.
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<29>({{0, 21, 1}, {22, 27, 2}, {28, 29, 3}});

constexpr auto syllable_count = counts<30>({{0, 3, 1}, {4, 19, 2}, {20, 30, 3}});

constexpr auto onset = pieces<79>({
    {1, 10, "r"},   {11, 18, "n"},  {19, 25, "l"},  {26, 30, "b"},  {31, 35, "k"},
    {36, 40, "t"},  {41, 44, "m"},  {45, 48, "p"},  {49, 51, "d"},  {52, 54, "v"},
    {55, 56, "f"},  {57, 58, "g"},  {59, 60, "s"},  {61, 62, "z"},  {63, 64, "sh"},
    {65, 65, "w"},  {66, 66, "dj"}, {67, 67, "gh"}, {68, 68, "gt"}, {69, 69, "gw"},
    {70, 70, "th"},
}, {{0, 0}, {71, 79}}, nothing);

constexpr auto vowel = pieces<72>({
    {1, 17, "e"},   {18, 25, "i"},  {26, 33, "o"},  {34, 38, "ya"}, {39, 40, "ai"},
    {41, 42, "y"},  {43, 43, "au"}, {44, 44, "u"},  {45, 45, "ee"}, {46, 46, "ie"},
    {47, 47, "io"}, {48, 48, "oo"}, {49, 49, "yo"},
}, {{0, 0}, {50, 72}}, "a");

constexpr auto coda = pieces<72>({
    {1, 8, "n"},    {9, 12, "l"},   {13, 16, "th"}, {17, 19, "ll"}, {20, 21, "s"},
    {22, 22, "k"},  {23, 23, "m"},  {24, 24, "r"},  {25, 25, "z"},  {26, 26, "nn"},
}, {{0, 0}, {27, 72}}, nothing);

}  // namespace

void Nombre_Dathomir(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const int words = name.draw(word_count);
    const auto plain_syllable = [&](int) { name.syllable(onset, vowel, coda); };
    for (int word = 0; word < words; ++word) {
        if (word == 0)
            name.word(syllable_count, plain_syllable);
        else
            name.word_of_fixed_length(syllable_count, 1, plain_syllable);
        name.append(" ");
    }
    name.finish();
}

}  // namespace quelvarinox
