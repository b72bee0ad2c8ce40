#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "core/draw_log.h"
#include "core/random_source.h"
#include "tests/support/generator_checks.h"
#include "tests/support/scripted_random.h"

namespace quelvarinox {

// Names a parameter of the tests below by its display text.
void PrintTo(const Category& category, std::ostream* out) { *out << category.display_text; }

namespace {

using testing::Mode;

TEST(CategoryTable, EntriesStandInListOrderWithUniqueTextsAndKeys)
{
    std::set<std::string_view> texts;
    std::set<std::string_view> keys;
    std::size_t position = 0;
    for (const Category& category : category_table()) {
        EXPECT_EQ(position_of(category), ++position) << category.display_text;
        EXPECT_TRUE(texts.insert(category.display_text).second) << category.display_text;
        EXPECT_TRUE(keys.insert(category.picture_key).second) << category.picture_key;
        EXPECT_NE(category.generator, nullptr);
    }
}

TEST(CategoryTable, LookupIsExact)
{
    ASSERT_NE(find_category("Adumar"), nullptr);
    EXPECT_EQ(find_category("Adumar")->picture_key, "adumar");
    EXPECT_EQ(find_category("adumar"), nullptr);
    EXPECT_EQ(find_category(" Adumar"), nullptr);
    EXPECT_EQ(find_category(""), nullptr);
}

// Properties that every generator keeps, whatever its grammar.
class EveryCategory : public ::testing::TestWithParam<Category> {};

TEST_P(EveryCategory, NamesHaveNoLooseSeparatorsInEitherMode)
{
    const Category& category = GetParam();
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        for (const std::string& name : testing::many_names(category.generator, 3000, mode)) {
            ASSERT_FALSE(name.empty());
            ASSERT_NE(name.front(), ' ') << name;
            ASSERT_NE(name.back(), ' ') << name;
            ASSERT_NE(name.back(), '-') << name;
            ASSERT_EQ(name.find("  "), std::string::npos) << name;
        }
    }
}

class EveryNonReader : public ::testing::TestWithParam<Category> {};

TEST_P(EveryNonReader, IgnoresTheAlternativeMode)
{
    const Category& category = GetParam();
    EXPECT_EQ(testing::many_names(category.generator, 200, Mode::normal),
              testing::many_names(category.generator, 200, Mode::alternative));
}

// Every random value a generator uses goes through a logged reseed or draw: playing
// a logged call back gives the same draws and the same name.
TEST_P(EveryCategory, ALoggedCallReplaysToTheSameName)
{
    const Category& category = GetParam();
    SeededRandom random(99);
    DrawLog log;
    GenerationContext ctx(random, &log);
    std::string name;
    for (Mode mode : {Mode::normal, Mode::alternative}) {
        ctx.huevo = mode == Mode::alternative ? "1" : "0";
        for (int i = 0; i < 500; ++i) {
            log.clear();
            category.generator(ctx, name);
            ASSERT_TRUE(testing::builds(category.generator, log.trace(), name, mode));
        }
    }
}

std::string key_of(const ::testing::TestParamInfo<Category>& info) { return std::string(info.param.picture_key); }

std::vector<Category> non_readers()
{
    std::vector<Category> found;
    for (const Category& category : category_table())
        if (!category.reads_huevo)
            found.push_back(category);
    return found;
}

INSTANTIATE_TEST_SUITE_P(Table, EveryCategory, ::testing::ValuesIn(category_table().begin(), category_table().end()),
                         key_of);
INSTANTIATE_TEST_SUITE_P(Table, EveryNonReader, ::testing::ValuesIn(non_readers()), key_of);

}  // namespace
}  // namespace quelvarinox
