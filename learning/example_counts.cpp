#include "learning/example_counts.h"

#include <algorithm>
#include <cmath>
#include <map>

#include "core/weighted_table.h"
#include "learning/name_shape.h"
#include "learning/syllables.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr double chance_of_one_syllable_words = 0.001;

// A name as the counts read it: its form, without its monosilabas yet, and the
// syllables of each of its words (none for an initial).
struct SplitName {
    LearnedForm form;
    std::vector<std::vector<Syllable>> words;
};

LearnedForm form_of(const ShapedName& shaped)
{
    LearnedForm form{shaped.before, {}, {}, {}, {}};
    for (std::size_t i = 0; i < shaped.words.size(); ++i) {
        const int position = static_cast<int>(i + 1);
        form.after.push_back(shaped.words[i].after);
        if (shaped.words[i].lower_case)
            form.lower_case.push_back(position);
        if (shaped.words[i].initial)
            form.initials.push_back(position);
    }
    return form;
}

Place place_of(std::size_t syllable, std::size_t syllables)
{
    if (syllables == 1)
        return Place::only;
    return syllable == 0 ? Place::first : syllable + 1 == syllables ? Place::last : Place::middle;
}

std::vector<SplitName> split_names(const std::vector<std::string>& names, int min_count, ExampleCounts& counts)
{
    std::vector<ExampleName> read;
    for (const std::string& name : names)
        read.push_back(read_words(name));
    const std::set<std::string> particles = find_particles(read, min_count);
    std::vector<ShapedName> shaped;
    WordOnsets word_onsets;
    for (const ExampleName& name : read) {
        shaped.push_back(shape_of(name, particles));
        for (const ShapedWord& word : shaped.back().words)
            if (const std::string onset = first_onset(word.letters);
                !word.initial && !onset.empty() && onset.size() <= TablePiece::room)
                word_onsets.insert(onset);
    }
    std::vector<SplitName> split;
    for (const ShapedName& name : shaped) {
        if (name.words.empty()) {
            ++counts.names_without_words;
            continue;
        }
        SplitName& it = split.emplace_back(SplitName{form_of(name), {}});
        for (const ShapedWord& word : name.words) {
            if (word.initial) {
                ++counts.initials[word.letters];
                it.words.emplace_back();
                continue;
            }
            counts.letters += utf8_length(word.letters).value_or(0);
            it.words.push_back(split_syllables(word.letters, word_onsets));
        }
    }
    return split;
}

// The monosilabas of every form, by the rule of example_counts.h.
std::map<LearnedForm, std::vector<int>> one_syllable_positions(const std::vector<SplitName>& names)
{
    std::int64_t words = 0;
    std::int64_t one_syllable = 0;
    // For each form and position: how many words, and whether all have one syllable.
    std::map<LearnedForm, std::vector<std::pair<std::int64_t, bool>>> positions;
    for (const SplitName& name : names) {
        auto& form = positions[name.form];
        form.resize(name.words.size(), {0, true});
        for (std::size_t i = 0; i < name.words.size(); ++i) {
            if (name.words[i].empty())
                continue;
            ++words;
            one_syllable += name.words[i].size() == 1 ? 1 : 0;
            ++form[i].first;
            form[i].second = form[i].second && name.words[i].size() == 1;
        }
    }
    const double share = words > 0 ? static_cast<double>(one_syllable) / static_cast<double>(words) : 1;
    std::map<LearnedForm, std::vector<int>> chosen;
    for (const auto& [form, stats] : positions)
        for (std::size_t i = 0; i < stats.size(); ++i)
            if (stats[i].first > 0 && stats[i].second &&
                std::pow(share, static_cast<double>(stats[i].first)) < chance_of_one_syllable_words)
                chosen[form].push_back(static_cast<int>(i + 1));
    return chosen;
}

Tally<int> syllable_counts(const std::vector<SplitName>& names, const std::map<LearnedForm, std::vector<int>>& one_syllable)
{
    Tally<int> tally;
    for (const SplitName& name : names) {
        const auto found = one_syllable.find(name.form);
        for (std::size_t i = 0; i < name.words.size(); ++i) {
            const bool fixed = found != one_syllable.end() &&
                               std::count(found->second.begin(), found->second.end(), static_cast<int>(i + 1)) > 0;
            if (!name.words[i].empty() && !fixed)
                ++tally[static_cast<int>(name.words[i].size())];
        }
    }
    return tally;
}

}  // namespace

ExampleCounts count_examples(const std::vector<std::string>& names, int min_count)
{
    ExampleCounts counts;
    const std::vector<SplitName> split = split_names(names, min_count, counts);
    std::map<LearnedForm, std::vector<int>> one_syllable = one_syllable_positions(split);
    counts.syllable_counts = syllable_counts(split, one_syllable);
    const bool keeps_a_count = std::any_of(counts.syllable_counts.begin(), counts.syllable_counts.end(),
                                           [&](const auto& row) { return row.second >= min_count; });
    if (!keeps_a_count) {
        one_syllable.clear();
        counts.syllable_counts = syllable_counts(split, one_syllable);
    }
    for (const SplitName& name : split) {
        LearnedForm form = name.form;
        if (const auto found = one_syllable.find(name.form); found != one_syllable.end())
            form.one_syllable = found->second;
        ++counts.forms[form];
        for (const std::vector<Syllable>& word : name.words)
            for (std::size_t i = 0; i < word.size(); ++i) {
                const auto place = static_cast<std::size_t>(place_of(i, word.size()));
                for (const auto& [slot, piece] : {std::pair(Slot::onset, &word[i].onset),
                                                  std::pair(Slot::vowel, &word[i].vowel), std::pair(Slot::coda, &word[i].coda)})
                    ++counts.pieces[static_cast<std::size_t>(slot)][place][*piece];
            }
    }
    return counts;
}

}  // namespace quelvarinox::detail
