#pragma once

#include <string>
#include <string_view>
#include <unordered_set>
#include <vector>

namespace quelvarinox::detail {

// One syllable of an example word, each part in lower case; "" where it has no
// onset or no coda.
struct Syllable {
    std::string onset;
    std::string vowel;
    std::string coda;
    bool operator==(const Syllable&) const = default;
};

// Onsets seen at the start of words, which decide where a run of consonants
// between two vowels is cut.
using WordOnsets = std::unordered_set<std::string>;

// The syllables of a word, written in lower-case letters, split by its spelling
// (the rule is the manual page's, under --aprender):
// - the vowels are a, e, i, o, u and their marked forms, and y wherever it
//   stands: "nyx", "kay", "maya", as the built-in grammars hold "y", "ay", "ya";
// - a run of vowels is one nucleus: "kaela" is "kae" + "la", as the vowel tables of
//   the built-in grammars hold "ae", "ia" or "ou";
// - the consonants between two nuclei go to the second as its onset, as many of
//   them as make an onset that starts some word, up to a piece's 8 bytes ("astra"
//   is "a" + "stra" when some word starts with "str"); when none does, the last
//   consonant alone; the rest are the coda of the first;
// - the consonants before the first nucleus are the first onset, and those after
//   the last are the last coda.
// A word without a vowel has no syllables.
std::vector<Syllable> split_syllables(std::string_view word, const WordOnsets& word_onsets);

// The consonants before a word's first vowel: "str" of "strom", "" of "alma".
std::string first_onset(std::string_view word);

}  // namespace quelvarinox::detail
