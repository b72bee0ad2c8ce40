// How close a learned grammar comes to the planet it learned from, beside the
// character Markov chains a user would otherwise train: for each planet grammar,
// 2000 of its names are the examples, and 20000 names of each learner are set
// against 20000 fresh names of the planet. Prints one table.
//
//   learning_bench [--umbral K]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <optional>
#include <random>
#include <string>
#include <unordered_set>
#include <vector>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "engine/grammar_loader.h"
#include "learning/divergence.h"
#include "learning/learn_grammar.h"
#include "learning/letters.h"
#include "text/utf8.h"

namespace {

using namespace quelvarinox::detail;
using Clock = std::chrono::steady_clock;

constexpr std::uint64_t example_count = 2000;
constexpr std::uint64_t compared_count = 20000;
constexpr std::uint64_t example_seed = 1;
constexpr std::uint64_t planet_seed = 2;
constexpr std::uint64_t learner_seed = 3;

std::u32string characters_of(std::string_view text)
{
    std::u32string codes;
    while (!text.empty()) {
        const Utf8Character character = first_utf8_character(text).value_or(Utf8Character{0xFFFD, 1});
        codes += character.code;
        text.remove_prefix(character.bytes);
    }
    return codes;
}

std::string utf8_of(const std::u32string& codes)
{
    std::string text;
    for (const char32_t code : codes)
        append_utf8(text, code);
    return text;
}

// What the comparison reads of a list of names: its letter bigrams, in lower
// case, with each word's edges as ^ and $; and its lengths in characters.
struct Profile {
    std::map<std::u32string, double> bigrams;
    std::map<std::size_t, double> lengths;
};

Profile profile_of(const std::vector<std::string>& names)
{
    Profile profile;
    for (const std::string& name : names) {
        const std::u32string codes = characters_of(name);
        profile.lengths[codes.size()] += 1;
        std::u32string word(1, U'^');
        for (const char32_t code : codes + U' ') {
            if (code != U' ') {
                word += lower_case(code);
                continue;
            }
            word += U'$';
            for (std::size_t i = 0; i + 1 < word.size(); ++i)
                profile.bigrams[word.substr(i, 2)] += 1;
            word.resize(1);
        }
    }
    return profile;
}

template <class Key>
double divergence(const std::map<Key, double>& a, const std::map<Key, double>& b)
{
    std::map<Key, std::pair<double, double>> both;
    for (const auto& [key, count] : a)
        both[key].first = count;
    for (const auto& [key, count] : b)
        both[key].second = count;
    std::vector<double> p;
    std::vector<double> q;
    for (const auto& [key, counts] : both) {
        p.push_back(counts.first);
        q.push_back(counts.second);
    }
    return jensen_shannon_bits(p, q);
}

// The usual learner: the next character drawn from those that followed the
// last `order` characters in the examples, from start symbols to the end one.
class CharacterChain {
public:
    CharacterChain(int order, const std::vector<std::string>& examples) : order_(order)
    {
        std::map<std::u32string, std::map<char32_t, std::uint64_t>> counts;
        for (const std::string& example : examples) {
            std::u32string context(static_cast<std::size_t>(order_), start);
            for (const char32_t code : characters_of(example) + end) {
                ++counts[context][code];
                shift(context, code);
            }
        }
        for (const auto& [context, next] : counts) {
            Choices& choices = choices_[context];
            for (const auto& [code, count] : next) {
                choices.total += count;
                choices.codes.push_back(code);
                choices.running.push_back(choices.total);
            }
        }
    }

    std::string name(std::mt19937_64& random) const
    {
        std::u32string context(static_cast<std::size_t>(order_), start);
        std::u32string made;
        while (true) {
            const Choices& choices = choices_.at(context);
            const std::uint64_t drawn = std::uniform_int_distribution<std::uint64_t>(0, choices.total - 1)(random);
            const auto at = std::upper_bound(choices.running.begin(), choices.running.end(), drawn);
            const char32_t code = choices.codes[static_cast<std::size_t>(at - choices.running.begin())];
            if (code == end)
                return utf8_of(made);
            made += code;
            shift(context, code);
        }
    }

private:
    static void shift(std::u32string& context, char32_t code)
    {
        context.erase(0, 1);
        context.push_back(code);
    }

