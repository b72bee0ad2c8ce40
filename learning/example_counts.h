#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "learning/learned_tables.h"
#include "learning/syllable_places.h"

namespace quelvarinox::detail {

// What the examples hold, counted for the tables: the forms of the names, the
// syllable counts of the words, the pieces of every syllable at its place in
// its word, and the letters of the initials.
struct ExampleCounts {
    Tally<LearnedForm> forms;
    // Names with no word of syllables nor initial: no form can make them.
    std::int64_t names_without_words = 0;
    Tally<int> syllable_counts;
    PlacedTallies pieces;
    Tally<std::string> initials;
    // The letters of the words of syllables.
    std::size_t letters = 0;
};

// Counts the names of a list. A word position of a form is one of its
// `monosilabas` when every word there has one syllable, so many of them that
// chance would hardly do it: p^n below 1/1000, n the words there and p the share
// of words of one syllable in the whole list. Those words count for their
// pieces but not for [silabas], which the engine does not use for them; unless
// that leaves [silabas] with no count of `min_count`, when no position is.
ExampleCounts count_examples(const std::vector<std::string>& names, int min_count);

}  // namespace quelvarinox::detail
