#include <chrono>
#include <sstream>
#include <string>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "categories/category_table.h"
#include "cli/line_format.h"
#include "cli/name_condition.h"
#include "cli/name_set.h"
#include "cli/progress.h"
#include "cli/run_out.h"
#include "cli/text_folding.h"

namespace quelvarinox::cli {
namespace {

TEST(Conditions, CountLettersAndCompareStartsWithoutCaseOrAccents)
{
    EXPECT_EQ(folded("Élan ÑANDÚ Çà x-Y'z Ø"), "elan nandu ca x-y'z o");
    const LetterCount two_or_three(2, 3);
    const StartsWith prefix("élA");
    const NotListed listed({"Ana"}, "lista");
    const std::pair<const NameCondition*, const char*> admitting[] = {
        {&two_or_three, "Éa"}, {&two_or_three, "Abc"}, {&prefix, "Elan"}, {&prefix, "ÉLÁ"}, {&listed, "ana"}};
    const std::pair<const NameCondition*, const char*> refusing[] = {
        {&two_or_three, "É"}, {&two_or_three, "Abcd"}, {&prefix, "El"}, {&prefix, "Belan"}, {&listed, "Ana"}};
    for (const auto& [condition, name] : admitting)
        EXPECT_TRUE(condition->admits(name)) << condition->unmet() << ": " << name;
    for (const auto& [condition, name] : refusing)
        EXPECT_FALSE(condition->admits(name)) << condition->unmet() << ": " << name;
    EXPECT_TRUE(LetterCount(std::nullopt, 1).admits("A"));
    EXPECT_EQ(two_or_three.unmet() + "|" + LetterCount(4, std::nullopt).unmet() + "|" +
                  LetterCount(std::nullopt, 1).unmet() + "|" + prefix.unmet() + "|" + listed.unmet(),
              "de entre 2 y 3 letras|de 4 letras o más|de 1 letra o menos|que empiecen por «élA»|"
              "que no estén en «lista»");
}

// Each name once, through many growths of the table: the empty one, names past
// 255 bytes, names that are the start of others; no name that was not added.
TEST(Conditions, ANameSetHoldsWhatWasAddedAndNothingElse)
{
    const auto added = [](int i) { return std::to_string(i) + std::string(i % 300, 'x'); };
    const auto other = [](int i) { return std::to_string(i) + std::string(i % 300 + 1, 'x'); };
    NameSet set{"", "Ana"};
    for (int round = 0; round < 3; ++round)
        for (int i = 0; i < 30000; ++i)
            set.insert(added(i));
    EXPECT_EQ(set.size(), 30002u);
    for (int i = 0; i < 30000; ++i) {
        ASSERT_TRUE(set.contains(added(i))) << added(i);
        ASSERT_FALSE(set.contains(other(i))) << other(i);
    }
    for (const auto& [name, held] : {std::pair("", true), {"Ana", true}, {"An", false}, {"Anas", false}})
        EXPECT_EQ(set.contains(name), held) << name;
    EXPECT_FALSE(NameSet().contains(""));
}

TEST(Conditions, OffensiveWordsAreTurnedDownInBothLanguages)
{
    const WithoutOffensiveWords clean;
    for (const char* offensive : {"Puta", "Culo Tharis", "Kel Cabron", "CABRÓN", "Hijo de Puta", "Fuckar", "Ass",
                                  "Shitos", "Pesal-Mierda", "Gilipollas", "Dildo", "Vel Coño"})
        EXPECT_FALSE(clean.admits(offensive)) << offensive;
    for (const char* fine : {"Pesal Tharis", "Cassara", "Asser", "Bruce", "Concho Dae", "Hijo Dep Uta", "Kel"})
        EXPECT_TRUE(clean.admits(fine)) << fine;
    EXPECT_EQ(clean.unmet(), "sin palabras malsonantes");
}

const detail::Category& draenell() { return *detail::find_category_by_name("draenell"); }

std::string line_of(Format format, std::string_view name, bool labelled = false, bool traced = true)
{
    std::string out;
    make_line_format(format, labelled, traced)->append({draenell(), name, 7, 3, "R 9:1"}, out);
    return out;
}

TEST(LineFormats, QuoteWhatNeedsIt)
{
    EXPECT_EQ(line_of(Format::text, "Kel", true), "Draenell's point\tKel\tR 9:1\n");
    EXPECT_EQ(line_of(Format::text, "Kel", false, false), "Kel\n");
    EXPECT_EQ(line_of(Format::tsv, "Kel"), "Draenell's point\tKel\t7\t3\tR 9:1\n");
    EXPECT_EQ(line_of(Format::csv, "Kel, \"el\"\n"), "Draenell's point,\"Kel, \"\"el\"\"\n\",7,3,R 9:1\r\n");
    EXPECT_EQ(make_line_format(Format::csv, false, false)->header(), "categoria,nombre,semilla,indice\r\n");
    EXPECT_EQ(make_line_format(Format::tsv, false, true)->header(), "categoria\tnombre\tsemilla\tindice\ttraza\n");
    EXPECT_EQ(make_line_format(Format::json, false, true)->header(), "");
    EXPECT_EQ(line_of(Format::json, "Kel"),
              R"({"categoria":"Draenell's point","nombre":"Kel","semilla":"7","indice":3,"traza":"R 9:1"})" "\n");
}

// Our JSON strings are what a well-kept library writes for the same text.
TEST(LineFormats, JsonStringsMatchALibrarysOwn)
{
    for (const std::string& text : {std::string("Kel"), std::string("d'Avor \"el\" \\ / Ñandú"),
                                   std::string("\b\f\n\r\t\x01\x1f\x7f"), std::string(1, '\0') + "x"}) {
        std::string ours;
        append_json_string(text, ours);
        EXPECT_EQ(ours, nlohmann::json(text).dump()) << text;
    }
}

TEST(RunOutJudge, GivesUpOnlyWhenTheOwedNamesHaveBecomeTooRare)
{
    constexpr std::uint64_t window = RunOutJudge::window;
    RunOutJudge judge;
    EXPECT_FALSE(judge.observe(window - 1, 0, 10));
    EXPECT_EQ(judge.observe(1, 0, 10), "de los últimos 4194304 intentos no pasó ninguno");
    // At a rate of 10 a window, the patience of 2^30 attempts covers 2560 owed names.
    EXPECT_FALSE(judge.observe(window, 10, 2560));
    EXPECT_EQ(judge.observe(window, 10, 2561),
              "de los últimos 4194304 intentos solo pasaron 10, y a ese ritmo faltarían unos 1074 millones de intentos");
    EXPECT_FALSE(judge.observe(window, 0, 0));
}

TEST(Progress, ShowsOnATerminalAfterTwoSecondsOnly)
{
    const auto start = Progress::Clock::now();
    std::ostringstream quiet, shown;
    Progress(quiet, false, 100, start).update(50, start + std::chrono::seconds(10));
    EXPECT_EQ(quiet.str(), "");
    {
        Progress on(shown, true, 4'000'000, start);
        on.update(1, start + std::chrono::seconds(1));
        EXPECT_EQ(shown.str(), "");
        on.update(2'000'000, start + std::chrono::seconds(2));
        EXPECT_NE(shown.str().find("\r2000000 de 4000000 nombres, 1.00 millones por segundo, quedan 2 s"),
                  std::string::npos)
            << shown.str();
    }
    EXPECT_TRUE(shown.str().ends_with("\r\x1b[K"));
}

}  // namespace
}  // namespace quelvarinox::cli
