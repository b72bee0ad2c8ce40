#pragma once

#include "engine/grammar.h"

// What a grammar's tables and forms can make, as a whole: what no single value
// of its file shows.
namespace quelvarinox::detail {

// Whether some name of the grammar may hold more than spaces: some piece of a
// table, some text of a form, a prefix or a compound epithet that can be written.
bool names_can_hold_text(const Grammar& grammar);

// Whether a word of `iniciales` may be left without its letter: a form has
// one, the onset can come out empty, and the grammar gives no letter for that.
bool initials_can_be_empty(const Grammar& grammar);

}  // namespace quelvarinox::detail
