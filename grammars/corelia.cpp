// Corelia: six forms of name. Besides plain names of one to three words there are
// three-word names with an apostrophe ("Doran Ke 'Valis"), with a one-syllable
// word fused to the third ("Doran KeValis"), with a hyphen ("Doran Kel-Valis"),
// two-word names with "Mc" and a lower-case second word ("Doran Mcvalis"), and
// three-word names whose middle word is a bare lower-case vowel group
// ("Doran ia Valis").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    // What is appended after the first, second and third word.
    std::array<Piece, 3> after;
    // The second word starts with its capitalisation flag cleared.
    bool second_in_lower_case = false;
    // The second word has one syllable whatever its count draw gives.
    bool second_of_one_syllable = false;
    // The second word's onsets and codas are drawn and dropped: only its vowel shows.
    bool second_bare_vowel = false;
};

constexpr auto form = make_table<195>(std::to_array<Range<Form>>({
    {0, 52, {.words = 1, .after = {" ", " ", " "}}},
    {53, 181, {.words = 2, .after = {" ", " ", " "}}},
    {182, 183, {.words = 3, .after = {" ", " ", " "}}},
    {184, 188, {.words = 3, .after = {" ", " '", ""}, .second_of_one_syllable = true}},
    {189, 190, {.words = 3, .after = {" ", "", ""}, .second_of_one_syllable = true}},
    {191, 192, {.words = 3, .after = {" ", "-", " "}}},
    {193, 193, {.words = 2, .after = {" Mc", "", ""}, .second_in_lower_case = true}},
    {194, 195, {.words = 3,
                .after = {" ", " ", " "},
                .second_in_lower_case = true,
                .second_of_one_syllable = true,
                .second_bare_vowel = true}},
}));

constexpr auto syllable_count = counts<316>({{0, 79, 1}, {80, 279, 2}, {280, 312, 3}, {313, 316, 4}});

// 573-579 give nothing; "tr" has two places, 559 and 580-581.
constexpr auto onset = pieces<623>({
    {1, 59, "r"},     {60, 109, "n"},   {110, 156, "l"},  {157, 198, "d"},  {199, 232, "t"},
    {233, 263, "b"},  {264, 294, "s"},  {295, 324, "k"},  {325, 354, "m"},  {355, 383, "g"},
    {384, 408, "p"},  {409, 433, "v"},  {434, 453, "f"},  {454, 472, "c"},  {473, 490, "j"},
    {491, 503, "h"},  {504, 513, "z"},  {514, 523, "sh"}, {524, 533, "th"}, {534, 539, "w"},
    {540, 544, "ch"}, {545, 548, "fl"}, {549, 552, "gr"}, {553, 555, "bl"}, {556, 558, "kr"},
    {559, 559, "tr"}, {560, 560, "fr"}, {561, 561, "gl"}, {562, 562, "kh"}, {563, 563, "kw"},
    {564, 564, "ll"}, {565, 565, "pr"}, {566, 566, "sk"}, {567, 567, "sp"}, {568, 568, "st"},
    {569, 569, "vr"}, {570, 570, "wr"}, {571, 571, "shr"}, {572, 572, "thr"},
    {580, 581, "tr"}, {582, 583, "sn"}, {584, 584, "br"}, {585, 585, "ck"}, {586, 586, "cl"},
    {587, 587, "cr"}, {588, 588, "dl"}, {589, 589, "dr"},
}, {{0, 0}, {573, 579}, {590, 623}}, nothing);

// The vowel table holds an apostrophe (402-403), which spends a word's capital
// unchanged when it comes first.
constexpr auto vowel = pieces<595>({
    {1, 125, "e"},    {126, 217, "o"},  {218, 305, "i"},  {306, 333, "u"},  {334, 353, "y"},
    {354, 364, "ia"}, {365, 370, "ie"}, {371, 376, "ya"}, {377, 381, "aa"}, {382, 385, "ai"},
    {386, 389, "ee"}, {390, 392, "ay"}, {393, 395, "ea"}, {396, 398, "ei"}, {399, 401, "ey"},
    {402, 403, "'"},  {404, 405, "ae"}, {406, 407, "au"}, {408, 409, "io"}, {410, 411, "oo"},
    {412, 413, "ue"}, {414, 415, "yo"}, {416, 416, "ao"}, {417, 417, "eu"}, {418, 418, "ii"},
    {419, 419, "oa"}, {420, 420, "ye"}, {421, 421, "aeo"}, {422, 422, "yoo"},
}, {{0, 0}, {423, 595}}, "a");

constexpr auto coda = pieces<634>({
    {1, 73, "n"},     {74, 133, "r"},   {134, 180, "l"},  {181, 213, "s"},  {214, 243, "m"},
    {244, 255, "d"},  {256, 267, "k"},  {268, 277, "z"},  {278, 285, "t"},  {286, 292, "g"},
    {293, 299, "x"},  {300, 305, "b"},  {306, 311, "p"},  {312, 316, "ss"}, {317, 320, "h"},
    {321, 324, "v"},  {325, 328, "ll"}, {329, 332, "rn"}, {333, 335, "c"},  {336, 338, "nn"},
    {339, 341, "rr"}, {342, 343, "f"},  {344, 345, "ls"}, {346, 347, "nt"}, {348, 349, "rt"},
    {350, 350, "w"},  {351, 351, "cc"}, {352, 352, "ck"}, {353, 353, "dr"}, {354, 354, "ds"},
    {355, 355, "gg"}, {356, 356, "hn"}, {357, 357, "kk"}, {358, 358, "ld"}, {359, 359, "mr"},
    {360, 360, "nc"}, {361, 361, "nd"}, {362, 362, "ng"}, {363, 363, "ps"}, {364, 364, "rk"},
    {365, 365, "rl"}, {366, 366, "rm"}, {367, 367, "rs"}, {368, 368, "sk"}, {369, 369, "th"},
    {370, 370, "tt"}, {371, 371, "vr"}, {372, 372, "lch"}, {373, 373, "mms"}, {374, 374, "nnl"},
    {375, 375, "nth"}, {376, 376, "rth"},
}, {{0, 0}, {377, 634}}, nothing);

}  // namespace

void Nombre_Corelia(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw(form);
    const auto plain_syllable = [&](int) { name.syllable(onset, vowel, coda); };
    const auto bare_vowel = [&](int) {
        name.draw(onset);
        name.put(name.draw(vowel), Capital::never);
        name.draw(coda);
    };
    for (int word = 0; word < shape.words; ++word) {
        const bool second = word == 1;
        const bool capitalized = !(second && shape.second_in_lower_case);
        if (second && shape.second_bare_vowel)
            name.word_of_fixed_length(syllable_count, 1, bare_vowel, capitalized);
        else if (second && shape.second_of_one_syllable)
            name.word_of_fixed_length(syllable_count, 1, plain_syllable, capitalized);
        else
            name.word(syllable_count, plain_syllable, capitalized);
        name.append(shape.after[static_cast<std::size_t>(word)]);
    }
    name.finish();
}

}  // namespace quelvarinox
