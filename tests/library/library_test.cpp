#include <cstring>
#include <limits>
#include <set>

#include <gtest/gtest.h>

#include "quelvarinox/quelvarinox.h"
#include "quelvarinox/quelvarinox.hpp"
#include "tests/cli/cli_runner.h"

namespace quelvarinox {
namespace {

using namespace testing;

// A seed above 2^63, so that a seed cut to fewer bits shows.
constexpr std::uint64_t seed = 18446744073709551557ULL;

// The C interface with the C++ one's calls, so that the same tests run on both. A
// call that fails gives its status's message instead of a text.
struct CGenerator {
    CGenerator() { EXPECT_EQ(quelvarinox_generator_new(&g), QUELVARINOX_OK); }
    explicit CGenerator(std::uint64_t seed) { EXPECT_EQ(quelvarinox_generator_new_seeded(seed, &g), QUELVARINOX_OK); }
    CGenerator(const CGenerator&) = delete;
    ~CGenerator() { quelvarinox_generator_free(g); }

    uint64_t seed() const { uint64_t s = 0; return quelvarinox_generator_seed(g, &s) == QUELVARINOX_OK ? s : 0; }
    std::string name(std::string_view category, bool alternative = false) { return name_at(category, 0, alternative); }
    std::vector<std::string> names(std::string_view category, std::size_t count, bool alternative = false)
    {
        std::vector<std::string> names(count);
        for (std::string& each : names)
            each = name(category, alternative);
        return names;
    }
    // Index 0 stands for the next name.
    std::string name_at(std::string_view category, std::uint64_t index, bool alternative = false)
    {
        const std::string c(category);
        return text(index ? quelvarinox_name_at(g, c.c_str(), index, alternative, out, sizeof out, &needed)
                          : quelvarinox_name(g, c.c_str(), alternative, out, sizeof out, &needed));
    }
    std::string last_trace() { return text(quelvarinox_last_trace(g, out, sizeof out, &needed)); }
    std::string text(quelvarinox_status s) const { return s == QUELVARINOX_OK ? out : quelvarinox_status_message(s); }

