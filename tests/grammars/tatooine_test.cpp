#include <regex>
#include <string>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::leaves_result_slot_empty;
using testing::many_names;
using testing::Mode;
using testing::words_of;

TEST(Tatooine, McIsDrawnForEveryWordAndGluedOnlyToTheLast)
{
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:56 111:1 168:0 358:1 315:1 352:1", "McLen"));
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:57 111:1 168:43 358:333 315:228 352:176 "
                                        "111:1 168:44 358:0 315:220 352:0 149:3 358:331 315:0 352:177",
                       "Shmuoyhrr Mc'-Blla"));
}

TEST(Tatooine, LaterSyllablesDrawAHyphenThatThreeCapitalises)
{
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:110 111:0 168:142 358:0 315:220 352:41 149:0 358:32 315:74 352:42 "
                                        "111:2 168:143 358:297 315:223 352:154 149:1 358:0 315:315 352:352 "
                                        "149:2 358:327 315:201 352:0",
                       "'n-ror Thaieggs-aphou"));
}

TEST(Tatooine, ApostropheVowelSpendsTheCapital)
{
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:0 111:111 168:168 358:313 315:220 352:0 149:3 358:0 315:220 352:0 "
                                        "149:4 358:1 315:1 352:0",
                       "Sh'-'le"));
}

TEST(Tatooine, CompoundFormNeverTakesMc)
{
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:111 111:1 168:0 358:62 315:1 352:0 R 54:40 45:42", "Re Skywalker"));
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:126 111:0 168:0 358:0 315:315 352:0 R 54:0 45:0", "A Anglearm"));
    EXPECT_TRUE(builds(generator_of("tatooine"), "R 126:57 111:1 168:0 358:114 315:73 352:92 R 54:47 45:39", "Bel Twosuns",
                       Mode::alternative));
}

TEST(Tatooine, ResultSlotIsEmptyAfterTheCompound)
{
    EXPECT_TRUE(leaves_result_slot_empty(generator_of("tatooine"), "R 126:111 111:1 168:0 358:62 315:1 352:0 R 54:40 45:42"));
}

TEST(Tatooine, ManyNamesKeepHyphensBetweenSyllablesAndMcOnTheLastWord)
{
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : many_names(generator_of("tatooine"), 5000, mode)) {
            const auto words = words_of(name);
            ASSERT_LE(words.size(), 2u) << name;
            if (mode == Mode::alternative) {
                ASSERT_EQ(words.size(), 2u) << name;
            }
            for (std::size_t i = 0; i < words.size(); ++i) {
                std::string_view word = words[i];
                if (word.starts_with("Mc")) {
                    ASSERT_EQ(i + 1, words.size()) << name;
                    word.remove_prefix(2);
                }
                ASSERT_FALSE(word.empty()) << name;
                ASSERT_NE(word.front(), '-') << name;
                ASSERT_NE(word.back(), '-') << name;
                ASSERT_EQ(word.find("--"), std::string_view::npos) << name;
            }
        }
    }
}

}  // namespace
}  // namespace quelvarinox
