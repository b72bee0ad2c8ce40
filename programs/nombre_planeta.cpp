// Planet and system names. One draw picks the form of the name; the form decides
// what stands before the invented words (a prefix, "Ord ", a Greek letter, a
// capital and "-") and what follows them (a suffix word, a numeral, a number, a
// number word, digits, a Greek letter, a capital), or replaces them all with a
// catalogue designation.

#include <array>
#include <string>

#include "engine/name_builder.h"
#include "programs/planet_generator.h"
#include "programs/planet_words.h"
#include "text/pideletra.h"

namespace quelvarinox::detail {

namespace {

enum class Form {
    plain = 0,
    suffix_word = 1,
    roman_numeral = 2,
    number = 3,
    designation = 4,
    number_word = 5,
    prefix = 6,
    ord = 7,
    digits = 8,
    greek_before = 9,
    greek_after = 10,
    capital_before = 11,
    capital_after = 12,
    undecided = 13,
};

// What the form draw sets: the form, how many words, what follows each word.
struct Shape {
    Form form = Form::plain;
    int words = 1;
    Piece separator = " ";
};

constexpr auto shape = make_table<2879>(std::to_array<Range<Shape>>({
    {0, 598, {Form::plain, 2, " "}},
    {599, 954, {Form::roman_numeral, 1, " "}},
    {955, 1032, {Form::suffix_word, 1, " "}},
    {1033, 1097, {Form::number, 1, " "}},
    {1098, 1132, {Form::prefix, 1, " "}},
    {1133, 1165, {Form::plain, 2, "-"}},
    {1166, 1197, {Form::ord, 1, " "}},
    {1198, 1221, {Form::number_word, 1, " "}},
    {1222, 1243, {Form::plain, 3, "-"}},
    {1244, 1254, {Form::designation, 0, " "}},
    {1255, 1263, {Form::digits, 1, "-"}},
    {1264, 1265, {Form::greek_before, 1, " "}},
    {1266, 1267, {Form::digits, 1, " "}},
    {1268, 1269, {Form::capital_after, 1, "-"}},
    {1270, 1271, {Form::greek_after, 1, "-"}},
    {1272, 1273, {Form::undecided, 2, " "}},
    {1274, 1274, {Form::capital_after, 1, " "}},
    {1275, 1275, {Form::prefix, 2, " "}},
    {1276, 1276, {Form::plain, 2, "/"}},
    {1277, 1277, {Form::plain, 3, " "}},
    {1278, 1278, {Form::plain, 3, "/"}},
    {1279, 1279, {Form::capital_before, 1, "-"}},
    {1280, 2879, {Form::plain, 1, " "}},
}));

// A prefix row gives a fixed word, a title with two spellings chosen by one more
// Tirada(2), a lower-case letter from Pideletra, or a number from 1 to 101; `text`
// is the word, the title's usual spelling, or what follows the letter or number.
enum class PrefixKind { word, title, letter, number };

struct Prefix {
    PrefixKind kind = PrefixKind::word;
    Piece text;
    Piece spelling_on_one = nothing;
};

constexpr Prefix word(Piece text) { return {PrefixKind::word, text}; }
constexpr Prefix title(Piece on_one, Piece otherwise) { return {PrefixKind::title, otherwise, on_one}; }
constexpr Prefix letter_then(Piece text) { return {PrefixKind::letter, text}; }
constexpr Prefix number_then(Piece text) { return {PrefixKind::number, text}; }

constexpr auto prefix = make_table<67>(std::to_array<Range<Prefix>>({
    {0, 0, word("New ")},
    {1, 8, word("Mon ")},
    {9, 14, word("Port ")},
    {15, 18, word("Nar ")},
    {19, 20, word("Rex ")},
    {21, 22, word("Regina ")},
    {23, 24, word("Province ")},
    {25, 26, word("Proxima ")},
    {27, 28, word("Nal ")},
    {29, 30, word("Nak ")},
    {31, 32, word("Old ")},
    {33, 34, word("Outer ")},
    {35, 35, title("Prince ", "Prince's ")},
    {36, 36, title("Princess' ", "Princess ")},
    {37, 37, title("Empress' ", "Empress ")},
    {38, 38, title("Emperor's ", "Emperor ")},
    {39, 39, word("Great ")},
    {40, 40, word("Greater ")},
    {41, 41, word("Little ")},
    {42, 42, word("Tinyer ")},
    {43, 43, title("King's ", "King ")},
    {44, 44, title("Queen's ", "Queen ")},
    {45, 45, word("Inner ")},
    {46, 46, letter_then("'")},
    {47, 47, number_then(" ")},
    {48, 67, word("New ")},
}));

constexpr int title_spelling_multiplier = 2;

constexpr auto greek_letter = pieces<24>({
    {0, 0, "Alpha"},    {1, 1, "Beta"},     {2, 2, "Delta"},    {3, 3, "Gamma"},   {4, 4, "Epsilon"},
    {5, 5, "Zeta"},     {6, 6, "Eta"},      {7, 7, "Theta"},    {8, 8, "Iota"},    {9, 9, "Kappa"},
    {10, 10, "Lambda"}, {11, 11, "Mu"},     {12, 12, "Nu"},     {13, 13, "Xi"},    {14, 14, "Omicron"},
    {15, 15, "Pi"},     {16, 16, "Ro"},     {17, 17, "Sigma"},  {18, 18, "Tau"},   {19, 19, "Upsi"},
    {20, 20, "Phi"},    {21, 21, "Chi"},    {22, 22, "Psi"},
}, {{23, 24}}, "Omega");

// A suffix word; a possessive has its spelling for a name ending in "s" in
// `after_s`, and " Minor" and " Major" lead on to a Roman numeral.
struct SuffixWord {
    Piece text;
    Piece after_s = nothing;
    bool leads_to_numeral = false;
};

constexpr SuffixWord plain(Piece text) { return {text}; }
constexpr SuffixWord before_numeral(Piece text) { return {text, nothing, true}; }
constexpr SuffixWord possessive(Piece after_s, Piece otherwise) { return {otherwise, after_s}; }

constexpr auto suffix_word = make_table<78>(std::to_array<Range<SuffixWord>>({
    {0, 0, plain(" Prime")},
    {1, 12, before_numeral(" Minor")},
    {13, 17, possessive("' World", "'s World")},
    {18, 22, plain(" Yagen")},
    {23, 26, before_numeral(" Major")},
    {27, 30, plain(" Chorios")},
    {31, 32, plain(" Point")},
    {33, 34, plain(" Cove")},
    {35, 36, plain(" Ott")},
    {37, 37, plain(" Planet")},
    {38, 38, possessive("' Donn", "'s Donn")},
    {39, 39, possessive("' Bell", "'s Bell")},
    {40, 40, possessive("' Folly", "'s Folly")},
    {41, 41, possessive("' Horky", "'s Horky")},
    {42, 42, possessive("' Point", "'s Point")},
    {43, 43, possessive("' Cove", "'s Cove")},
    {44, 44, possessive("' Planet", "'s Planet")},
    {45, 45, plain(" Downside")},
    {46, 46, plain(" Proper")},
    {47, 47, plain(" Anchorage")},
    {48, 48, plain(" Central")},
    {49, 49, plain(" Dawn")},
    {50, 50, plain(" Rimward")},
    {51, 51, plain(" of the Gods")},
    {52, 52, plain(" Nest")},
    {53, 53, plain(" Relocation Colonies")},
    {54, 54, plain(" Station")},
    {55, 55, plain(" Depot")},
    {56, 56, plain(" Med")},
    {57, 57, plain(" Mex")},
    {58, 78, plain(" Prime")},
}));

// An empty numeral (362-365) becomes "III".
constexpr auto roman_numeral = pieces<365>({
    {0, 89, "IV"},      {90, 159, "III"},   {160, 227, "II"},   {228, 260, "V"},    {261, 284, "I"},
    {285, 308, "VI"},   {309, 330, "VII"},  {331, 337, "IX"},   {338, 342, "VIII"}, {343, 345, "XI"},
    {346, 348, "XII"},  {349, 350, "X"},    {351, 352, "XIV"},  {353, 353, "XIII"}, {354, 354, "XV"},
    {355, 355, "XVI"},  {356, 356, "XVII"}, {357, 357, "XVIII"}, {358, 358, "XIX"}, {359, 359, "XX"},
    {360, 360, "XXI"},  {361, 361, "XXII"},
}, {{362, 365}}, nothing);
constexpr Piece roman_numeral_when_empty = "III";

constexpr auto number = pieces<65>({
    {1, 10, "3"},  {11, 18, "2"},  {19, 26, "6"},  {27, 33, "4"},  {34, 39, "7"},  {40, 43, "8"},
    {44, 45, "1"}, {46, 47, "9"},  {48, 49, "13"}, {50, 50, "10"}, {51, 51, "12"}, {52, 52, "14"},
}, {{0, 0}, {53, 65}}, "5");

constexpr auto number_word = pieces<24>({
    {1, 5, "Four"},   {6, 8, "Six"},    {9, 11, "Nine"},   {12, 13, "One"},
    {14, 15, "Five"}, {16, 17, "Seven"}, {18, 18, "Three"}, {19, 19, "Eight"},
}, {{0, 0}, {20, 24}}, "Two");

constexpr auto undecided_form = make_table<3>(std::to_array<Range<Form>>({
    {1, 1, Form::greek_after},
    {2, 2, Form::capital_after},
}), {{0, 0}, {3, 3}}, Form::suffix_word);

constexpr auto digit_count = counts<9>({{0, 0, 3}, {1, 1, 2}, {2, 2, 4}, {3, 9, 3}});

constexpr auto designation_length = counts<13>({{0, 0, 5}, {1, 2, 4}, {3, 4, 6}, {5, 5, 3}, {6, 6, 7},
                                               {7, 7, 8}, {8, 13, 5}});

// One digit of a digit string or a designation: 0 to 10, so "10" can stand as one.
constexpr int digit_multiplier = 10;
// An inner designation character becomes "-" on this value of a Tirada(40).
constexpr int hyphen_multiplier = 40;
constexpr int hyphen_value = 1;
// A Tirada(3) below 2 ends the capitals of a designation.
constexpr int capitals_multiplier = 3;
constexpr int capitals_end_below = 2;

void append_prefix(NameBuilder& name)
{
    GenerationContext& ctx = name.context();
    const Prefix& drawn = name.draw(prefix);
    switch (drawn.kind) {
    case PrefixKind::word:
        name.append(drawn.text);
        break;
    case PrefixKind::title:
        name.append(ctx.Tirada(title_spelling_multiplier) == 1 ? drawn.spelling_on_one : drawn.text);
        break;
    case PrefixKind::letter:
        Pideletra(ctx);
        name.append(ctx.LabelOut);
        name.append(drawn.text);
        break;
    case PrefixKind::number:
        name.append(std::to_string(ctx.number_prefix()));
        name.append(drawn.text);
        break;
    }
}

// The suffix word goes straight after the last word, without its space; a
// possessive is spelt after the letter the word ends in. Returns the form the
// name goes on with: a Roman numeral after " Minor" and " Major".
Form append_suffix_word(NameBuilder& name)
{
    name.trim_one(' ');
    const SuffixWord& drawn = name.draw(suffix_word);
    const bool after_s = !drawn.after_s.empty() && name.ends_with('s');
    name.append(after_s ? drawn.after_s : drawn.text);
    if (!drawn.leads_to_numeral)
        return Form::suffix_word;
    name.append(" ");
    return Form::roman_numeral;
}

void append_roman_numeral(NameBuilder& name)
{
    const Piece numeral = name.draw(roman_numeral);
    name.append(numeral.empty() ? roman_numeral_when_empty : numeral);
}

// Two to four digits; the first is never 0, and a drawn 10 stands as "10".
void append_digits(NameBuilder& name)
{
    std::string digits;
    const int count = name.draw(digit_count);
    for (int position = 0; position < count; ++position) {
        int digit = name.context().Tirada(digit_multiplier);
        if (position == 0 && digit == 0)
            digit = 1;
        digits += std::to_string(digit);
    }
    name.append(digits);
}

// A catalogue designation: capitals until a Tirada(3) ends them, then numbers of
// one or two digits, with a rare "-" in place of an inner character. It is the
// whole name: its form has no prefix and no words.
void append_designation(NameBuilder& name)
{
    GenerationContext& ctx = name.context();
    const int length = name.draw(designation_length);
    bool capitals = true;
    for (int position = 0; position < length; ++position) {
        const std::string character =
            capitals ? capital_letter(ctx) : std::to_string(ctx.Tirada(digit_multiplier));
        const bool inner = position != 0 && position != length - 1;
        const bool hyphen = ctx.Tirada(hyphen_multiplier) == hyphen_value && inner;
        name.append(hyphen ? Piece{"-"} : Piece{character});
        if (ctx.Tirada(capitals_multiplier) < capitals_end_below)
            capitals = false;
    }
}

}  // namespace

void Nombre_planeta(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Shape drawn = name.draw(shape);
    Form form = drawn.form;

    if (form == Form::ord)
        name.append("Ord ");
    if (form == Form::prefix)
        append_prefix(name);
    if (form == Form::undecided)
        form = name.draw(undecided_form);
    Piece greek = nothing;
    if (form == Form::greek_before || form == Form::greek_after)
        greek = name.draw(greek_letter);
    if (form == Form::greek_before) {
        name.append(greek);
        name.append(" ");
    }
    if (form == Form::capital_before) {
        name.append(capital_letter(ctx));
        name.append("-");
    }

    append_planet_words(name, drawn.words, drawn.separator);

    if (form == Form::suffix_word)
        form = append_suffix_word(name);
    if (form == Form::roman_numeral)
        append_roman_numeral(name);
    if (form == Form::number)
        name.append(name.draw(number));
    if (form == Form::number_word)
        name.append(name.draw(number_word));
    if (form == Form::digits)
        append_digits(name);
    if (form == Form::greek_after)
        name.append(greek);
    if (form == Form::capital_after)
        name.append(capital_letter(ctx));
    if (form == Form::designation)
        append_designation(name);

    // The one separator a name may end with.
    name.trim_one_of(" -/");
    name.hand_over();
}

}  // namespace quelvarinox::detail
