#pragma once

#include <string>
#include <vector>

#include "engine/grammar.h"

// What a grammar's tables and forms can make, as a whole: what no single value
// of its file shows.
namespace quelvarinox::detail {

// Whether some name of the grammar may hold more than spaces: some piece of a
// table, some text of a form, a prefix or a compound epithet that can be written.
bool names_can_hold_text(const Grammar& grammar);

// Whether a word of `iniciales` may be left without its letter: a form has
// one, the onset of a word of one syllable can come out empty, and the
// grammar gives no letter for that.
bool initials_can_be_empty(const Grammar& grammar);

// Every text the grammar may write into a name, the pieces of its tables and
// the texts of its forms among them (and, with a compound epithet, every
// letter of one): what no name can hold, no succession of these holds.
std::vector<std::string> texts_names_are_written_with(const Grammar& grammar);

}  // namespace quelvarinox::detail
