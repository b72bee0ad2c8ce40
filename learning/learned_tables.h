#pragma once

#include <cstddef>
#include <string>
#include <tuple>
#include <vector>

#include "learning/syllable_places.h"
#include "learning/weighted_rows.h"

namespace quelvarinox::detail {

// A form of [forma] as the examples show it: the text before the first word,
// the text after each word, and the words (from 1) written in small letters,
// those that are initials and those of one syllable.
struct LearnedForm {
    std::string before;
    std::vector<std::string> after;
    std::vector<int> lower_case;
    std::vector<int> initials;
    std::vector<int> one_syllable;
    bool operator<(const LearnedForm& other) const
    {
        return std::tie(before, after, lower_case, initials, one_syllable) <
               std::tie(other.before, other.after, other.lower_case, other.initials, other.one_syllable);
    }
};

// One table of onsets, vowels or codas, and the places of a word whose
// syllables it was counted from.
struct PieceTable {
    Slot slot;
    SlotTable table;
    std::vector<Place> places;
    WeightedRows<std::string> rows;
};

// Everything a learned grammar says, ready to be written.
struct LearnedTables {
    std::string display_name;
    std::string key;
    std::size_t examples = 0;
    WeightedRows<LearnedForm> forms;
    // The letter an initial takes where its onset is empty: the examples' most
    // frequent initial; empty when no form has initials.
    std::string empty_initial;
    WeightedRows<int> syllable_counts;
    // In the order of the file: onsets, vowels and codas, each in the order of a word.
    std::vector<PieceTable> pieces;
};

// "[ataque.inicial]", as messages and comments name a table.
std::string section_name(Slot slot, SlotTable table);

}  // namespace quelvarinox::detail
