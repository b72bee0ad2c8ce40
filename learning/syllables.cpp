#include "learning/syllables.h"

#include "learning/letters.h"

namespace quelvarinox::detail {

namespace {

// A piece of a grammar holds at most this many bytes.
constexpr std::size_t piece_bytes = 8;

struct Letter {
    std::size_t start;
    std::size_t bytes;
    bool vowel;
};

// The word's letters, each marked vowel or consonant.
std::vector<Letter> letters_of(std::string_view word)
{
    std::vector<Letter> letters;
    for (std::size_t at = 0; at < word.size();) {
        std::size_t bytes = 0;
        const bool vowel = is_vowel(first_code(word.substr(at), bytes));
        letters.push_back({at, bytes, vowel});
        at += bytes;
    }
    return letters;
}

}  // namespace

std::string first_onset(std::string_view word)
{
    for (const Letter& letter : letters_of(word))
        if (letter.vowel)
            return std::string(word.substr(0, letter.start));
    return std::string(word);
}

std::vector<Syllable> split_syllables(std::string_view word, const WordOnsets& word_onsets)
{
    const std::vector<Letter> letters = letters_of(word);
    const auto text = [&](std::size_t from, std::size_t to) {
        const std::size_t start = from < letters.size() ? letters[from].start : word.size();
        const std::size_t end = to < letters.size() ? letters[to].start : word.size();
        return std::string(word.substr(start, end - start));
    };
    std::vector<Syllable> syllables;
    std::size_t onset_start = 0;
    std::size_t i = 0;
    while (i < letters.size() && !letters[i].vowel)
        ++i;
    while (i < letters.size()) {
        const std::size_t vowel_start = i;
        while (i < letters.size() && letters[i].vowel)
            ++i;
        const std::size_t coda_start = i;
        while (i < letters.size() && !letters[i].vowel)
            ++i;
        // i is now the next nucleus, or the end of the word.
        std::size_t next_onset = i;
        if (i < letters.size()) {
            next_onset = i - 1;
            for (std::size_t start = i; start-- > coda_start;) {
                if (letters[i].start - letters[start].start > piece_bytes)
                    break;
                if (word_onsets.contains(text(start, i)))
                    next_onset = start;
            }
        }
        syllables.push_back({text(onset_start, vowel_start), text(vowel_start, coda_start), text(coda_start, next_onset)});
        onset_start = next_onset;
    }
    return syllables;
}

}  // namespace quelvarinox::detail
