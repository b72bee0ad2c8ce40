#include <cstring>
#include <functional>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "quelvarinox/quelvarinox.h"
#include "quelvarinox/quelvarinox.hpp"

namespace {

class CApi : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(quelvarinox_generator_new_seeded(7, &generator), QUELVARINOX_OK); }
    void TearDown() override { quelvarinox_generator_free(generator); }

    quelvarinox_generator* generator = nullptr;
    char buffer[256] = {};
    size_t needed = 0;
};

// Callers compare against the numbers, which never change; each has its message.
TEST_F(CApi, StatusesKeepTheirNumbersAndMessages)
{
    const std::vector<std::pair<quelvarinox_status, int>> numbers = {
        {QUELVARINOX_OK, 0}, {QUELVARINOX_UNKNOWN_CATEGORY, 1}, {QUELVARINOX_BUFFER_TOO_SMALL, 2},
        {QUELVARINOX_INVALID_ARGUMENT, 3}, {QUELVARINOX_OUT_OF_MEMORY, 4}};
    std::set<std::string> messages{quelvarinox_status_message(static_cast<quelvarinox_status>(99))};
    for (const auto& [status, number] : numbers) {
        EXPECT_EQ(static_cast<int>(status), number);
        messages.insert(quelvarinox_status_message(status));
    }
    EXPECT_EQ(messages.size(), numbers.size() + 1);
    EXPECT_STREQ(quelvarinox_status_message(QUELVARINOX_UNKNOWN_CATEGORY), "La categoría no es ninguna de la lista.");
}

TEST_F(CApi, ListsTheCategoriesOfTheCppInterface)
{
    const auto& expected = quelvarinox::categories();
    ASSERT_EQ(quelvarinox_category_count(), expected.size());
    quelvarinox_category category{};
    for (size_t i = 0; i < expected.size(); ++i) {
        ASSERT_EQ(quelvarinox_category_at(i, &category), QUELVARINOX_OK);
        EXPECT_EQ(category.display_text, expected[i].display_text);
        EXPECT_EQ(category.key, expected[i].key);
        EXPECT_EQ(category.description, expected[i].description);
        EXPECT_EQ(category.reads_alternative_mode != 0, expected[i].reads_alternative_mode) << category.key;
    }
    EXPECT_EQ(quelvarinox_category_at(expected.size(), &category), QUELVARINOX_INVALID_ARGUMENT);
}

// The same names and traces as the C++ generator of the same seed, which the
// tool's are checked against.
TEST_F(CApi, MakesTheNamesAndTracesOfTheCppInterface)
{
    quelvarinox::Generator expected(7);
    for (const int alternative : {0, 1}) {
        for (const char* category : {"Tatooine", " VARKH"}) {
            ASSERT_EQ(quelvarinox_name(generator, category, alternative, buffer, sizeof buffer, &needed), QUELVARINOX_OK);
            EXPECT_EQ(buffer, expected.name(category, alternative != 0));
            EXPECT_EQ(needed, std::strlen(buffer) + 1);
            ASSERT_EQ(quelvarinox_last_trace(generator, buffer, sizeof buffer, nullptr), QUELVARINOX_OK);
            EXPECT_EQ(buffer, expected.last_trace());
        }
    }
    ASSERT_EQ(quelvarinox_name_at(generator, "jedi", 9, 0, buffer, sizeof buffer, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(buffer, expected.name_at("jedi", 9));
    ASSERT_EQ(quelvarinox_name(generator, "jedi", 0, buffer, sizeof buffer, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(buffer, expected.name("jedi"));
}

TEST_F(CApi, DrawnSeedMakesTheSameNamesAgain)
{
    quelvarinox_generator* drawn = nullptr;
    ASSERT_EQ(quelvarinox_generator_new(&drawn), QUELVARINOX_OK);
    uint64_t seed = 0;
    ASSERT_EQ(quelvarinox_generator_seed(drawn, &seed), QUELVARINOX_OK);
    ASSERT_EQ(quelvarinox_name(drawn, "jedi", 0, buffer, sizeof buffer, nullptr), QUELVARINOX_OK);
    quelvarinox_generator_free(drawn);
    EXPECT_EQ(buffer, quelvarinox::Generator(seed).name("jedi"));
    ASSERT_EQ(quelvarinox_generator_seed(generator, &seed), QUELVARINOX_OK);
    EXPECT_EQ(seed, 7U);
}

// A buffer one byte short gets nothing and says what it needs; the name stays
// the next one, and its trace is there already.
TEST_F(CApi, BufferTooSmallLeavesTheBufferAndTheCountAlone)
{
    quelvarinox::Generator expected(7);
    const std::string first = expected.name("Garos IV");
    ASSERT_EQ(quelvarinox_name(generator, "garos", 0, nullptr, 0, &needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(needed, first.size() + 1);
    std::memset(buffer, 'x', sizeof buffer);
    EXPECT_EQ(quelvarinox_name(generator, "garos", 0, buffer, first.size(), &needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(buffer[0], 'x');
    EXPECT_EQ(quelvarinox_last_trace(generator, buffer, 1, &needed), QUELVARINOX_BUFFER_TOO_SMALL);
    EXPECT_EQ(needed, expected.last_trace().size() + 1);
    EXPECT_EQ(quelvarinox_name_at(generator, "garos", 1, 0, buffer, first.size(), nullptr),
              QUELVARINOX_BUFFER_TOO_SMALL);
    ASSERT_EQ(quelvarinox_name(generator, "garos", 0, buffer, first.size() + 1, nullptr), QUELVARINOX_OK);
    EXPECT_EQ(buffer, first);
}

TEST_F(CApi, RejectsUnknownCategoriesNullPointersAndIndexZero)
{
    char* const out = buffer;
    const size_t size = sizeof buffer;
    uint64_t seed = 0;
    const std::vector<std::pair<quelvarinox_status, std::function<quelvarinox_status()>>> calls = {
        {QUELVARINOX_UNKNOWN_CATEGORY, [&] { return quelvarinox_name(generator, "Tatooin", 0, out, size, nullptr); }},
        {QUELVARINOX_UNKNOWN_CATEGORY, [&] { return quelvarinox_name_at(generator, "", 1, 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name_at(generator, "jedi", 0, 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name(nullptr, "jedi", 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name(generator, nullptr, 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name(generator, "jedi", 0, nullptr, 1, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name_at(nullptr, "jedi", 1, 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name_at(generator, nullptr, 1, 0, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_name_at(generator, "jedi", 1, 0, nullptr, 1, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_last_trace(nullptr, out, size, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_last_trace(generator, nullptr, 1, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_generator_seed(nullptr, &seed); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_generator_seed(generator, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_generator_new(nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_generator_new_seeded(7, nullptr); }},
        {QUELVARINOX_INVALID_ARGUMENT, [&] { return quelvarinox_category_at(0, nullptr); }},
    };
    for (std::size_t i = 0; i < calls.size(); ++i)
        EXPECT_EQ(calls[i].second(), calls[i].first) << "call " << i;
    // None of them made a name.
    EXPECT_EQ(quelvarinox_last_trace(generator, buffer, sizeof buffer, &needed), QUELVARINOX_OK);
    EXPECT_EQ(needed, 1U);
    quelvarinox_generator_free(nullptr);
}

}  // namespace
