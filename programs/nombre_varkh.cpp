// The Sith lords: one to three words, plain, hyphenated or under the title "Darth ",
// with at most one apostrophe in each word ("Darth Vaeloth", "Krayt Dorr", "Sa'ris-Mordh").
#include <array>

#include "engine/name_builder.h"
#include "programs/order_generators.h"
#include "programs/order_words.h"

namespace quelvarinox::detail {

namespace {

enum class Form {
    plain,              // Aaa Bbb Ccc
    title,              // Darth Aaa
    hyphen_then_space,  // Aaa-Bbb Ccc
    hyphenated,         // Aaa-Bbb
};
using enum Form;

struct Shape {
    Form form;
    int words;
};

constexpr auto shape = make_table<120>(std::to_array<Range<Shape>>({
    {0, 59, {plain, 1}},
    {60, 104, {plain, 2}},
    {105, 115, {title, 1}},
    {116, 116, {plain, 3}},
    {117, 117, {hyphen_then_space, 3}},
    {118, 120, {hyphenated, 2}},
}));

constexpr Shape alternative_shape{title, 1};

constexpr auto syllable_count = counts<170>({{0, 65, 1}, {66, 143, 2}, {144, 166, 3}, {167, 170, 4}});

// A "y" onset turns the vowels "y" and "ya" of its syllable into "a".
constexpr Piece y_onset = "y";

constexpr auto onset = pieces<342>({
    {1, 27, "d"},       {28, 54, "r"},      {55, 78, "n"},      {79, 99, "v"},      {100, 119, "b"},
    {120, 139, "m"},    {140, 157, "k"},    {158, 175, "s"},    {176, 192, "l"},    {193, 207, "g"},
    {208, 222, "j"},    {223, 236, "t"},    {237, 246, "p"},    {247, 252, "z"},    {253, 257, "w"},
    {258, 262, "y"},    {263, 267, "sh"},   {268, 272, "th"},   {273, 276, "c"},    {277, 280, "x"},
    {281, 283, "f"},    {284, 286, "h"},    {287, 289, "br"},   {290, 292, "dr"},   {293, 295, "gr"},
    {296, 297, "ch"},   {298, 299, "cr"},   {300, 301, "kr"},   {302, 303, "tr"},   {304, 304, "q"},
    {305, 305, "bl"},   {306, 306, "bh"},   {307, 307, "bw"},   {308, 308, "dl"},   {309, 309, "dh"},
    {310, 310, "dw"},   {311, 311, "fl"},   {312, 312, "fr"},   {313, 313, "gh"},   {314, 314, "gl"},
    {315, 315, "gw"},   {316, 316, "ll"},   {317, 317, "kv"},   {318, 318, "pl"},   {319, 319, "pr"},
    {320, 320, "sk"},   {321, 321, "tl"},   {322, 322, "bth"},  {323, 323, "dth"},  {324, 324, "gth"},
}, {{0, 0}, {325, 342}}, nothing);

// Drawn before and after every vowel: value 1 places an apostrophe, once in a word.
constexpr auto apostrophe_chance = make_table<170>(std::to_array<Range<bool>>({{1, 1, true}}), {{0, 0}, {2, 170}}, false);

// The apostrophe stands in for a vowel once in a word.
constexpr auto vowel = pieces<300>({
    {1, 46, "e"},            {47, 89, "o"},           {90, 130, "i"},          {131, 146, "u"},         {147, 154, "y"},
    {155, 158, "aa"},        {159, 162, "ia"},        {163, 165, "au"},        {166, 167, "ai"},        {168, 169, "ao"},
    {170, 171, "io"},        {172, 173, "uu"},        {174, 174, nothing},     {175, 175, apostrophe},  {176, 176, "ay"},
    {177, 177, "ei"},        {178, 178, "ii"},        {179, 179, "iu"},        {180, 180, "oa"},        {181, 181, "oi"},
    {182, 182, "oo"},        {183, 183, "oy"},        {184, 184, "ua"},        {185, 185, "ya"},        {186, 186, "iou"},
    {187, 187, "uui"},
}, {{0, 0}, {188, 300}}, "a");

constexpr auto coda = pieces<322>({
    {1, 31, "n"},       {32, 55, "r"},      {56, 74, "l"},      {75, 92, "s"},      {93, 104, "bh"},
    {105, 111, "th"},   {112, 117, "m"},    {118, 123, "ll"},   {124, 129, "ss"},   {130, 133, "d"},
    {134, 137, "z"},    {138, 140, "g"},    {141, 143, "c"},    {144, 146, "k"},    {147, 149, "nn"},
    {150, 152, "rr"},   {153, 154, "b"},    {155, 156, "x"},    {157, 158, "f"},    {159, 160, "sh"},
    {161, 162, "bbs"},  {163, 163, "p"},    {164, 164, "t"},    {165, 165, "h"},    {166, 166, "dd"},
    {167, 167, "cr"},   {168, 168, "ks"},   {169, 169, "ps"},   {170, 170, "ts"},   {171, 171, "xx"},
    {172, 172, "ff"},   {173, 173, "lk"},   {174, 174, "nd"},   {175, 175, "ng"},   {176, 176, "ns"},
    {177, 177, "rb"},   {178, 178, "rn"},   {179, 179, "sk"},   {180, 180, "sm"},   {181, 181, "st"},
    {182, 182, "tth"},  {183, 183, "lph"},  {184, 184, "lst"},  {185, 185, "ndl"},  {186, 186, "rth"},
    {187, 187, "wff"},
}, {{0, 0}, {188, 322}}, nothing);

constexpr Joining joining_of(Form form)
{
    switch (form) {
    case plain: return Joining::spaced;
    case hyphenated: return Joining::hyphenated;
    case hyphen_then_space: return Joining::hyphen_then_space;
    case title: break;
    }
    return Joining::none;
}

// The apostrophe of a chance is never capitalised: a word may begin "'A".
void apostrophe_after_chance(NameBuilder& name, bool& apostrophe_used)
{
    if (name.draw(apostrophe_chance) && !apostrophe_used) {
        name.append(apostrophe);
        apostrophe_used = true;
    }
}

void syllable(NameBuilder& name, bool& apostrophe_used)
{
    const bool after_y = name.onset(onset) == y_onset;
    apostrophe_after_chance(name, apostrophe_used);
    Piece drawn = name.draw(vowel);
    if (after_y && (drawn == "y" || drawn == "ya"))
        drawn = "a";
    else
        drawn = apostrophe_once(drawn, apostrophe_used);
    // The empty vowel leaves the capital to the next onset or vowel of the word.
    name.put(drawn);
    apostrophe_after_chance(name, apostrophe_used);
    name.coda(coda);
}

void build_name(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Shape chosen = name.draw_form(shape, alternative_shape);
    for (int word = 0; word < chosen.words; ++word) {
        // The title form has a single word, so its title can stand first from the start.
        if (chosen.form == title)
            name.append("Darth ");
        bool apostrophe_used = false;
        order_word(name, syllable_count, [&](int) { syllable(name, apostrophe_used); },
                   separator_after(joining_of(chosen.form), word + 1));
    }
    name.trim_one_of(" -");
    name.hand_over();
}

}  // namespace

// When every piece of the words comes out empty there is no name to show, only
// perhaps a bare title: the whole call is made again, from its own reseed.
void Nombre_varkh(GenerationContext& ctx, std::string& Text1)
{
    do
        build_name(ctx, Text1);
    while (Text1.empty() || Text1 == "Darth");
}

}  // namespace quelvarinox::detail
