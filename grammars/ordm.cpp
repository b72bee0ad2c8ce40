// Ord Mantell: plain names, a surname behind " Mc", a name with one initial
// before an apostrophe surname ("Lena T 'Bors"), or a name with three initials
// ("Lena T.K.L."); it may end with a compound epithet, and always does in the
// alternative mode.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

enum class Form { plain, mc_surname, initial, initials };

struct Shape {
    Form form;
    int words;
    bool compound;
};

constexpr auto shape_table = make_table<12>(std::to_array<Range<Shape>>({
    {0, 1, {Form::plain, 1, false}},
    {2, 7, {Form::plain, 2, false}},
    {8, 8, {Form::mc_surname, 2, false}},
    {9, 9, {Form::initial, 3, false}},
    {10, 10, {Form::plain, 1, true}},
    {11, 12, {Form::initials, 4, false}},
}));

constexpr Shape alternative_shape{Form::plain, 1, true};

constexpr auto syllable_count = counts<19>({{0, 7, 1}, {8, 14, 2}, {15, 19, 3}});

constexpr auto onset = pieces<43>({
    {1, 4, "l"},    {5, 8, "n"},    {9, 12, "r"},   {13, 15, "m"},  {16, 17, "b"},
    {18, 19, "d"},  {20, 21, "f"},  {22, 23, "g"},  {24, 25, "k"},  {26, 26, "s"},
    {27, 27, "h"},  {28, 28, "j"},  {29, 29, "p"},  {30, 30, "t"},  {31, 31, "v"},
    {32, 32, "w"},  {33, 33, "x"},  {34, 34, "z"},  {35, 35, "cr"}, {36, 36, "dr"},
    {37, 37, "pr"}, {38, 38, "sh"}, {39, 39, "th"}, {40, 40, "tr"}, {42, 42, "s"},
}, {{0, 0}, {41, 41}, {43, 43}}, nothing);

constexpr auto vowel = pieces<34>({
    {1, 9, "e"},    {10, 15, "o"},  {16, 20, "i"},  {21, 22, "u"},  {23, 23, "ay"},
    {24, 24, "ee"}, {25, 25, "uy"},
}, {{0, 0}, {26, 34}}, "a");

constexpr auto coda = pieces<40>({
    {1, 6, "n"},    {7, 9, "l"},    {10, 12, "r"},  {13, 13, "b"},  {14, 14, "f"},
    {15, 15, "g"},  {16, 16, "k"},  {17, 17, "m"},  {18, 18, "s"},  {19, 19, "z"},
    {20, 20, "ff"}, {21, 21, "ld"}, {22, 22, "mb"}, {23, 23, "ss"}, {24, 24, "tt"},
}, {{0, 0}, {25, 40}}, nothing);

// The letter an initial shows when its onset came out empty.
constexpr Piece empty_initial = "L";

bool is_initial(Form form, int word)
{
    return (form == Form::initial && word == 1) || (form == Form::initials && word >= 1);
}

// What follows a word, counting the words done so far, this one included.
Piece after_word(Form form, int words_done)
{
    switch (form) {
    case Form::plain:
        return " ";
    case Form::mc_surname:
        return words_done == 1 ? " Mc" : nothing;
    case Form::initial:
        return words_done == 2 ? " '" : " ";
    case Form::initials:
        return words_done == 1 ? " " : ".";
    }
    return nothing;
}

// An initial is one syllable cut down to the first letter of its onset; its
// vowel and coda are drawn and dropped.
void initial_syllable(NameBuilder& name)
{
    const Piece drawn = name.draw(onset);
    name.put(drawn.empty() ? empty_initial : drawn.substr(0, 1));
    name.draw(vowel);
    name.draw(coda);
}

}  // namespace

void Nombre_Ordm(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const Shape shape = name.draw_form(shape_table, alternative_shape);
    for (int word = 0; word < shape.words; ++word) {
        if (is_initial(shape.form, word))
            name.word_of_fixed_length(syllable_count, 1, [&](int) { initial_syllable(name); });
        else
            name.word(syllable_count, onset, vowel, coda);
        name.append(after_word(shape.form, word + 1));
    }
    name.finish(shape.compound);
}

}  // namespace quelvarinox
