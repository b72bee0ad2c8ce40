// Alderaan: one to three plain words, or three words whose last two are joined by
// a hyphen ("Talen Marik-Doro").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

constexpr auto form = make_table<90>(std::to_array<Range<WordsForm>>({
    {0, 20, {1, {" "}}},
    {21, 85, {2, {" ", " "}}},
    {86, 87, {3, {" ", " ", " "}}},
    {88, 90, {3, {" ", "-", ""}}},
}));

constexpr auto syllable_count = counts<154>({{0, 40, 1}, {41, 127, 2}, {128, 152, 3}, {153, 154, 4}});

constexpr auto onset = pieces<337>({
    {1, 31, "l"},     {32, 56, "n"},    {57, 80, "t"},    {81, 103, "r"},   {104, 123, "d"},
    {124, 143, "m"},  {144, 159, "k"},  {160, 174, "b"},  {175, 189, "c"},  {190, 204, "v"},
    {205, 218, "p"},  {219, 231, "g"},  {232, 242, "s"},  {243, 252, "h"},  {253, 260, "th"},
    {261, 266, "f"},  {267, 272, "q"},  {273, 278, "z"},  {279, 283, "j"},  {284, 288, "w"},
    {289, 292, "ch"}, {293, 295, "pr"}, {296, 298, "sh"}, {299, 301, "tr"}, {302, 302, "cl"},
    {303, 303, "br"}, {304, 304, "dr"}, {305, 305, "gg"}, {306, 306, "gr"}, {307, 307, "hr"},
    {308, 308, "kh"}, {309, 309, "kr"}, {310, 310, "ll"}, {311, 311, "sk"}, {312, 312, "sw"},
    {313, 313, "scr"}, {314, 314, "thr"},
}, {{0, 0}, {315, 337}}, nothing);

// The apostrophe of 178 is a vowel like the others.
constexpr auto vowel = pieces<294>({
    {1, 54, "e"},     {55, 94, "o"},    {95, 129, "i"},   {130, 143, "u"},  {144, 154, "y"},
    {155, 161, "ia"}, {162, 166, "ee"}, {167, 169, "ai"}, {170, 171, "ea"}, {172, 173, "ei"},
    {174, 175, "ey"}, {176, 177, "oo"}, {178, 178, "'"},  {179, 179, "ay"}, {180, 180, "ie"},
    {181, 181, "io"}, {182, 182, "oe"}, {183, 183, "ua"}, {184, 184, "uu"}, {185, 185, "yo"},
    {186, 186, "iee"}, {187, 187, "yie"},
}, {{0, 0}, {188, 294}}, "a");

// 164 gives no coda; "sh" has two places, 153 and 180.
constexpr auto coda = pieces<315>({
    {1, 46, "n"},     {47, 79, "r"},    {80, 99, "m"},    {100, 115, "l"},  {116, 122, "k"},
    {123, 127, "t"},  {128, 131, "c"},  {132, 135, "p"},  {136, 138, "d"},  {139, 140, "b"},
    {141, 142, "g"},  {143, 144, "ll"}, {145, 146, "nd"}, {147, 148, "nn"}, {149, 150, "nt"},
    {151, 152, "rs"}, {153, 153, "sh"}, {154, 154, "v"},  {155, 155, "x"},  {156, 156, "ck"},
    {157, 157, "hn"}, {158, 158, "lh"}, {159, 159, "ln"}, {160, 160, "nk"}, {161, 161, "rd"},
    {162, 162, "st"}, {163, 163, "cht"}, {165, 179, "s"}, {180, 180, "sh"},
}, {{0, 0}, {164, 164}, {181, 315}}, nothing);

}  // namespace

void Nombre_alderaan(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    name.words(name.draw(form), syllable_count, onset, vowel, coda);
    name.finish();
}

}  // namespace quelvarinox
