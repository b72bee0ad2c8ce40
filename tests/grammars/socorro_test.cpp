#include <regex>

#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::words_of;

TEST(Socorro, DeIsDrawnForEveryWordAndStandsOnlyBeforeTheLast)
{
    EXPECT_TRUE(builds(generator_of("socorro"), "R 25:2 22:1 44:0 104:1 89:1 94:0", "DeLa"));
    EXPECT_TRUE(builds(generator_of("socorro"), "R 25:3 22:1 44:0 104:10 89:23 94:1 44:0 22:1 44:0 104:93 89:65 94:50 44:1",
                       "Dan DeTryia'rrs"));
}

TEST(Socorro, OnlyANonEmptyCodaDrawsItsApostrophe)
{
    EXPECT_TRUE(builds(generator_of("socorro"), "R 25:23 22:0 44:9 104:0 89:64 94:51 22:2 44:10 104:94 89:0 94:10 44:1 "
                                       "104:79 89:89 94:94",
                       "Ieu E'nche"));
    EXPECT_TRUE(builds(generator_of("socorro"), "R 25:24 22:1 44:44 104:83 89:54 94:49 44:2 104:89 89:50 94:0 "
                                       "104:90 89:51 94:11 44:44 22:22 44:35 104:104 89:63 94:45 44:1 "
                                       "104:92 89:66 94:46 44:0 104:88 89:24 94:33 44:1 "
                                       "22:1 44:0 104:86 89:57 94:39 44:1",
                       "Thaatthhiallial Uy'rlsherrgri'nd DeQau'ch"));
}

TEST(Socorro, ManyNamesKeepDeForTheLastWordAndApostrophesInsideWords)
{
    const std::regex word("[A-Z][a-z]*('[a-z]+)*");
    const std::regex last_word("(De)?[A-Z][a-z]*('[a-z]+)*");
    for (const std::string& name : many_names(generator_of("socorro"), 5000)) {
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        for (std::size_t i = 0; i + 1 < words.size(); ++i)
            ASSERT_TRUE(std::regex_match(words[i].begin(), words[i].end(), word)) << name;
        ASSERT_TRUE(std::regex_match(words.back().begin(), words.back().end(), last_word)) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
