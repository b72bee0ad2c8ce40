#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quelvarinox::detail {

// The names of a list of examples: one a line, UTF-8, with the blanks around
// each trimmed and blank lines passed over; a byte-order mark at the start and
// a carriage return at each line's end are dropped. A list past the size of a
// grammar file, or one that is not text, gives a Spanish message instead.
struct ExampleList {
    std::vector<std::string> names;
    std::string error;
};
ExampleList read_examples(std::string_view text);

}  // namespace quelvarinox::detail
