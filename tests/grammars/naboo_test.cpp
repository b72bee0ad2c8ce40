#include <gtest/gtest.h>

#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::builds;
using testing::many_names;
using testing::starts_with_capital;
using testing::words_of;

TEST(Naboo, AccentedVowelsEndOnlyTheFirstWordAndDropTheirCoda)
{
    // An accented value before the last syllable gives "a"; in the last one the
    // accent stays and the coda drawn after it is dropped.
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:0 133:30 295:1 264:129 277:1 295:25 264:139 277:130", "Lanré"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:38 133:0 295:2 264:168 277:29 133:0 295:48 264:168 277:48",
                       "Lié Nal"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:87 133:0 295:0 264:164 277:0 133:0 295:275 264:129 277:29",
                       "Aé Trar"));
}

TEST(Naboo, AnAccentedVowelTakesTheCapitalOfItsWord)
{
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:0 133:0 295:0 264:129 277:1", "É"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:37 133:29 295:276 264:164 277:28", "Aé"));
}

TEST(Naboo, EachFormHasItsStartAndJoiners)
{
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:88 133:0 295:263 264:175 277:127", "DuQyoobbs"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:89 133:0 295:275 264:56 277:0 133:0 295:0 264:176 277:277",
                       "Tro DuA"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:90 133:0 295:265 264:1 277:0 133:0 295:266 264:55 277:0 "
                                     "133:0 295:271 264:92 277:0",
                       "Ble Bre 'Kro"));
    EXPECT_TRUE(builds(generator_of("naboo"), "R 91:91 133:133 295:295 264:264 277:277 295:24 264:175 277:130 "
                                     "295:47 264:174 277:129 295:69 264:173 277:128 "
                                     "133:130 295:273 264:140 277:117 295:274 264:149 277:118 "
                                     "295:222 264:153 277:119 295:223 264:154 277:120 "
                                     "133:107 295:90 264:156 277:113 295:91 264:157 277:114",
                       "Alyoorschryunntnyonnd Rhyddstylthiamsjeemt 'Deehtaat"));
}

TEST(Naboo, ManyNamesHaveAccentsOnlyAtTheEndOfTheFirstWord)
{
    for (const std::string& name : many_names(generator_of("naboo"), 20000)) {
        ASSERT_NE(name.back(), ' ') << name;
        const auto words = words_of(name);
        ASSERT_LE(words.size(), 3u) << name;
        const std::string_view first = words.front();
        const std::size_t accent = first.find("é");
        ASSERT_TRUE(accent == std::string_view::npos || accent + 2 == first.size()) << name;
        for (std::size_t i = 1; i < words.size(); ++i) {
            ASSERT_EQ(words[i].find("é"), std::string_view::npos) << name;
            ASSERT_EQ(words[i].find("É"), std::string_view::npos) << name;
            const bool apostrophe = words[i].starts_with('\'');
            ASSERT_TRUE(!apostrophe || (words.size() == 3 && i == 2)) << name;
            ASSERT_TRUE(starts_with_capital(words[i].substr(apostrophe ? 1 : 0))) << name;
        }
    }
}

}  // namespace
}  // namespace quelvarinox
