// One mistake of a grammar's text, as every interface of Quelvarinox hands it
// on: made once by the library's reader of grammars, never read back from text.
#ifndef QUELVARINOX_GRAMMAR_MISTAKE_HPP
#define QUELVARINOX_GRAMMAR_MISTAKE_HPP

#include <cstdint>
#include <string>

namespace quelvarinox {

// Where a mistake is, its line and column from 1 (columns count characters, not
// bytes), and what is wrong, in Spanish, on one line: whatever the file holds,
// a text of it that the message quotes is shown with its control characters
// escaped. A file that cannot be read is one mistake at line and column 0.
struct GrammarMistake {
    std::uint32_t line;
    std::uint32_t column;
    std::string message;
};

}  // namespace quelvarinox

#endif