    static constexpr char32_t start = 2;
    static constexpr char32_t end = 3;
    struct Choices {
        std::vector<char32_t> codes;
        std::vector<std::uint64_t> running;
        std::uint64_t total = 0;
    };
    int order_;
    std::map<std::u32string, Choices> choices_;
};

struct Result {
    double bigrams = 0;
    double lengths = 0;
    double copies = 0;
    double names_per_second = 0;
    double learning_ms = 0;
};

Result compare(const std::vector<std::string>& made, const Profile& planet, const std::vector<std::string>& examples,
               double making_seconds, double learning_seconds)
{
    const Profile learned = profile_of(made);
    const std::unordered_set<std::string> known(examples.begin(), examples.end());
    double copies = 0;
    for (const std::string& name : made)
        copies += known.contains(name) ? 1 : 0;
    return {divergence(learned.bigrams, planet.bigrams), divergence(learned.lengths, planet.lengths),
            copies / static_cast<double>(made.size()), static_cast<double>(made.size()) / making_seconds,
            learning_seconds * 1000};
}

double seconds_since(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

std::vector<std::string> names_of(const Category& category, std::uint64_t seed, std::uint64_t count)
{
    NameMaker maker(seed);
    std::vector<std::string> names;
    for (std::uint64_t index = 1; index <= count; ++index)
        names.push_back(maker.make(category, index, false));
    return names;
}

// The learned grammar's result, or nothing when the engine does not read it,
// whose first mistake is then kept in `refused`.
std::optional<Result> learned_result(const Category& planet, const std::vector<std::string>& examples,
                                     const std::string& list, const Profile& profile, int min_count, bool edge_tables,
                                     std::string& refused)
{
    LearnOptions options;
    options.identity = {std::string(planet.display_text), std::string(planet.picture_key) + "-aprendida"};
    options.min_count = min_count;
    options.edge_tables = edge_tables;
    const auto learning = Clock::now();
    const LearnedGrammar learned = learn_grammar(list, options);
    GrammarLoad load = load_grammar(learned.text);
    const double learning_seconds = seconds_since(learning);
    if (!learned.error.empty() || !load.grammar) {
        refused = learned.error.empty() ? placed("", load.mistakes.front()) : learned.error;
        return std::nullopt;
    }
    const auto making = Clock::now();
    const std::vector<std::string> made = names_of(category_of_grammar(*load.grammar), learner_seed, compared_count);
    return compare(made, profile, examples, seconds_since(making), learning_seconds);
}

Result chain_result(int order, const std::vector<std::string>& examples, const Profile& profile)
{
    const auto learning = Clock::now();
    const CharacterChain chain(order, examples);
    const double learning_seconds = seconds_since(learning);
    std::mt19937_64 random(learner_seed);
    std::vector<std::string> made;
    const auto making = Clock::now();
    for (std::uint64_t i = 0; i < compared_count; ++i)
        made.push_back(chain.name(random));
    return compare(made, profile, examples, seconds_since(making), learning_seconds);
}

void print_cell(const std::optional<Result>& result)
{
    if (!result)
        std::printf(" | %6s %6s %6s %9s %7s", "-", "-", "-", "-", "-");
    else
        std::printf(" | %6.4f %6.4f %5.1f%% %9.0f %7.1f", result->bigrams, result->lengths, 100 * result->copies,
                    result->names_per_second, result->learning_ms);
}

}  // namespace

int main(int argc, char** argv)
{
    int min_count = LearnOptions{}.min_count;
    if (argc == 3 && std::strcmp(argv[1], "--umbral") == 0)
        min_count = std::atoi(argv[2]);
    const char* learners[] = {"gramática con .inicial/.final", "gramática sin ellas", "cadena de orden 2",
                              "cadena de orden 3"};
    std::printf("Para cada planeta: %llu nombres de ejemplo (semilla %llu) y %llu de cada aprendiz frente a %llu del "
                "planeta (semilla %llu); umbral %d.\n"
                "Columnas de cada aprendiz: divergencia de Jensen-Shannon (bits) de los bigramas de letras y de las "
                "longitudes, parte de copias de un ejemplo, nombres/s y ms en aprender (la gramática, en aprenderla y "
                "leerla).\n\n%-10s",
                static_cast<unsigned long long>(example_count), static_cast<unsigned long long>(example_seed),
                static_cast<unsigned long long>(compared_count), static_cast<unsigned long long>(compared_count),
                static_cast<unsigned long long>(planet_seed), min_count, "");
    for (const char* learner : learners)
        std::printf(" | %-44s", learner);
    std::printf("\n%-10s", "planeta");
    for (std::size_t i = 0; i < std::size(learners); ++i)
        std::printf(" | %6s %6s %6s %9s %7s", "bigr.", "long.", "copias", "nombres/s", "ms");
    std::printf("\n");
    std::vector<std::vector<Result>> all(std::size(learners));
    std::string refused;
    std::size_t planets = 0;
    for (const Category& planet : category_table()) {
        if (!planet.grammar)
            continue;
        ++planets;
        const std::vector<std::string> examples = names_of(planet, example_seed, example_count);
        std::string list;
        for (const std::string& example : examples)
            list += example + '\n';
        const Profile profile = profile_of(names_of(planet, planet_seed, compared_count));
        const std::optional<Result> results[] = {
            learned_result(planet, examples, list, profile, min_count, true, refused),
            learned_result(planet, examples, list, profile, min_count, false, refused),
            chain_result(2, examples, profile),
            chain_result(3, examples, profile),
        };
        std::printf("%-10s", std::string(planet.picture_key).c_str());
        for (std::size_t i = 0; i < std::size(results); ++i) {
            print_cell(results[i]);
            if (results[i])
                all[i].push_back(*results[i]);
        }
        std::printf("\n");
    }
    std::printf("%-10s", "media");
    // A mean over some planets alone would not compare with the others.
    for (const std::vector<Result>& results : all) {
        if (results.size() != planets) {
            print_cell(std::nullopt);
            continue;
        }
        Result mean;
        for (const Result& r : results) {
            mean.bigrams += r.bigrams / static_cast<double>(results.size());
            mean.lengths += r.lengths / static_cast<double>(results.size());
            mean.copies += r.copies / static_cast<double>(results.size());
            mean.names_per_second += r.names_per_second / static_cast<double>(results.size());
            mean.learning_ms += r.learning_ms / static_cast<double>(results.size());
        }
        print_cell(mean);
    }
    std::printf("\n");
    if (!refused.empty())
        std::printf("\nUna gramática aprendida que el motor no lee: %s\n", refused.c_str());
}
