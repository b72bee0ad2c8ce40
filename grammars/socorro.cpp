// Socorro: one to three words; the last may be fused to a leading "De", and a
// coda may stand behind an apostrophe ("Lima DeKa'rro").
#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto word_count = counts<25>({{0, 2, 1}, {3, 23, 2}, {24, 25, 3}});

// Drawn before every word; only the last word takes it.
constexpr auto particle = pieces<22>({{1, 1, "De"}}, {{0, 0}, {2, 22}}, nothing);

constexpr auto syllable_count = counts<44>({{0, 9, 1}, {10, 34, 2}, {35, 44, 3}});

constexpr auto onset = pieces<104>({
    {1, 9, "l"},    {10, 15, "d"},  {16, 21, "m"},  {22, 27, "n"},  {28, 32, "b"},
    {33, 37, "c"},  {38, 42, "k"},  {43, 47, "p"},  {48, 52, "t"},  {53, 56, "g"},
    {57, 60, "r"},  {61, 64, "s"},  {65, 68, "z"},  {69, 71, "h"},  {72, 74, "v"},
    {75, 76, "f"},  {77, 78, "w"},  {79, 80, "ch"}, {81, 82, "dr"}, {83, 84, "th"},
    {85, 85, "j"},  {86, 86, "q"},  {87, 87, "br"}, {88, 88, "gr"}, {89, 89, "hh"},
    {90, 90, "ll"}, {91, 91, "pr"}, {92, 92, "sh"}, {93, 93, "tr"},
}, {{0, 0}, {94, 104}}, nothing);

constexpr auto vowel = pieces<89>({
    {1, 23, "a"},   {24, 33, "i"},  {34, 41, "o"},  {42, 46, "u"},  {47, 49, "y"},
    {50, 51, "ia"}, {52, 53, "ii"}, {54, 54, "aa"}, {55, 55, "ae"}, {56, 56, "ai"},
    {57, 57, "au"}, {58, 58, "ee"}, {59, 59, "ei"}, {60, 60, "io"}, {61, 61, "oa"},
    {62, 62, "ua"}, {63, 63, "uy"}, {64, 64, "ieu"}, {65, 65, "yia"},
}, {{0, 0}, {66, 89}}, "e");

constexpr auto coda = pieces<94>({
    {1, 10, "n"},   {11, 17, "l"},  {18, 24, "r"},  {25, 29, "m"},  {30, 32, "s"},
    {33, 34, "nd"}, {35, 35, "d"},  {36, 36, "h"},  {37, 37, "p"},  {38, 38, "z"},
    {39, 39, "ch"}, {40, 40, "ck"}, {41, 41, "lg"}, {42, 42, "ll"}, {43, 43, "nn"},
    {44, 44, "ns"}, {45, 45, "rl"}, {46, 46, "rr"}, {47, 47, "rs"}, {48, 48, "rt"},
    {49, 49, "tt"}, {50, 50, "rrs"},
}, {{0, 0}, {51, 94}}, nothing);

// Drawn only behind a coda that is not empty; stands between vowel and coda.
constexpr auto apostrophe = pieces<44>({{1, 1, "'"}}, {{0, 0}, {2, 44}}, nothing);

}  // namespace

void Nombre_Socorro(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const int words = name.draw(word_count);
    for (int word = 0; word < words; ++word) {
        const auto before = name.draw(particle);
        if (word == words - 1)
            name.append(before);
        name.word(syllable_count, [&](int) {
            name.onset(onset);
            name.vowel(vowel);
            const auto ending = name.draw(coda);
            if (!ending.empty())
                name.append(name.draw(apostrophe));
            name.append(ending);
        });
        name.append(" ");
    }
    name.finish();
}

}  // namespace quelvarinox
