#include <set>
#include <string>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "tests/cli/cli_runner.h"
#include "tests/support/generator_checks.h"

namespace quelvarinox {
namespace {

using testing::generator_of;

using testing::lines_of;
using testing::run_cli;
using testing::run_shell;

TEST(Nombres, GivesTheRequestedNumberOfNamesOnePerLine)
{
    const auto result = run_cli("-c Adumar -n 25");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.err, "");
    const auto lines = lines_of(result.out);
    ASSERT_EQ(lines.size(), 25u);
    for (const std::string& line : lines) {
        EXPECT_FALSE(line.empty());
        EXPECT_EQ(line.find('\t'), std::string::npos) << line;
    }
    EXPECT_EQ(lines_of(run_cli("-c Adumar").out).size(), 1u);
    const auto none = run_cli("-c Adumar -n 0");
    EXPECT_EQ(none.status, 0);
    EXPECT_EQ(none.out, "");
}

TEST(Nombres, FindsACategoryByTextOrKeyInAnyCase)
{
    for (const char* name : {"Adumar", "adumar", "ADUMAR", "'  aDuMaR  '", "--categoria=adumar"}) {
        const std::string arguments = std::string(name).starts_with("--") ? name : std::string("-c ") + name;
        const auto result = run_cli(arguments + " -s 3");
        EXPECT_EQ(result.status, 0) << name << result.err;
        EXPECT_EQ(result.out, run_cli("-c Adumar -s 3").out) << name;
    }
}

TEST(Nombres, TheSameSeedGivesTheSameNames)
{
    const auto seven = run_cli("-c Adumar -n 200 -s 7");
    EXPECT_EQ(seven.out, run_cli("-c Adumar -n 200 -s 7").out);
    EXPECT_EQ(seven.out, run_cli("--semilla 7 --cantidad 200 --categoria adumar").out);
    EXPECT_NE(seven.out, run_cli("-c Adumar -n 200 -s 8").out);
    EXPECT_NE(run_cli("-c Adumar -n 50").out, run_cli("-c Adumar -n 50").out);
    EXPECT_EQ(run_cli("-c Adumar -s 18446744073709551615").status, 0);
}

TEST(Nombres, WithoutACategoryGivesOneNameOfEachInTableOrder)
{
    const auto lines = lines_of(run_cli("-s 1").out);
    const auto table = category_table();
    ASSERT_EQ(lines.size(), table.size());
    for (std::size_t i = 0; i < table.size(); ++i) {
        const std::string prefix = std::string(table[i].display_text) + "\t";
        EXPECT_TRUE(lines[i].starts_with(prefix)) << lines[i];
        EXPECT_GT(lines[i].size(), prefix.size()) << lines[i];
    }
}

// Each trace, played back through a scripted source, makes the same draws and
// the same name: the trace is the whole story of the name.
TEST(Nombres, TheTraceHoldsEveryDrawOfTheName)
{
    const auto result = run_cli("-c Adumar -n 2000 --traza");
    ASSERT_EQ(result.status, 0);
    for (const std::string& line : lines_of(result.out)) {
        const std::size_t tab = line.find('\t');
        ASSERT_NE(tab, std::string::npos) << line;
        const std::string name = line.substr(0, tab);
        const std::string trace = line.substr(tab + 1);
        ASSERT_TRUE(trace.starts_with("R 18:")) << line;
        ASSERT_TRUE(testing::builds(generator_of("adumar"), trace, name)) << line;
    }
}

TEST(Nombres, UniqueNamesAreNeverRepeated)
{
    const auto lines = lines_of(run_cli("-c Adumar -n 5000 -u -s 4").out);
    ASSERT_EQ(lines.size(), 5000u);
    EXPECT_EQ(std::set<std::string>(lines.begin(), lines.end()).size(), 5000u);
}

TEST(Nombres, ListsTheCategories)
{
    const auto lines = lines_of(run_cli("--lista").out);
    ASSERT_EQ(lines.size(), category_table().size());
    EXPECT_EQ(lines[0], "1\tAdumar\tadumar\tno");
}

TEST(Nombres, HelpAndVersion)
{
    const auto help = run_cli("--ayuda");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("--categoria"), std::string::npos);
    EXPECT_EQ(run_cli("-h").out, help.out);
    EXPECT_EQ(run_cli("--version").out, "quelvarinox-nombres 2.1\n");
}

struct BadInput {
    const char* arguments;
    const char* message;
};

TEST(Nombres, BadInputIsExplainedAndExitsWithTwo)
{
    const BadInput cases[] = {
        {"-c Tatuin", "categoría desconocida: «Tatuin»"},
        {"-c ''", "categoría desconocida"},
        {"-n abc", "La cantidad «abc» no es un número entero."},
        {"-n 2.5", "no es un número entero"},
        {"-n ''", "no es un número entero"},
        {"-n -1", "La cantidad «-1» no puede ser negativa."},
        {"-n 1000000000001", "es demasiado grande"},
        {"-n 99999999999999999999999", "es demasiado grande"},
        {"-s x7", "La semilla «x7» no es un número entero."},
        {"-s -7", "no puede ser negativa"},
        {"-s 18446744073709551616", "La semilla «18446744073709551616» es demasiado grande"},
        {"--semilla", "La opción «--semilla» necesita un valor."},
        {"-n", "La opción «-n» necesita un valor."},
        {"--colores", "Opción desconocida: «--colores»"},
        {"-x", "Opción desconocida: «-x»"},
        {"-ax", "Opción desconocida: «-x»"},
        {"Adumar", "Argumento inesperado: «Adumar»"},
        {"-u -n 10000001", "Con --unicos la cantidad no puede pasar de 10000000"},
    };
    for (const BadInput& c : cases) {
        const auto result = run_cli(c.arguments);
        EXPECT_EQ(result.status, 2) << c.arguments;
        EXPECT_EQ(result.out, "") << c.arguments;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << c.arguments << ": " << result.err;
    }
    EXPECT_NE(run_cli("-c nada").err.find("Adumar (adumar)"), std::string::npos);
}

TEST(Nombres, AClosedPipeEndsQuietly)
{
    const auto result = run_shell("\"$NOMBRES\" -c Adumar -n 5000000 | head -1; echo \"status ${PIPESTATUS[0]}\"");
    const auto lines = lines_of(result.out);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "status 0");
    EXPECT_EQ(result.err, "");
}

TEST(Nombres, AFailedWriteIsReported)
{
    const auto result = run_shell("\"$NOMBRES\" -c Adumar -n 100000 > /dev/full");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("no se pudo escribir la salida: no queda espacio en el dispositivo"), std::string::npos)
        << result.err;
    const auto closed = run_shell("\"$NOMBRES\" -c Adumar >&-");
    EXPECT_EQ(closed.status, 1);
    EXPECT_NE(closed.err.find("no se pudo escribir"), std::string::npos) << closed.err;
}

}  // namespace
}  // namespace quelvarinox