    quelvarinox_generator* g = nullptr;
    char out[256] = {};
    size_t needed = 0;
};

template <typename Maker> class Generators : public ::testing::Test {};
using Makers = ::testing::Types<Generator, CGenerator>;
TYPED_TEST_SUITE(Generators, Makers);

// Each category keeps its own count while the others are asked for in between:
// its first name comes from name(), the next two from names(), and name_at()
// gives the second again, each with the tool's line: the category, the name and
// its trace. The first mode goes through the default arguments. The last
// index is the tool's too.
TYPED_TEST(Generators, GiveTheToolsSeededNamesAndTracesInBothModes)
{
    for (const bool alternative : {false, true}) {
        const auto tool = lines_of(run_cli("-n 3 --traza -s " + std::to_string(seed) + (alternative ? " -a" : "")).out);
        ASSERT_EQ(tool.size(), 3 * categories().size());
        TypeParam generator(seed);
        EXPECT_EQ(generator.seed(), seed);
        EXPECT_EQ(generator.last_trace(), "");
        const auto line = [&](std::size_t i, const std::string& name) {
            return std::string(categories()[i].display_text) + '\t' + name + '\t' + generator.last_trace();
        };
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const std::string_view key = categories()[i].key;
            EXPECT_EQ(line(i, alternative ? generator.name(key, true) : generator.name(key)), tool[3 * i]);
        }
        for (std::size_t i = 0; i < categories().size(); ++i) {
            const std::string_view key = categories()[i].key, text = categories()[i].display_text;
            const auto next = alternative ? generator.names(text, 2, true) : generator.names(text, 2);
            EXPECT_EQ(line(i, next.at(1)), tool[3 * i + 2]);
            const std::string second = alternative ? generator.name_at(key, 2, true) : generator.name_at(key, 2);
            EXPECT_EQ(line(i, second), tool[3 * i + 1]);
            EXPECT_EQ(next.at(0), second) << key;
        }
        constexpr std::uint64_t last = std::numeric_limits<std::uint64_t>::max();
        const auto at_last = lines_of(run_cli("--traza --desde " + std::to_string(last) + " -s " +
                                              std::to_string(seed) + (alternative ? " -a" : "")).out);
        ASSERT_EQ(at_last.size(), categories().size());
        for (std::size_t i = 0; i < categories().size(); ++i)
            EXPECT_EQ(line(i, generator.name_at(categories()[i].key, last, alternative)), at_last[i]);
    }
}

// However the category is written.
TYPED_TEST(Generators, DrawnSeedMakesTheSameNamesAgain)
{
    TypeParam drawn;
    EXPECT_NE(TypeParam().seed(), drawn.seed());
    EXPECT_EQ(TypeParam(drawn.seed()).names("jedi", 5), drawn.names(" JEDI", 5));
}

// The C++ list is the Python module's, which is checked against the tool's.
TEST(Categories, ListAsTheToolDoesInTheCApi)
{
    const auto listed = lines_of(run_cli("--lista").out);
    ASSERT_EQ(quelvarinox_category_count(), listed.size());
    quelvarinox_category c{};
    for (std::size_t i = 0; i < listed.size(); ++i) {
        ASSERT_EQ(quelvarinox_category_at(i, &c), QUELVARINOX_OK);
        EXPECT_EQ(listed[i], std::to_string(i + 1) + '\t' + c.display_text + '\t' + c.key +
                                 (c.reads_alternative_mode ? "\tsí" : "\tno"));
        EXPECT_EQ(c.description, categories().at(i).description) << c.key;
    }
    EXPECT_EQ(quelvarinox_category_at(listed.size(), &c), QUELVARINOX_INVALID_ARGUMENT);
}

// Both interfaces give the version the tool shows.
TEST(Version, IsTheTools)
{
    EXPECT_EQ(run_cli("--version").out, "quelvarinox-nombres " + std::string(version()) + "\n");
    EXPECT_EQ(version(), quelvarinox_version());
}

// Callers compare against the numbers of the statuses: they never change.
static_assert(QUELVARINOX_OK == 0);
static_assert(QUELVARINOX_UNKNOWN_CATEGORY == 1);
static_assert(QUELVARINOX_BUFFER_TOO_SMALL == 2);
static_assert(QUELVARINOX_INVALID_ARGUMENT == 3);
static_assert(QUELVARINOX_OUT_OF_MEMORY == 4);

// Each status, and a number that is none, has a message of its own.
TEST(CApi, EveryStatusHasItsMessage)
{
    std::set<std::string> messages;
    for (int number = 0; number <= 5; ++number)
        messages.insert(quelvarinox_status_message(static_cast<quelvarinox_status>(number)));
    EXPECT_EQ(messages.size(), 6U);
}

// A buffer one byte short gets nothing and says what it needs; the name stays
// the next one, and its trace is there already.
TEST(CApi, BufferTooSmallLeavesTheBufferAndTheCountAlone)
{
    Generator expected(7);
    const std::string first = expected.name("Garos IV");
    CGenerator c(7);
    ASSERT_EQ(quelvarinox_name(c.g, "garos", 0, nullptr, 0, &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.needed, first.size() + 1);
    std::memset(c.out, 'x', sizeof c.out);
    EXPECT_EQ(quelvarinox_name(c.g, "garos", 0, c.out, first.size(), &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.out[0], 'x');
    EXPECT_EQ(quelvarinox_last_trace(c.g, c.out, 1, &c.needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(c.needed, expected.last_trace().size() + 1);
    EXPECT_EQ(quelvarinox_name_at(c.g, "garos", 1, 0, c.out, first.size(), nullptr), QUELVARINOX_BUFFER_TOO_SMALL);
    ASSERT_EQ(quelvarinox_name(c.g, "garos", 0, c.out, first.size() + 1, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(c.out, first);
}

// The C++ interface throws, the C one says so, and a call rejected makes no name.
TEST(Generator, RejectsUnknownCategoriesIndexZeroAndInTheCApiNullPointers)
{
    Generator generator(7);
    EXPECT_THROW(generator.name(" Naboo IV "), UnknownCategory);
    EXPECT_STREQ(UnknownCategory(" Naboo IV ").what(), "categoría desconocida: « Naboo IV »");
    EXPECT_THROW(generator.names("", std::numeric_limits<std::size_t>::max()), UnknownCategory);
    EXPECT_THROW(generator.for_each_name("jed", 1, false, {}), UnknownCategory);
    EXPECT_THROW(generator.name_at("nada", 1), UnknownCategory);
    EXPECT_THROW(generator.name_at("jedi", 0), std::invalid_argument);
    CGenerator c(7);
    quelvarinox_generator* const g = c.g;
    char* const out = c.out;
    uint64_t seed = 0;
    EXPECT_EQ(c.name("Tatooin"), quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY));
    EXPECT_EQ(c.name_at("", 1), quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY));
    const std::vector<quelvarinox_status> invalid = {
        quelvarinox_name_at(g, "jedi", 0, 0, out, 9, nullptr), quelvarinox_name(nullptr, "jedi", 0, out, 9, nullptr),
        quelvarinox_name(g, nullptr, 0, out, 9, nullptr), quelvarinox_name(g, "jedi", 0, nullptr, 1, nullptr),
        quelvarinox_name_at(nullptr, "jedi", 1, 0, out, 9, nullptr), quelvarinox_generator_seed(nullptr, &seed),
        quelvarinox_name_at(g, nullptr, 1, 0, out, 9, nullptr), quelvarinox_name_at(g, "jedi", 1, 0, nullptr, 1, nullptr),
        quelvarinox_last_trace(nullptr, out, 9, nullptr), quelvarinox_last_trace(g, nullptr, 1, nullptr),
        quelvarinox_generator_seed(g, nullptr), quelvarinox_generator_new(nullptr),
        quelvarinox_generator_new_seeded(7, nullptr), quelvarinox_category_at(0, nullptr)};
    EXPECT_EQ(invalid, std::vector<quelvarinox_status>(invalid.size(), QUELVARINOX_INVALID_ARGUMENT));
    EXPECT_EQ(c.last_trace(), "");
    quelvarinox_generator_free(nullptr);
}

}  // namespace
}  // namespace quelvarinox
