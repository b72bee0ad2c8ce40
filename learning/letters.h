#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace quelvarinox::detail {

// How the learner reads the characters of an example name. Letters are those of
// the Latin alphabets and of any other script; digits, punctuation, symbols and
// blanks are not. Case is known for the Latin letters of Unicode's first three
// blocks, where the names of this program live; other letters count as lower case.
bool is_letter(char32_t code);
bool is_upper_case(char32_t code);
char32_t lower_case(char32_t code);

// a, e, i, o, u, y and their accented, dieresis and other marked forms, in
// lower case.
bool is_vowel(char32_t code);

void append_utf8(std::string& text, char32_t code);

// The first character of `text`, which the learner has found to be UTF-8
// already (example_list.h); U+FFFD for a byte that is not.
char32_t first_code(std::string_view text, std::size_t& bytes);

}  // namespace quelvarinox::detail
