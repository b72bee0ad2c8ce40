#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::leaves_result_slot_empty;
using testing::many_names;
using testing::Mode;
using testing::starts_with_capital;
using testing::words_of;

TEST(Draenell, PlainNamesHaveOneOrTwoWordsAndFallBackOnE)
{
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:3 16:3 35:1 30:1 32:1 35:33 30:20 32:20 16:0 35:0 30:0 32:0",
                       "Kantruiss E"));
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:8 16:14 35:9 30:10 32:5 35:10 30:11 32:6 16:16 35:29 30:15 32:9 "
                                        "35:30 30:16 32:10 35:31 30:17 32:11",
                       "Drunbos Krysplaershair"));
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:2 16:2 35:35 30:30 32:32", "E"));
}

TEST(Draenell, TopWordCountsEndOneWordWithACompound)
{
    EXPECT_TRUE(builds(generator_of("draenell"),
                       "R 10:9 16:15 35:34 30:21 32:21 35:7 30:13 32:12 35:4 30:5 32:19 R 54:40 45:42",
                       "Edreellwilt Skywalker"));
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:10 16:0 35:32 30:19 32:18 R 54:0 45:0", "Thoick Anglearm"));
}

TEST(Draenell, AlternativeModeGivesOneWordAndACompoundAfterTheWordCountDraw)
{
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:3 16:2 35:22 30:16 32:14 R 54:0 45:0", "Haef Anglearm",
                       Mode::alternative));
    EXPECT_TRUE(builds(generator_of("draenell"), "R 10:0 16:0 35:28 30:18 32:17 R 54:40 45:42", "Ziez Skywalker",
                       Mode::alternative));
}

TEST(Draenell, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("draenell"), "R 10:9 16:0 35:1 30:1 32:0 R 54:40 45:42"));
}

TEST(Draenell, ManyNamesHaveCapitalisedWordsAndNoLooseSpaces)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("draenell"), 5000, mode)) {
            ASSERT_NE(name.back(), ' ') << name;
            const auto words = words_of(name);
            if (mode == Mode::alternative) {
                ASSERT_EQ(words.size(), 2u) << name;
            } else {
                ASSERT_LE(words.size(), 2u) << name;
            }
            for (std::string_view word : words)
                ASSERT_TRUE(starts_with_capital(word)) << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
