#pragma once

#include "learning/syllable_places.h"

namespace quelvarinox::detail {

// The learner's rule for when the first or the last syllable of a word gets a
// table of its own, in the manual page's words under --aprender: the syllables
// that table would take and those left to the plain table are compared, and
// the table is made when
// - each side has at least 50 syllables, and a piece that comes up `min_count`
//   times, so that neither table is left empty;
// - a G-test of homogeneity (the pieces seen fewer than 5 times on both sides
//   together pooled as one) rejects, at the 0.1 % level, that both sides draw
//   from one table;
// - and the Jensen–Shannon divergence of the two sides is at least 0.02 bits, so
//   that a difference too small to matter in the names adds no table.
// The onset decides .inicial first and then .final; the vowel and the coda,
// .final first: the one syllable of a word of one goes where it is drawn from.
EdgeTables choose_edge_tables(const PlacedTallies& tallies, int min_count);

}  // namespace quelvarinox::detail
