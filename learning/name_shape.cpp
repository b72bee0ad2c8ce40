#include "learning/name_shape.h"

#include <algorithm>
#include <map>

#include "learning/letters.h"

namespace quelvarinox::detail {

namespace {

// A particle makes at least one in ten of the words, or one in twenty of the candidates.
constexpr std::int64_t share_of_words = 10;
constexpr std::int64_t share_of_candidates = 20;

bool has_capital(const ExampleName& name)
{
    return std::any_of(name.words.begin(), name.words.end(),
                       [](const ExampleWord& word) { return word.has_vowel && !word.lower_case; });
}

// A word the engine would not write so of itself: in small letters beside a
// word with a capital, in capitals beyond its first letter, or joined to the
// next word with nothing between.
bool is_candidate(const ExampleName& name, std::size_t word)
{
    const ExampleWord& it = name.words[word];
    const bool joined_to_next = word + 1 < name.words.size() && name.gaps[word + 1].empty();
    return it.has_vowel && ((it.lower_case && has_capital(name)) || it.all_capitals || joined_to_next);
}

// Two letters or more, every one a capital.
bool in_capitals(std::string_view written)
{
    std::size_t letters = 0;
    while (!written.empty()) {
        std::size_t bytes = 0;
        if (!is_upper_case(first_code(written, bytes)))
            return false;
        written.remove_prefix(bytes);
        ++letters;
    }
    return letters >= 2;
}

}  // namespace

ExampleName read_words(std::string_view name)
{
    ExampleName read;
    read.gaps.emplace_back();
    bool in_word = false;
    bool last_was_small = false;
    while (!name.empty()) {
        std::size_t size = 0;
        const char32_t code = first_code(name, size);
        const std::string_view bytes = name.substr(0, size);
        name.remove_prefix(size);
        const bool capital = is_upper_case(code);
        if (!is_letter(code) || (in_word && capital && last_was_small)) {
            if (in_word)
                read.gaps.emplace_back();
            in_word = false;
        }
        if (!is_letter(code)) {
            read.gaps.back() += bytes;
            continue;
        }
        if (!in_word)
            read.words.push_back({{}, {}, !capital, false, false});
        in_word = true;
        ExampleWord& word = read.words.back();
        word.written += bytes;
        const char32_t small = lower_case(code);
        append_utf8(word.letters, small);
        word.has_vowel = word.has_vowel || is_vowel(small);
        last_was_small = !capital;
    }
    if (in_word)
        read.gaps.emplace_back();
    for (ExampleWord& word : read.words)
        word.all_capitals = in_capitals(word.written);
    return read;
}

std::set<std::string> find_particles(const std::vector<ExampleName>& names, int min_count)
{
    std::map<std::string, std::pair<std::int64_t, std::int64_t>> counts;  // as a word, as a candidate
    std::int64_t words = 0;
    std::int64_t candidates = 0;
    for (const ExampleName& name : names)
        for (std::size_t word = 0; word < name.words.size(); ++word) {
            auto& [as_word, as_candidate] = counts[name.words[word].written];
            ++as_word;
            ++words;
            if (is_candidate(name, word)) {
                ++as_candidate;
                ++candidates;
            }
        }
    std::set<std::string> particles;
    for (const auto& [word, count] : counts) {
        const auto& [as_word, as_candidate] = count;
        const bool frequent = as_word * share_of_words >= words ||
                              (as_candidate > 0 && as_candidate * share_of_candidates >= candidates);
        if (as_word >= min_count && frequent)
            particles.insert(word);
    }
    return particles;
}

ShapedName shape_of(const ExampleName& name, const std::set<std::string>& particles)
{
    const auto syllables_of = [&](const ExampleWord& word) { return word.has_vowel && !particles.contains(word.written); };
    // A name of particles alone keeps its last one as a word of syllables.
    const bool keeps_a_word = std::any_of(name.words.begin(), name.words.end(), syllables_of);
    std::size_t kept = name.words.size();
    if (!keeps_a_word)
        for (std::size_t i = 0; i < name.words.size(); ++i)
            if (name.words[i].has_vowel)
                kept = i;
    ShapedName shaped;
    std::string* text = &shaped.before;
    *text += name.gaps.front();
    for (std::size_t i = 0; i < name.words.size(); ++i) {
        const ExampleWord& word = name.words[i];
        std::size_t first_letter_bytes = 0;
        first_code(word.written, first_letter_bytes);
        const bool initial = !word.has_vowel && !word.lower_case && !particles.contains(word.written) &&
                             first_letter_bytes == word.written.size();
        if (syllables_of(word) || i == kept || initial) {
            shaped.words.push_back({initial ? word.written : word.letters, {}, word.lower_case, initial});
            text = &shaped.words.back().after;
        } else {
            *text += word.written;
        }
        *text += name.gaps[i + 1];
    }
    return shaped;
}

}  // namespace quelvarinox::detail
