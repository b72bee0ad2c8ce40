#pragma once

#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace quelvarinox::detail {

// A run of letters of an example name, cut where a capital follows a small
// letter ("DeVirsdan" is "De" and "Virsdan").
struct ExampleWord {
    std::string written;
    // In lower case, as the grammar's pieces are written.
    std::string letters;
    // Starts with a small letter.
    bool lower_case = false;
    bool has_vowel = false;
    // Two letters or more, all capitals ("III").
    bool all_capitals = false;
};

// A name as its letters and what lies between them: gaps.size() is
// words.size() + 1, the text before the first word, between each two and
// after the last.
struct ExampleName {
    std::vector<ExampleWord> words;
    std::vector<std::string> gaps;
};
ExampleName read_words(std::string_view name);

// The words written as they are rather than made of syllables: particles such
// as "de" or "ke", fixed words such as "Darth", the "Du" of "DuNorsch", the
// "III" after a name. A word is one when that very word comes back at least
// `min_count` times and makes at least one in ten of the words of the list,
// or one in twenty of its candidates: the words the engine would not write so
// of itself (in small letters beside a word with a capital, in capitals beyond
// the first letter, or joined to the next word with nothing between).
std::set<std::string> find_particles(const std::vector<ExampleName>& names, int min_count);

// A word the grammar makes of syllables, or an initial (a capital without a
// vowel, alone, that is no particle: the "J" of "Val J.G."), and the text that
// follows it.
struct ShapedWord {
    std::string letters;
    std::string after;
    bool lower_case = false;
    bool initial = false;
};

// A name as the grammar makes it: words of syllables and initials, and between
// them the text of the rest (blanks, signs, other letters without a vowel, and
// particles), written as it is: "Lena McBors" is "lena" followed by " Mc", then
// "bors". A name of particles alone keeps its last one as a word.
struct ShapedName {
    std::string before;
    std::vector<ShapedWord> words;
};
ShapedName shape_of(const ExampleName& name, const std::set<std::string>& particles);

}  // namespace quelvarinox::detail
