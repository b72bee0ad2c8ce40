#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "cli/options.h"

namespace quelvarinox::cli {
namespace {

ParsedOptions parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "quelvarinox-nombres");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return parse_options(static_cast<int>(arguments.size()), argv.data());
}

TEST(Options, DefaultsAreOneNameOfEveryCategory)
{
    const ParsedOptions parsed = parse({});
    EXPECT_EQ(parsed.error, "");
    EXPECT_FALSE(parsed.options.category);
    EXPECT_EQ(parsed.options.count, 1u);
    EXPECT_FALSE(parsed.options.seed);
    EXPECT_FALSE(parsed.options.alternative || parsed.options.unique || parsed.options.trace);
}

TEST(Options, ShortLongJoinedAndClusteredFormsAllWork)
{
    const ParsedOptions parsed = parse({"-au", "-n5", "--semilla=12", "--categoria", "Garos IV", "--traza"});
    ASSERT_EQ(parsed.error, "");
    EXPECT_TRUE(parsed.options.alternative);
    EXPECT_TRUE(parsed.options.unique);
    EXPECT_TRUE(parsed.options.trace);
    EXPECT_EQ(parsed.options.count, 5u);
    EXPECT_EQ(parsed.options.seed, 12u);
    EXPECT_EQ(parsed.options.category, "Garos IV");
}

TEST(Options, ParsingTwiceInOneProcessStartsAfresh)
{
    EXPECT_EQ(parse({"-n", "3"}).options.count, 3u);
    EXPECT_EQ(parse({"-n", "4"}).options.count, 4u);
}

TEST(WholeNumbers, AcceptOnlyDigitsUpToTheMaximum)
{
    EXPECT_EQ(parse_whole_number("0", 10, "La cantidad").value, 0u);
    EXPECT_EQ(parse_whole_number("10", 10, "La cantidad").value, 10u);
    EXPECT_EQ(parse_whole_number("18446744073709551615", UINT64_MAX, "La semilla").value, UINT64_MAX);
    for (const char* bad : {"", "+1", " 1", "1 ", "1e3", "0x10", "٣", "-", "1-"})
        EXPECT_NE(parse_whole_number(bad, 10, "La cantidad").error.find("no es un número entero"), std::string::npos)
            << bad;
    EXPECT_NE(parse_whole_number("11", 10, "La cantidad").error.find("demasiado grande"), std::string::npos);
    EXPECT_NE(parse_whole_number("-0", 10, "La cantidad").error.find("negativa"), std::string::npos);
}

}  // namespace
}  // namespace quelvarinox::cli
