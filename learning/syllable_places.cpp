#include "learning/syllable_places.h"

namespace quelvarinox::detail {

SlotTable table_of(Slot slot, Place place, const EdgeTables& edges)
{
    const bool first = edges.has(slot, SlotTable::first);
    const bool last = edges.has(slot, SlotTable::last);
    switch (place) {
    case Place::first: return first ? SlotTable::first : SlotTable::plain;
    case Place::last: return last ? SlotTable::last : SlotTable::plain;
    case Place::middle: return SlotTable::plain;
    case Place::only:
        if (slot == Slot::onset)
            return first ? SlotTable::first : last ? SlotTable::last : SlotTable::plain;
        return last ? SlotTable::last : first ? SlotTable::first : SlotTable::plain;
    }
    return SlotTable::plain;
}

Tally<std::string> table_tally(const PlacedTallies& tallies, Slot slot, SlotTable table, const EdgeTables& edges)
{
    Tally<std::string> merged;
    for (const Place place : places)
        if (table_of(slot, place, edges) == table)
            for (const auto& [piece, count] : tally_at(tallies, slot, place))
                merged[piece] += count;
    return merged;
}

}  // namespace quelvarinox::detail
