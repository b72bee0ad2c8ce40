#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace quelvarinox::cli {

// The offensive words of malsonantes.txt, Spanish and English, compared with
// names folded to lower case and without accents. A word of four letters or
// more is found anywhere in a name; a shorter one, or an expression of several
// words, only as whole words, so that "ass" does not turn down "Cassara".
class OffensiveWords {
public:
    OffensiveWords();
    bool found_in(std::string_view name) const;

private:
    // The words found anywhere, by their first two bytes.
    std::unordered_map<std::string, std::vector<std::string>> inside_;
    // The whole words and expressions, each between single spaces.
    std::vector<std::string> whole_;
};

// The text of malsonantes.txt, built into the program.
extern const std::string_view offensive_words_text;

}  // namespace quelvarinox::cli
