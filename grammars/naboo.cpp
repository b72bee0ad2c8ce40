// Naboo: one or two plain words, a word fused to a leading "Du", two words with
// "Du" fused to the second, or three words with the third behind an apostrophe.
// Only the last syllable of the first word may take an accented vowel, and an
// accented vowel is never followed by a coda.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

// What follows each word: a space; " Du" after the first word only; or a space
// after every word but " '" after the second.
enum class Joining { spaced, du_before_second, apostrophe_before_third };

struct Form {
    Joining joining;
    int words;
    Piece start;
};

constexpr auto form = make_table<91>(std::to_array<Range<Form>>({
    {0, 37, {Joining::spaced, 1, nothing}},
    {38, 87, {Joining::spaced, 2, nothing}},
    {88, 88, {Joining::spaced, 1, "Du"}},
    {89, 89, {Joining::du_before_second, 2, nothing}},
    {90, 91, {Joining::apostrophe_before_third, 3, nothing}},
}));

constexpr auto syllable_count = counts<133>({{0, 29, 1}, {30, 107, 2}, {108, 129, 3}, {130, 133, 4}});

constexpr auto onset = pieces<295>({
    {1, 24, "l"},     {25, 47, "r"},    {48, 69, "n"},    {70, 90, "d"},    {91, 110, "t"},
    {111, 130, "m"},  {131, 145, "b"},  {146, 160, "k"},  {161, 175, "p"},  {176, 190, "v"},
    {191, 202, "g"},  {203, 214, "s"},  {215, 222, "h"},  {223, 230, "j"},  {231, 237, "c"},
    {238, 243, "z"},  {244, 247, "ph"}, {248, 251, "sh"}, {252, 254, "f"},  {255, 257, "w"},
    {258, 260, "th"}, {261, 262, "ch"}, {263, 263, "q"},  {264, 264, "x"},  {265, 265, "bl"},
    {266, 266, "br"}, {267, 267, "dl"}, {268, 268, "dr"}, {269, 269, "gl"}, {270, 270, "gr"},
    {271, 271, "kr"}, {272, 272, "pr"}, {273, 273, "rh"}, {274, 274, "st"}, {275, 275, "tr"},
}, {{0, 0}, {276, 295}}, nothing);

struct Vowel {
    Piece piece;
    bool accented;
};

// The fallback vowel, which is also what an accented vowel's values give where
// no accent may stand.
constexpr Vowel plain_a{"a", false};

constexpr auto vowel = make_table<264>(std::to_array<Range<Vowel>>({
    {1, 55, {"e", false}},      {56, 92, {"o", false}},     {93, 116, {"i", false}},
    {117, 128, {"u", false}},   {129, 139, {"é", true}},    {140, 149, {"y", false}},
    {150, 153, {"ia", false}},  {154, 156, {"ee", false}},  {157, 158, {"aa", false}},
    {159, 160, {"ei", false}},  {161, 162, {"ya", false}},  {163, 163, {"ae", false}},
    {164, 164, {"aé", true}},   {165, 165, {"au", false}},  {166, 166, {"ay", false}},
    {167, 167, {"ie", false}},  {168, 168, {"ié", true}},   {169, 169, {"io", false}},
    {170, 170, {"oa", false}},  {171, 171, {"oo", false}},  {172, 172, {"ua", false}},
    {173, 173, {"yo", false}},  {174, 174, {"yu", false}},  {175, 175, {"yoo", false}},
}), {{0, 0}, {176, 264}}, plain_a);

constexpr auto coda = pieces<277>({
    {1, 28, "n"},       {29, 47, "r"},      {48, 61, "l"},      {62, 73, "s"},      {74, 83, "m"},
    {84, 88, "d"},      {89, 91, "b"},      {92, 94, "f"},      {95, 97, "k"},      {98, 100, "ck"},
    {101, 102, "c"},    {103, 104, "g"},    {105, 106, "p"},    {107, 108, "z"},    {109, 110, "ll"},
    {111, 112, "tt"},   {113, 113, "h"},    {114, 114, "t"},    {115, 115, "v"},    {116, 116, "w"},
    {117, 117, "dd"},   {118, 118, "lt"},   {119, 119, "ms"},   {120, 120, "mt"},   {121, 121, "ng"},
    {122, 122, "nn"},   {123, 123, "rl"},   {124, 124, "sh"},   {125, 125, "st"},   {126, 126, "ws"},
    {127, 127, "bbs"},  {128, 128, "nnd"},  {129, 129, "nnt"},  {130, 130, "rsch"},
}, {{0, 0}, {131, 277}}, nothing);

Piece joiner_after(Joining joining, int words_done)
{
    switch (joining) {
    case Joining::spaced:
        return " ";
    case Joining::du_before_second:
        return words_done == 1 ? " Du" : nothing;
    case Joining::apostrophe_before_third:
        return words_done == 2 ? " '" : " ";
    }
    return nothing;
}

}  // namespace

void Nombre_Naboo(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    name.append(shape.start);
    for (int word = 0; word < shape.words; ++word) {
        name.word_of_known_length(syllable_count, [&](int syllable, int syllables) {
            name.onset(onset);
            const Vowel drawn = name.draw(vowel);
            const bool accent = drawn.accented && word == 0 && syllable == syllables - 1;
            name.put(drawn.accented && !accent ? plain_a.piece : drawn.piece);
            const Piece ending = name.draw(coda);
            name.put(accent ? nothing : ending, Capital::never);
        });
        name.append(joiner_after(shape.joining, word + 1));
    }
    name.finish();
}

}  // namespace quelvarinox
