#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Kuat, ParticleFormJoinsTwoWordsWithALowerCaseDe)
{
    EXPECT_TRUE(builds(generator_of("kuat"), "R 37:36 50:0 103:93 94:70 104:72 50:46 103:0 94:0 104:0 103:1 94:1 104:1 "
                                    "103:103 94:94 104:104",
                       "Thuersk de Anena"));
    EXPECT_TRUE(builds(generator_of("kuat"), "R 37:35 50:9 103:88 94:63 104:71 50:10 103:89 94:69 104:62 103:92 94:54 "
                                    "104:53",
                       "Qainsk Cruahlsteenn"));
    EXPECT_TRUE(builds(generator_of("kuat"), "R 37:17 50:50 103:94 94:47 104:73 103:12 94:36 104:16 103:13 94:19 104:25",
                       "Onilrel"));
}

TEST(Kuat, ManyNamesHoldDeOnlyBetweenTwoWords)
{
    for (const std::string& name : many_names(generator_of("kuat"), 5000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        if (words.size() == 3) {
            ASSERT_EQ(words[1], "de") << name;
        }
        ASSERT_TRUE(starts_with_capital(words.front())) << name;
        ASSERT_TRUE(starts_with_capital(words.back())) << name;
    }
}

}  // namespace
}  // namespace quelvarinox
