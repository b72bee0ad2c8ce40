#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quelvarinox::detail::testing {

// What is wrong with how the loader and the engine take `text`, if anything:
// an error placed outside the text, without a message or with a message that
// is not one line free of control characters, a file accepted with no
// grammar, a name of the accepted grammar, in either mode, that is not UTF-8
// or is longer than any grammar within the limits can make, or the grammar
// written out whole (as --exportar does) not making the same names and
// traces. Only built-in grammars may be inherited.
std::optional<std::string> grammar_input_problem(std::string_view text);

}  // namespace quelvarinox::detail::testing
