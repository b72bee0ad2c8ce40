#pragma once

#include <array>
#include <string>

#include "learning/weighted_rows.h"

namespace quelvarinox::detail {

enum class Slot { onset, vowel, coda };
inline constexpr std::array<Slot, 3> slots{Slot::onset, Slot::vowel, Slot::coda};

// Where a syllable stands in its word: its only one, or the first, a middle
// or the last of several.
enum class Place { only, first, middle, last };
inline constexpr std::array<Place, 4> places{Place::only, Place::first, Place::middle, Place::last};

// The tables of a slot, in the order of a word: [ataque.inicial], [ataque] and [ataque.final].
enum class SlotTable { first, plain, last };
inline constexpr std::array<SlotTable, 3> slot_tables{SlotTable::first, SlotTable::plain, SlotTable::last};

// Which slots have a table of their own for the first syllable of a word,
// and which for the last.
struct EdgeTables {
    std::array<bool, 3> first{};
    std::array<bool, 3> last{};

    bool has(Slot slot, SlotTable table) const
    {
        const auto i = static_cast<std::size_t>(slot);
        return table == SlotTable::plain || (table == SlotTable::first ? first[i] : last[i]);
    }
};

// The table the engine draws a slot from: the first syllable of a word takes
// the .inicial table and the last the .final one, where they exist; the one
// syllable of a word of one takes its onset from .inicial and its vowel and
// coda from .final, and from the other where that one alone exists.
SlotTable table_of(Slot slot, Place place, const EdgeTables& edges);

// How often each piece stood in each slot at each place of a word.
using PlacedTallies = std::array<std::array<Tally<std::string>, 4>, 3>;

inline const Tally<std::string>& tally_at(const PlacedTallies& tallies, Slot slot, Place place)
{
    return tallies[static_cast<std::size_t>(slot)][static_cast<std::size_t>(place)];
}

// The counts a table of `slot` is made of: those of every place it serves.
Tally<std::string> table_tally(const PlacedTallies& tallies, Slot slot, SlotTable table, const EdgeTables& edges);

}  // namespace quelvarinox::detail
