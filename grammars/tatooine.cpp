// Tatooine: one or two words, the last of a plain name perhaps behind "Mc", words
// that may break into hyphenated parts between syllables, and a one-word form
// that ends with a compound epithet ("Beru Lars", "Dorn-Ahla", "Lenn Skywalker").
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct Form {
    int words;
    bool compound;
};

constexpr auto form = make_table<126>(std::to_array<Range<Form>>({
    {0, 56, {1, false}},
    {57, 110, {2, false}},
    {111, 126, {1, true}},
}));

constexpr Form alternative_form{1, true};

// Drawn before every word; only the last word of a plain name takes it.
constexpr auto particle = pieces<111>({{1, 1, "Mc"}}, {{0, 0}, {2, 111}}, nothing);

constexpr auto syllable_count = counts<168>({{0, 43, 1}, {44, 142, 2}, {143, 168, 3}});

// Drawn before every syllable but a word's first: a hyphen, and after value 3 a
// capitalised part.
enum class Break { none, hyphen, capitalised_hyphen };

constexpr Break no_break = Break::none;

constexpr auto syllable_break = make_table<149>(std::to_array<Range<Break>>({
    {0, 1, Break::hyphen},
    {3, 3, Break::capitalised_hyphen},
}), {{2, 2}, {4, 149}}, no_break);

constexpr auto onset = pieces<358>({
    {1, 31, "l"},      {32, 62, "r"},     {63, 90, "d"},     {91, 113, "n"},    {114, 133, "b"},
    {134, 153, "m"},   {154, 173, "p"},   {174, 193, "t"},   {194, 210, "g"},   {211, 227, "s"},
    {228, 241, "j"},   {242, 251, "h"},   {252, 261, "k"},   {262, 270, "c"},   {271, 279, "v"},
    {280, 288, "w"},   {289, 296, "f"},   {297, 301, "th"},  {302, 304, "z"},   {305, 307, "br"},
    {308, 310, "dr"},  {311, 313, "sh"},  {314, 315, "q"},   {316, 317, "cl"},  {318, 319, "gr"},
    {320, 320, "bl"},  {321, 321, "cr"},  {322, 322, "fl"},  {323, 323, "gl"},  {324, 324, "gw"},
    {325, 325, "jj"},  {326, 326, "kh"},  {327, 327, "ph"},  {328, 328, "pl"},  {329, 329, "pr"},
    {330, 330, "tr"},  {331, 331, "bll"}, {332, 332, "chr"}, {333, 333, "shm"},
}, {{0, 0}, {334, 358}}, nothing);

// The apostrophe at 220 is a vowel of its own; when it takes a word's capital it
// spends it unchanged.
constexpr auto vowel = pieces<315>({
    {1, 73, "e"},      {74, 129, "o"},    {130, 164, "i"},   {165, 179, "u"},   {180, 187, "ee"},
    {188, 191, "ie"},  {192, 194, "y"},   {195, 197, "ay"},  {198, 200, "ey"},  {201, 203, "ou"},
    {204, 205, "ae"},  {206, 207, "ea"},  {208, 209, "ei"},  {210, 211, "eo"},  {212, 213, "ia"},
    {214, 215, "io"},  {216, 217, "ya"},  {218, 219, "yo"},  {220, 220, "'"},   {221, 221, "aa"},
    {222, 222, "ai"},  {223, 223, "aie"}, {224, 224, "eu"},  {225, 225, "eyy"}, {226, 226, "oa"},
    {227, 227, "oe"},  {228, 228, "uoy"},
}, {{0, 0}, {229, 315}}, "a");

// Over 352 every row is reachable and about half the syllables close without a
// coda, as on the other planets.
constexpr auto coda = pieces<352>({
    {1, 41, "n"},      {42, 76, "r"},     {77, 92, "l"},     {93, 104, "m"},    {105, 110, "k"},
    {111, 115, "s"},   {116, 119, "d"},   {120, 123, "p"},   {124, 126, "b"},   {127, 129, "f"},
    {130, 132, "t"},   {133, 135, "nd"},  {136, 138, "nk"},  {139, 141, "th"},  {142, 143, "c"},
    {144, 145, "h"},   {146, 147, "w"},   {148, 149, "nn"},  {150, 151, "rr"},  {152, 153, "tt"},
    {154, 155, "ggs"}, {156, 156, "g"},   {157, 157, "z"},   {158, 158, "ck"},  {159, 159, "ff"},
    {160, 160, "gg"},  {161, 161, "lh"},  {162, 162, "ll"},  {163, 163, "ls"},  {164, 164, "ms"},
    {165, 165, "mt"},  {166, 166, "nf"},  {167, 167, "ns"},  {168, 168, "nt"},  {169, 169, "rm"},
    {170, 170, "rn"},  {171, 171, "rs"},  {172, 172, "rt"},  {173, 173, "sh"},  {174, 174, "ss"},
    {175, 175, "ts"},  {176, 176, "hrr"},
}, {{0, 0}, {177, 352}}, nothing);

void syllable(NameBuilder& name, int index)
{
    if (index > 0) {
        const Break drawn = name.draw(syllable_break);
        if (drawn != Break::none)
            name.append("-");
        if (drawn == Break::capitalised_hyphen)
            name.capitalize_next();
    }
    name.syllable(onset, vowel, coda);
}

}  // namespace

void Nombre_Tatooine(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Form shape = name.draw_form(form, alternative_form);
    for (int word = 0; word < shape.words; ++word) {
        const auto before = name.draw(particle);
        if (word == shape.words - 1 && !shape.compound)
            name.append(before);
        name.word(syllable_count, [&](int index) { syllable(name, index); });
        name.append(" ");
    }
    name.finish(shape.compound);
}

}  // namespace quelvarinox
