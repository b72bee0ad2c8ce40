#pragma once

#include <string>
#include <string_view>

#include "learning/identity.h"

namespace quelvarinox::detail {

struct LearnOptions {
    GrammarIdentity identity;
    // A piece, form or syllable count seen fewer times is left out: 1 keeps everything.
    int min_count = 2;
    // Tables of their own for the first and the last syllable of a word, where
    // the examples differ enough (edge_tables.h); off, every syllable counts
    // into the plain tables.
    bool edge_tables = true;
};

// The smallest and largest minimum count.
inline constexpr int fewest_min_count = 1;
inline constexpr int most_min_count = 1'000'000;

// A grammar file's text, or a Spanish sentence saying why there is none.
struct LearnedGrammar {
    std::string text;
    std::string error;
};

// The grammar that a list of example names (one a line, UTF-8) teaches: its
// form, syllable counts, onsets, vowels and codas with weights counted from the
// examples, in the format quelvarinox-nombres --gramatica reads. Every front
// end learns through this one call, so that one list gives one text wherever
// it is learned.
LearnedGrammar learn_grammar(std::string_view examples, const LearnOptions& options);

}  // namespace quelvarinox::detail
