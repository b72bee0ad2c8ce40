#include <set>
#include <tuple>
#include <string>

#include <gtest/gtest.h>

#include "categories/category_table.h"
#include "tests/cli/cli_runner.h"
#include "text/utf8.h"

namespace quelvarinox::detail::testing {
namespace {

TEST(Nombres, GivesTheRequestedNamesOfEachCategory)
{
    const auto one = run_cli("-c Adumar -n 25 -s 3");
    EXPECT_EQ(std::tuple(one.status, one.err, lines_of(one.out).size()), std::tuple(0, "", 25u));
    EXPECT_EQ(one.out.find('\t'), std::string::npos);
    EXPECT_EQ(run_cli("--categoria=' adumar ' --cantidad 25 --semilla 3").out, one.out);
    EXPECT_EQ(run_cli("-c Adumar -n 0").out, "");
    EXPECT_NE(run_cli("-c Adumar -n 25").out, run_cli("-c Adumar -n 25").out);

    // Every category without -c, one name each after its display text; a list
    // of categories gives the count of each, in the order asked.
    const auto all = lines_of(run_cli("-s 1").out);
    ASSERT_EQ(all.size(), category_table().size());
    for (std::size_t i = 0; i < all.size(); ++i)
        EXPECT_TRUE(all[i].starts_with(std::string(category_table()[i].display_text) + "\t")) << all[i];
    const auto two = lines_of(run_cli("-c teyr,kuat -c jedi -n 2 -s 1").out);
    ASSERT_EQ(two.size(), 6u);
    EXPECT_TRUE(two[0].starts_with("Teyr\t") && two[2].starts_with("Kuat\t") && two[5].starts_with("jedi\t"));
    EXPECT_EQ(two[0], all[34]);
}

// The i-th name of a seeded run is made alone by --desde i, up to the last
// index, and the number of threads changes nothing, whatever the format,
// filters or mode.
TEST(Nombres, AnyNameCanBeMadeAgainAndThreadsChangeNothing)
{
    const auto run = run_cli("-c tatooine -n 20000 -s 8");
    const auto full = lines_of(run.out);
    ASSERT_EQ(full.size(), 20000u);
    for (const int index : {1, 63, 64, 8193, 20000})
        EXPECT_EQ(run_cli("-c tatooine -n 1 -s 8 --desde " + std::to_string(index)).out, full[index - 1] + "\n");
    EXPECT_EQ(run_cli("-c tatooine -n 20000 -s 8 --hilos 3").out, run.out);
    const auto to_the_end = lines_of(run_cli("-c tatooine -n 200 -s 8 --desde 18446744073709551416").out);
    ASSERT_EQ(to_the_end.size(), 200u);
    EXPECT_EQ(run_cli("-c tatooine -s 8 --desde 18446744073709551615").out, to_the_end.back() + "\n");
    EXPECT_EQ(lines_of(run_cli("-c tatooine -n 200 -s 8 --desde 18446744073709551416 --hilos 3").out), to_the_end);

    for (const std::string& options : {std::string("-n 3000"), std::string("-n 3000 -a"),
                                       std::string("-n 2000 -a -u --min-letras 7 --formato json --traza"),
                                       std::string("-n 500 --excluir /dev/null --max-letras 12 -f csv")}) {
        const std::string run = "-c \"$(\"$NOMBRES\" --lista | cut -f3 | paste -sd,)\" -s 21 " + options;
        const auto one = run_cli(run + " --hilos 1");
        ASSERT_EQ(one.status, 0) << one.err;
        EXPECT_EQ(run_cli(run + " --hilos 2").out, one.out) << options;
        EXPECT_EQ(run_cli(run + " --hilos 3").out, one.out) << options;
    }
}

// Each format's rows, one per name, with the name's seed and index; the lines
// themselves, and JSON's strings, are checked where they are made.
TEST(Nombres, FormatsCarryCategoryNameSeedIndexAndTrace)
{
    const auto tsv = lines_of(run_cli("-c \"Draenell's point\" -n 2 -s 7 --formato=tsv --traza").out);
    const std::string name = lines_of(run_cli("-c draenell -n 2 -s 7").out)[1];
    ASSERT_EQ(tsv.size(), 3u);
    EXPECT_TRUE(tsv[2].starts_with("Draenell's point\t" + name + "\t7\t2\tR ")) << tsv[2];
    EXPECT_EQ(run_cli("-c draenell -n 1 -s 7 -f json --desde 2").out,
              "{\"categoria\":\"Draenell's point\",\"nombre\":\"" + name + "\",\"semilla\":\"7\",\"indice\":2}\n");
}

TEST(Nombres, FiltersHoldForEveryName)
{
    const auto short_ones = lines_of(run_cli("-c coruscant -n 300 --max-letras 4 --min-letras 3").out);
    ASSERT_EQ(short_ones.size(), 300u);
    for (const std::string& name : short_ones)
        EXPECT_TRUE(utf8_length(name) >= 3u && utf8_length(name) <= 4u) << name;
    const auto starting = run_cli("-c planetas -n 200 -s 4 --empieza KO").out;
    EXPECT_EQ(run_cli("-c planetas -n 200 -s 4 --empieza kó").out, starting);
    for (const std::string& name : lines_of(starting))
        EXPECT_TRUE(name.starts_with("Ko")) << name;
    const auto unique = lines_of(run_cli("-c Kegan -n 20000 -u -s 4").out);
    EXPECT_EQ(std::set<std::string>(unique.begin(), unique.end()).size(), 20000u);
}

// A request that cannot be met ends within seconds, saying why and how far it
// got; the reasons themselves are RunOutJudge's, checked where they are made.
TEST(Nombres, ARunThatCannotFinishStopsAndSaysWhy)
{
    // Filters may need more indexes than names: a run stops at the last one, with any number of threads.
    for (const char* threads : {"1", "3"}) {
        const auto at_the_end =
            run_cli("-c kuat --min-letras 20 -n 100 -s 1 --desde 18446744073709541616 --hilos " + std::string(threads));
        EXPECT_EQ(at_the_end.status, 1);
        const auto given = lines_of(at_the_end.out).size();
        EXPECT_EQ(at_the_end.err, "quelvarinox-nombres: La categoría «Kuat» no da más nombres de 20 letras o más: se "
                                  "han dado " + std::to_string(given) + " de 100 (se ha llegado al último nombre, "
                                  "el número 18446744073709551615).\n");
        EXPECT_GT(given, 0u);
    }
    const auto unique = run_cli("-c kuat -u --max-letras 1 -n 100 -s 1");
    EXPECT_EQ(unique.status, 1);
    const auto given = lines_of(unique.out).size();
    EXPECT_GT(given, 0u);
    EXPECT_NE(unique.err.find("no da más nombres distintos y de 1 letra o menos: se han dado " +
                              std::to_string(given) + " de 100"),
              std::string::npos)
        << unique.err;
}

TEST(Nombres, ExcludedAndRecordedNamesNeverComeBack)
{
    const auto result = run_shell(
        "cd \"$(mktemp -d)\" && umask 022 && for i in 1 2 3; do \"$NOMBRES\" -c kuat -n 300 -s 1 --excluir lista "
        "--anotar lista > /dev/null || exit; done; sort lista | uniq -d | wc -l; wc -l < lista; stat -c %A lista; "
        "printf 'Reetni Ruhl\\r\\n' > otra; \"$NOMBRES\" -c kuat -n 2 -s 1 --excluir otra");
    const auto lines = lines_of(result.out);
    ASSERT_EQ(lines.size(), 5u) << result.err;
    EXPECT_EQ(lines[0], "0");
    EXPECT_EQ(lines[1], "900");
    EXPECT_EQ(lines[2], "-rw-r--r--") << "a list is made as any file is, under the umask";
    EXPECT_EQ(lines[3], lines_of(run_cli("-c kuat -n 2 -s 1").out)[1]) << "the first name is excluded";
}

TEST(Nombres, BadFilesAreExplained)
{
    const auto missing = run_cli("-c kuat --excluir /no/existe");
    EXPECT_EQ(missing.status, 2);
    EXPECT_EQ(missing.err, "quelvarinox-nombres: No se puede leer «/no/existe»: no existe.\n");
    EXPECT_NE(run_cli("--excluir /").err.find("es una carpeta"), std::string::npos);
    const auto unwritable = run_cli("--anotar /no/existe/lista");
    EXPECT_EQ(unwritable.status, 2);
    EXPECT_NE(unwritable.err.find("No se puede abrir para anotar «/no/existe/lista»"), std::string::npos);

    // A write that fails half way takes its unfinished lines back out.
    const auto full = run_shell("cd \"$(mktemp -d)\"; trap '' XFSZ; ulimit -f 400; "
                                "\"$NOMBRES\" -c coruscant -n 100000 --anotar lista > /dev/null; echo $?; "
                                "tail -c 1 lista | od -An -c; ls -l lista | cut -d' ' -f5");
    const auto lines = lines_of(full.out);
    ASSERT_EQ(lines.size(), 3u) << full.out << full.err;
    EXPECT_EQ(lines[0], "1");
    EXPECT_EQ(lines[1], "  \\n");
    EXPECT_GT(std::stoi(lines[2]), 0);
    EXPECT_LE(std::stoi(lines[2]), 400 * 1024);
    EXPECT_EQ(full.err, "quelvarinox-nombres: No se puede anotar en «lista»: el fichero ha llegado al tamaño máximo.\n");
}

// An exclusion list has short lines of UTF-8 text, not too many of them. Anything
// else is refused at its first fault, endless streams included, in a few
// megabytes of memory; the longest line that may be a name is taken.
TEST(Nombres, AnythingButAListOfNamesIsRefusedInLittleMemory)
{
    const std::string line_256 = "printf '%0256d\\r\\nAna\\n' 0";
    const struct {
        std::string input;
        std::string message;
    } cases[] = {
        {"head -c 300000000 /dev/zero", "«/dev/stdin» no es una lista de nombres: su línea 1 tiene un byte nulo."},
        {"printf 'Ana\\nB\\xffo\\n'", "«/dev/stdin» no es una lista de nombres: su línea 2 no es texto UTF-8 válido."},
        {"{ echo Ana; head -c 300000000 /dev/zero | tr '\\0' x; }",
         "«/dev/stdin» no es una lista de nombres: su línea 2 pasa de 256 bytes, más que cualquier nombre."},
        {"{ " + line_256 + "; echo; printf '%0257d' 0; }",
         "«/dev/stdin» no es una lista de nombres: su línea 4 pasa de 256 bytes, más que cualquier nombre."},
        {"yes '' | head -n 10000001", "«/dev/stdin» tiene más de 10000000 líneas, más de las que lee --excluir."},
        {"yes \"$(printf '%0255d' 0)\" | head -c 300000000", "«/dev/stdin» pasa de 256 MiB, más de lo que lee --excluir."},
        {line_256, ""},
    };
    for (const auto& [input, message] : cases) {
        const auto result = run_shell("cd \"$(mktemp -d)\" && " + input + " | /usr/bin/time -f %M -o rss \"$NOMBRES\" "
                                      "-c kuat -s 1 --excluir /dev/stdin > /dev/null; echo $?; tail -n 1 rss");
        const auto lines = lines_of(result.out);
        ASSERT_EQ(lines.size(), 2u) << input << ": " << result.out;
        EXPECT_EQ(lines[0], message.empty() ? "0" : "2") << input;
        EXPECT_EQ(result.err, message.empty() ? "" : "quelvarinox-nombres: " + message + "\n") << input;
        EXPECT_LT(std::stoi(lines[1]), 100'000) << input << ": kilobytes at most";
    }
}

// The list and the version are checked against the library's.
TEST(Nombres, HelpTellsOfEveryOption)
{
    const auto help = run_cli("--ayuda");
    for (const char* option : {"--categoria", "--formato", "--min-letras", "--max-letras", "--empieza",
                               "--sin-malsonantes", "--excluir", "--anotar", "--desde", "--hilos", "--traza"})
        EXPECT_NE(help.out.find(option), std::string::npos) << option;
    EXPECT_EQ(run_cli("-h").out, help.out);
}

TEST(Nombres, OutputFailuresAreReportedTruly)
{
    const auto pipe = run_shell("\"$NOMBRES\" -c Adumar -n 5000000 | head -1 > /dev/null; echo ${PIPESTATUS[0]}");
    EXPECT_EQ(pipe.out, "0\n");
    EXPECT_EQ(pipe.err, "");
    const std::pair<const char*, const char*> cases[] = {
        {"> /dev/full", "no queda espacio en el dispositivo"},
        {">&-", "la salida está cerrada"},
        {"1< /dev/null", "la salida está abierta solo para leer"},
    };
    for (const auto& [redirection, reason] : cases) {
        const auto result = run_shell("\"$NOMBRES\" -c Adumar -n 100000 " + std::string(redirection));
        EXPECT_EQ(result.status, 1) << redirection;
        EXPECT_EQ(result.err, "quelvarinox-nombres: No se pudo escribir la salida: " + std::string(reason) + ".\n");
    }
}

}  // namespace
}  // namespace quelvarinox::detail::testing
