// Agamar: one or two words whose syllables may be split by a hyphen or an
// apostrophe; a few one-word names, and every name in the alternative mode, end
// with a compound epithet.
#include <array>

#include "grammars/name_builder.h"

namespace quelvarinox {

namespace {

struct WordCount {
    int words;
    bool compound;
};

constexpr auto word_count = make_table<16>(std::to_array<Range<WordCount>>({
    {0, 4, {1, false}},
    {5, 14, {2, false}},
    {15, 16, {1, true}},
}));

constexpr WordCount alternative_count{1, true};

constexpr auto syllable_count = counts<25>({{0, 7, 1}, {8, 23, 2}, {24, 25, 3}});

// Drawn before every syllable; it stands only between two syllables of a word.
constexpr auto separator = pieces<25>({{1, 1, "-"}, {2, 2, "'"}}, {{0, 0}, {3, 25}}, nothing);

constexpr auto onset = pieces<49>({
    {1, 5, "n"},    {6, 9, "l"},    {10, 12, "b"},  {13, 15, "d"},  {16, 18, "g"},
    {19, 21, "ch"}, {22, 23, "j"},  {24, 25, "k"},  {26, 27, "m"},  {28, 29, "p"},
    {30, 31, "s"},  {32, 33, "t"},  {34, 35, "tr"}, {36, 36, "c"},  {37, 37, "f"},
    {38, 38, "h"},  {39, 39, "v"},  {40, 40, "br"}, {41, 41, "dr"}, {42, 42, "fr"},
    {43, 43, "gr"}, {44, 44, "hr"}, {45, 45, "st"},
}, {{0, 0}, {46, 49}}, nothing);

// The apostrophe of 26 is a vowel like the others: on an onset-less first
// syllable it takes the word's capital and stays as it is.
constexpr auto vowel = pieces<43>({
    {1, 9, "e"},    {10, 16, "i"},  {17, 23, "o"},  {24, 25, "ya"}, {26, 26, "'"},
    {27, 27, "u"},  {28, 28, "ay"}, {29, 29, "ou"},
}, {{0, 0}, {30, 43}}, "a");

constexpr auto coda = pieces<41>({
    {1, 9, "n"},    {10, 13, "r"},  {14, 16, "d"},  {17, 18, "l"},  {19, 20, "th"},
    {21, 21, "k"},  {22, 22, "p"},  {23, 23, "t"},  {24, 24, "nn"}, {25, 25, "ns"},
    {26, 26, "rt"},
}, {{0, 0}, {27, 41}}, nothing);

}  // namespace

void Nombre_agamar(GenerationContext& ctx, std::string& Text1)
{
    NameBuilder name(ctx, Text1);
    const WordCount count = name.draw_form(word_count, alternative_count);
    for (int word = 0; word < count.words; ++word) {
        if (word > 0)
            name.append(" ");
        name.word(syllable_count, [&](int index) {
            const auto between = name.draw(separator);
            if (index > 0)
                name.append(between);
            name.syllable(onset, vowel, coda);
        });
    }
    if (count.compound)
        name.compound();
}

}  // namespace quelvarinox
