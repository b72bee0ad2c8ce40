#include "cli/offensive_words.h"

#include "cli/text_folding.h"
#include "text/utf8.h"

namespace quelvarinox::cli {

namespace {

constexpr std::size_t shortest_found_inside = 4;

bool is_letter(char c) { return (c >= 'a' && c <= 'z') || static_cast<unsigned char>(c) >= 0x80; }

// The folded words of a text, each between single spaces: " hijo de puta ".
std::string spaced_words(std::string_view text)
{
    std::string out = " ";
    for (const char c : folded(text)) {
        if (is_letter(c))
            out += c;
        else if (out.back() != ' ')
            out += ' ';
    }
    if (out.back() != ' ')
        out += ' ';
    return out;
}

}  // namespace

OffensiveWords::OffensiveWords()
{
    std::string_view text = offensive_words_text;
    while (!text.empty()) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.empty() || line.starts_with('#'))
            continue;
        const std::string words = spaced_words(line);
        if (words.size() < 3)
            continue;
        const std::string_view word(words.data() + 1, words.size() - 2);
        if (word.find(' ') == std::string_view::npos && detail::utf8_length(word).value_or(0) >= shortest_found_inside)
            inside_[std::string(word.substr(0, 2))].emplace_back(word);
        else
            whole_.push_back(words);
    }
}

bool OffensiveWords::found_in(std::string_view name) const
{
    const std::string words = spaced_words(name);
    for (std::size_t at = 0; at + 1 < words.size(); ++at) {
        const auto candidates = inside_.find(words.substr(at, 2));
        if (candidates == inside_.end())
            continue;
        for (const std::string& word : candidates->second)
            if (words.compare(at, word.size(), word) == 0)
                return true;
    }
    for (const std::string& expression : whole_)
        if (words.find(expression) != std::string::npos)
            return true;
    return false;
}

}  // namespace quelvarinox::cli
