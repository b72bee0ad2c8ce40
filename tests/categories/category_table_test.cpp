#include <algorithm>
#include <cctype>
#include <string>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "engine/builtin_grammars.h"
#include "engine/grammar_loader.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

void PrintTo(const Category& category, std::ostream* out) { *out << category.display_text; }

namespace {

std::string lowercase(std::string_view text)
{
    std::string lower(text);
    for (char& c : lower)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return lower;
}

// The window's lookup is exact; only the tool's and the library's forgive case
// and blanks (their tests name categories both ways).
TEST(CategoryTable, LooksCategoriesUpByTheirNames)
{
    for (const Category& category : category_table()) {
        std::string shouted(category.display_text);
        for (char& c : shouted)
            c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        EXPECT_EQ(std::pair(find_category(category.display_text), find_category_by_name(" \t" + shouted + "\n ")),
                  std::pair(&category, &category));
        EXPECT_EQ(find_category(shouted), shouted == category.display_text ? &category : nullptr) << shouted;
    }
    const auto grammars = std::count_if(category_table().begin(), category_table().end(),
                                        [](const Category& category) { return category.grammar != nullptr; });
    EXPECT_EQ(static_cast<std::size_t>(grammars), builtin_grammar_texts().size()) << "every grammar file is listed";
    for (const char* nothing : {"", "   ", "Adumarx", "adu mar"})
        EXPECT_EQ(find_category_by_name(nothing), nullptr) << nothing;
}

// A hereda that names a category of the list, by its key or by its name,
// inherits its grammar, or says that a program makes its names: the engine's
// list of the programs' names is the table's.
TEST(CategoryTable, AGrammarInheritsEveryCategoryThatHasOne)
{
    for (const Category& category : category_table())
        for (const std::string_view name : {category.picture_key, category.display_text}) {
            if (name.find_first_of(". ") != std::string_view::npos || name != lowercase(name))
                continue;
            const GrammarLoad load = load_grammar("hereda = \"" + std::string(name) + "\"\nnombre = \"H\"\nclave = \"h\"\n");
            EXPECT_EQ(placed("", load.mistakes), category.grammar ? "" : "1:10: «" + std::string(name) +
                                                                        "» es un programa, no una gramática: no se "
                                                                        "puede heredar")
                << name;
        }
}

class EveryCategory : public ::testing::TestWithParam<Category> {};

// What every name keeps, whatever its grammar, in either mode.
TEST_P(EveryCategory, MakesWellFormedNames)
{
    const Category& category = GetParam();
    NameMaker maker(2024);
    for (const bool alternative : {false, true}) {
        for (std::uint64_t index = 1; index <= 3000; ++index) {
            const std::string& name = maker.make(category, index, alternative);
            ASSERT_FALSE(name.empty());
            ASSERT_TRUE(utf8_length(name)) << name;
            ASSERT_EQ(name.find_first_of("\t\n\r"), std::string::npos) << name;
            ASSERT_EQ(std::string(" -").find(name.front()), std::string::npos) << name;
            ASSERT_EQ(std::string(" -/").find(name.back()), std::string::npos) << name;
            ASSERT_EQ(name.find("  "), std::string::npos) << name;
            ASSERT_NE(name, "Darth") << name;
        }
    }
    std::string trace;
    maker.append_trace(trace);
    EXPECT_EQ(trace, "") << "a maker asked for no trace logs no draws";
}

// The table's flag says whether the generator reads the alternative mode: with
// the same draws, a generator that reads it must change some names, and one that
// does not must change none.
TEST_P(EveryCategory, ReadsTheAlternativeModeExactlyWhenItsFlagSaysSo)
{
    const Category& category = GetParam();
    NameMaker normal(77);
    NameMaker alternative(77);
    int changed = 0;
    for (std::uint64_t index = 1; index <= 300; ++index)
        changed += normal.make(category, index, false) != alternative.make(category, index, true);
    if (category.reads_huevo)
        EXPECT_GT(changed, 0) << "the flag says it reads the mode, but no name changes";
    else
        EXPECT_EQ(changed, 0) << "the flag says it ignores the mode, but names change";
}

INSTANTIATE_TEST_SUITE_P(Table, EveryCategory, ::testing::ValuesIn(category_table().begin(), category_table().end()),
                         [](const ::testing::TestParamInfo<Category>& info) {
                             return std::string(info.param.picture_key);
                         });

}  // namespace
}  // namespace quelvarinox::detail
