// The Jedi: seven shapes of name, from one word to three, hyphenated words, two
// initials before a name and a name or a bare epithet ending in a compound
// ("Koro Tahn", "Vel-Daro Sinn", "A.K. Doleen", "Lenn Skywalker", "The Darkstar").
#include <array>

#include "engine/name_builder.h"
#include "programs/order_generators.h"
#include "programs/order_words.h"
#include "text/compuesto.h"
#include "text/pideletra.h"

namespace quelvarinox::detail {

namespace {

enum class Pattern {
    spaced,             // Aaa Bbb Ccc
    epithet,            // Aaa and its compound, or the compound alone
    hyphen_then_space,  // Aaa-Bbb Ccc
    lower_second,       // Aaa-bbb Ccc
    hyphenated,         // Aaa-Bbb-Ccc
    initials,           // A.B. Ccc
};
using enum Pattern;

struct Shape {
    Pattern pattern;
    int words;
};

// Two rows, apart, both give three words joined by a hyphen and then a space.
constexpr auto shape = make_table<331>(std::to_array<Range<Shape>>({
    {0, 85, {spaced, 1}},
    {86, 275, {spaced, 2}},
    {276, 294, {hyphen_then_space, 3}},
    {295, 302, {epithet, 1}},
    {303, 310, {hyphen_then_space, 3}},
    {311, 317, {spaced, 3}},
    {318, 323, {hyphen_then_space, 2}},
    {324, 326, {epithet, 0}},
    {327, 327, {lower_second, 3}},
    {328, 328, {hyphenated, 3}},
    {329, 329, {initials, 0}},
    {330, 331, {initials, 1}},
}));

constexpr Shape alternative_shape{epithet, 1};

constexpr auto syllable_count = counts<33>({{0, 18, 1}, {19, 31, 2}, {32, 33, 3}});

constexpr auto onset = make_table<1140>(std::to_array<Range<Piece>>({
    {0, 89, "n"},         {90, 177, nothing},   {178, 262, "d"},      {263, 346, "l"},      {347, 416, "t"},
    {417, 486, "s"},      {487, 546, "k"},      {547, 606, "m"},      {607, 655, "j"},      {656, 695, "b"},
    {696, 733, "v"},      {734, 763, "g"},      {764, 790, "h"},      {791, 816, "w"},      {817, 841, "p"},
    {842, 864, "c"},      {865, 865, "r"},      {866, 885, "f"},      {886, 900, "ch"},     {901, 914, "sh"},
    {915, 927, "z"},      {928, 937, "th"},     {938, 946, "dr"},     {947, 955, "q"},      {956, 963, "tr"},
    {964, 971, "x"},      {972, 977, "br"},     {978, 982, "rh"},     {983, 986, "ll"},     {987, 989, "gr"},
    {990, 992, "cl"},     {993, 994, "dj"},     {995, 996, "gh"},     {997, 998, "gl"},     {999, 1000, "kl"},
    {1001, 1002, "kr"},   {1003, 1004, "cr"},   {1005, 1006, "thr"},  {1007, 1008, "sl"},   {1009, 1010, "sn"},
    {1011, 1012, "st"},   {1013, 1013, "bw"},   {1014, 1014, "gw"},   {1015, 1015, "dw"},   {1016, 1016, "pl"},
    {1017, 1017, "pr"},   {1018, 1018, "tn"},   {1019, 1019, "kh"},   {1020, 1020, "tl"},   {1021, 1021, "cl"},
    {1022, 1022, "fr"},   {1023, 1023, "ph"},   {1024, 1024, "j"},    {1025, 1025, "vl"},   {1026, 1026, "vr"},
    {1027, 1027, "mr"},   {1028, 1028, "nr"},   {1029, 1029, "wr"},   {1030, 1030, "sk"},   {1031, 1031, "str"},
    {1032, 1032, "sv"},   {1033, 1033, "sw"},   {1034, 1034, "zl"},   {1035, 1036, "zq"},   {1037, 1037, "zt"},
    {1038, 1038, "zk"},   {1039, 1140, "r"},
}));

// The apostrophe stands in for a vowel once in a name.
constexpr auto vowel = make_table<1076>(std::to_array<Range<Piece>>({
    {0, 165, "i"},           {166, 330, "e"},         {331, 467, "o"},         {468, 539, "u"},         {540, 567, "y"},
    {568, 583, "ia"},        {584, 598, "ee"},        {599, 608, "aa"},        {609, 617, "ay"},        {618, 626, "oo"},
    {627, 634, "ae"},        {635, 642, "ya"},        {643, 649, "ai"},        {650, 656, "ei"},        {657, 663, "ie"},
    {664, 669, "yo"},        {670, 670, "a"},         {671, 675, "au"},        {676, 679, "ey"},        {680, 682, "io"},
    {683, 684, apostrophe},  {685, 686, "iu"},        {687, 688, "oa"},        {689, 690, "ou"},        {691, 692, "ui"},
    {693, 694, "uo"},        {695, 696, "yu"},        {697, 697, nothing},     {698, 698, "ao"},        {699, 699, "aoi"},
    {700, 700, "ea"},        {701, 701, "eo"},        {702, 702, "iie"},       {703, 703, "iy"},        {704, 704, "ua"},
    {705, 705, "ue"},        {706, 706, "uu"},        {707, 707, "ye"},        {708, 1076, "a"},
}));

constexpr auto coda = make_table<1086>(std::to_array<Range<Piece>>({
    {0, 142, "n"},         {143, 213, "r"},       {214, 272, "l"},       {273, 330, "s"},       {331, 348, "m"},
    {349, 364, "k"},       {365, 378, "t"},       {379, 390, "d"},       {391, 400, "p"},       {401, 410, "th"},
    {411, 418, "nn"},      {419, 425, "c"},       {426, 430, "g"},       {431, 435, "v"},       {436, 440, "ll"},
    {441, 445, "m"},       {446, 446, nothing},   {447, 451, "ss"},      {452, 455, "ck"},      {456, 459, "h"},
    {460, 463, "f"},       {464, 466, "b"},       {467, 469, "x"},       {470, 472, "j"},       {473, 475, "rr"},
    {476, 478, "sh"},      {479, 480, "ph"},      {481, 482, "hn"},      {483, 484, "ln"},      {485, 486, "ng"},
    {487, 488, "rd"},      {489, 490, "rs"},      {491, 492, "rsh"},     {493, 494, "rt"},      {495, 495, "ggh"},
    {496, 496, "tl"},      {497, 497, "tt"},      {498, 498, "kk"},      {499, 499, "q"},       {500, 500, "pl"},
    {501, 501, "tl"},      {502, 502, "ff"},      {503, 503, "hh"},      {504, 504, "ht"},      {505, 505, "w"},
    {506, 506, "wh"},      {507, 507, "lk"},      {508, 508, "nd"},      {509, 509, "ns"},      {510, 510, "nt"},
    {511, 511, "nz"},      {512, 512, "rth"},     {513, 513, "st"},      {514, 514, "z"},       {515, 515, "zz"},
    {516, 1086, nothing},
}));

// A bare epithet may be "The Darkstar".
constexpr auto article = pieces<3>({{1, 1, "The "}}, {{0, 0}, {2, 3}}, nothing);

constexpr Joining joining_of(Pattern pattern)
{
    switch (pattern) {
    case spaced: return Joining::spaced;
    case hyphenated: return Joining::hyphenated;
    case hyphen_then_space:
    case lower_second: return Joining::hyphen_then_space;
    case epithet:
    case initials: break;
    }
    return Joining::none;
}

void syllable(NameBuilder& name, bool& apostrophe_used)
{
    name.onset(onset);
    // The empty vowel leaves the capital to the next onset or vowel of the word.
    name.put(apostrophe_once(name.draw(vowel), apostrophe_used));
    name.coda(coda);
}

// The compound epithet. When nothing stands before it, it loses its leading space,
// and the shape with no word of its own then draws whether "The " goes first.
void end_with_compound(NameBuilder& name, bool draws_article)
{
    if (!name.name().empty()) {
        name.compound();
        return;
    }
    GenerationContext& ctx = name.context();
    Compuesto(ctx);
    const std::string alone = ctx.LabelOut.substr(1);
    ctx.LabelOut.clear();
    if (draws_article)
        name.append(name.draw(article));
    name.append(alone);
}

void build_name(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Shape chosen = name.draw_form(shape, alternative_shape);
    if (chosen.pattern == initials) {
        const std::string first = capital_letter(ctx);
        const std::string second = capital_letter(ctx);
        name.append(first + "." + second + ". ");
    }
    bool apostrophe_used = false;
    for (int word = 0; word < chosen.words; ++word) {
        const bool capitalized = !(chosen.pattern == lower_second && word == 1);
        order_word(name, syllable_count, [&](int) { syllable(name, apostrophe_used); },
                   separator_after(joining_of(chosen.pattern), word + 1), capitalized);
    }
    if (chosen.pattern == epithet)
        end_with_compound(name, chosen.words == 0);
    name.trim_one_of(" -");
    name.hand_over();
}

}  // namespace

// When every piece of a name comes out empty there is no name to show: the
// whole call is made again, from its own reseed.
void Nombre_jedi(GenerationContext& ctx, std::string& Text1)
{
    do
        build_name(ctx, Text1);
    while (Text1.empty());
}

}  // namespace quelvarinox::detail
