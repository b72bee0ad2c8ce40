// Coruscant: one to four plain words; a few one-word names, and every name in the
// alternative mode, end with a compound epithet.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool compound;
};

constexpr auto form = make_table<105>(std::to_array<Range<Form>>({
    {0, 25, {1, false}},
    {26, 99, {2, false}},
    {100, 101, {3, false}},
    {102, 103, {4, false}},
    {104, 105, {1, true}},
}));

constexpr Form alternative_form{1, true};

constexpr auto syllable_count = counts<180>({{0, 29, 1}, {30, 138, 2}, {139, 176, 3}, {177, 180, 4}});

// "pr" has two places, 364-366 and 381.
constexpr auto onset = pieces<417>({
    {1, 35, "d"},     {36, 68, "l"},    {69, 101, "n"},   {102, 133, "r"},  {134, 157, "t"},
    {158, 180, "g"},  {181, 202, "b"},  {203, 224, "m"},  {225, 243, "k"},  {244, 259, "s"},
    {260, 274, "p"},  {275, 288, "c"},  {289, 301, "v"},  {302, 313, "h"},  {314, 321, "f"},
    {322, 329, "w"},  {330, 337, "th"}, {338, 344, "z"},  {345, 351, "sh"}, {352, 358, "tr"},
    {359, 363, "j"},  {364, 366, "pr"}, {367, 368, "bl"}, {369, 370, "br"}, {371, 372, "ll"},
    {373, 373, "q"},  {374, 374, "cr"}, {375, 375, "dh"}, {376, 376, "dr"}, {377, 377, "gh"},
    {378, 378, "kl"}, {379, 379, "kr"}, {380, 380, "ph"}, {381, 381, "pr"}, {382, 382, "sk"},
    {383, 383, "sl"}, {384, 384, "sp"}, {385, 385, "st"},
}, {{0, 0}, {386, 417}}, nothing);

// "e" has two places, 1-73 and 249-250.
constexpr auto vowel = pieces<374>({
    {1, 73, "e"},     {74, 143, "i"},   {144, 194, "o"},  {195, 207, "u"},  {208, 218, "y"},
    {219, 224, "ee"}, {225, 229, "ey"}, {230, 233, "ie"}, {234, 236, "ai"}, {237, 239, "ay"},
    {240, 242, "ia"}, {243, 245, "oo"}, {246, 248, "ya"}, {249, 250, "e"},  {251, 252, "au"},
    {253, 253, "ei"}, {254, 254, "eo"}, {255, 255, "eu"}, {256, 256, "io"}, {257, 257, "ou"},
    {258, 258, "yo"},
}, {{0, 0}, {259, 374}}, "a");

constexpr auto coda = pieces<384>({
    {1, 46, "n"},     {47, 74, "r"},    {75, 97, "l"},    {98, 118, "s"},   {119, 128, "m"},
    {129, 135, "t"},  {136, 139, "c"},  {140, 143, "p"},  {144, 146, "f"},  {147, 149, "k"},
    {150, 152, "z"},  {153, 155, "nn"}, {156, 158, "rn"}, {159, 161, "ss"}, {162, 163, "b"},
    {164, 165, "d"},  {166, 167, "g"},  {168, 169, "j"},  {170, 171, "v"},  {172, 173, "ld"},
    {174, 175, "ll"}, {176, 177, "nt"}, {178, 179, "rd"}, {180, 181, "ts"}, {182, 182, "q"},
    {183, 183, "w"},  {184, 184, "x"},  {185, 185, "dt"}, {186, 186, "ff"}, {187, 187, "ng"},
    {188, 188, "rg"}, {189, 189, "rk"}, {190, 190, "rr"}, {191, 191, "rt"}, {192, 192, "th"},
    {193, 193, "tt"}, {194, 194, "ws"}, {195, 195, "wz"}, {196, 196, "xx"}, {197, 197, "nnl"},
    {198, 198, "tsn"},
}, {{0, 0}, {199, 384}}, nothing);

}  // namespace

void Nombre_Coruscant(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw_form(form, alternative_form);
    name.spaced_words(shape.words, syllable_count, onset, vowel, coda);
    name.finish(shape.compound);
}

}  // namespace quelvarinox
