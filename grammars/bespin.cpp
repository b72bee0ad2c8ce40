// Bespin: one or two plain words, three words with the first two hyphenated, or
// two words joined by "Mc" with the second in lower case ("Dorin Mcavel"); any
// word may open with an apostrophe prefix ("d'Avor"). One rare one-word form, and
// every name in the alternative mode, ends with a compound epithet.
#include <array>
#include <cstddef>
#include <string_view>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

// What follows each word; a trailing space is trimmed before the compound.
struct Form {
    int words;
    std::array<std::string_view, 3> after;
    bool second_in_lower_case;
    bool compound;
};

constexpr auto form = make_table<39>(std::to_array<Range<Form>>({
    {0, 16, {1, {" "}, false, false}},
    {17, 35, {2, {" ", " "}, false, false}},
    {36, 36, {1, {""}, false, true}},
    {37, 37, {3, {"-", " ", " "}, false, false}},
    {38, 39, {2, {" Mc", ""}, true, false}},
}));

constexpr Form alternative_form{1, {""}, false, true};

constexpr auto syllable_count = counts<61>({{0, 20, 1}, {21, 50, 2}, {51, 59, 3}, {60, 61, 4}});

constexpr auto prefixed = make_table<61>(std::to_array<Range<bool>>({{1, 1, true}}), {{0, 0}, {2, 61}}, false);

constexpr auto onset = pieces<121>({
    {1, 12, "l"},     {13, 22, "r"},    {23, 30, "m"},    {31, 38, "t"},    {39, 45, "d"},
    {46, 52, "n"},    {53, 58, "s"},    {59, 63, "b"},    {64, 68, "c"},    {69, 73, "k"},
    {74, 78, "p"},    {79, 82, "g"},    {83, 85, "j"},    {86, 87, "f"},    {88, 89, "h"},
    {90, 91, "w"},    {92, 93, "z"},    {94, 95, "bl"},   {96, 97, "tr"},   {98, 98, "v"},
    {99, 99, "br"},   {100, 100, "cl"}, {101, 101, "dr"}, {102, 102, "gr"}, {103, 103, "ph"},
    {104, 104, "rh"}, {105, 105, "sg"}, {106, 106, "th"}, {107, 107, "vr"}, {108, 108, "str"},
    {109, 109, "thr"},
}, {{0, 0}, {110, 121}}, nothing);

// The apostrophe of 79 is a vowel like the others.
constexpr auto vowel = pieces<112>({
    {1, 23, "e"},   {24, 42, "o"},  {43, 57, "i"},  {58, 63, "u"},  {64, 67, "y"},
    {68, 72, "ee"}, {73, 74, "ea"}, {75, 76, "ia"}, {77, 78, "oo"}, {79, 79, "'"},
    {80, 80, "ai"}, {81, 81, "au"}, {82, 82, "ay"}, {83, 83, "ie"}, {84, 84, "oi"},
    {85, 85, "ou"}, {86, 86, "ue"},
}, {{0, 0}, {87, 112}}, "a");

constexpr auto coda = pieces<114>({
    {1, 12, "n"},   {13, 21, "r"},  {22, 30, "s"},  {31, 38, "l"},  {39, 45, "m"},
    {46, 47, "c"},  {48, 49, "v"},  {50, 51, "nn"}, {52, 53, "rr"}, {54, 55, "ss"},
    {56, 56, "b"},  {57, 57, "d"},  {58, 58, "p"},  {59, 59, "w"},  {60, 60, "ff"},
    {61, 61, "gg"}, {62, 62, "hn"}, {63, 63, "ll"}, {64, 64, "nr"}, {65, 65, "nt"},
    {66, 66, "rk"}, {67, 67, "rl"}, {68, 68, "ts"}, {69, 69, "css"},
}, {{0, 0}, {70, 114}}, nothing);

}  // namespace

void Nombre_Bespin(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw_form(form, alternative_form);
    for (int word = 0; word < shape.words; ++word) {
        const bool capitalized = !(word == 1 && shape.second_in_lower_case);
        name.word(syllable_count, [&](int index) {
            // The prefix draw comes after the syllable count, before the first syllable.
            if (index == 0 && name.draw(prefixed))
                name.apostrophe_prefix(onset, vowel, coda);
            name.syllable(onset, vowel, coda);
        }, capitalized);
        name.append(shape.after[static_cast<std::size_t>(word)]);
    }
    name.finish(shape.compound);
}

}  // namespace quelvarinox
