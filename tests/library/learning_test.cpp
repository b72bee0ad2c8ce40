#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>
#include <unistd.h>

#include <gtest/gtest.h>

#include "quelvarinox/quelvarinox.h"
#include "quelvarinox/quelvarinox.hpp"
#include "tests/cli/cli_runner.h"

namespace quelvarinox::testing {
namespace {

using detail::testing::run_cli;

// 500 names of Tatooine that the tool writes, in a folder of the test's own.
struct Lists {
    Lists()
    {
        std::filesystem::create_directories(folder);
        EXPECT_EQ(run_cli("-c tatooine -n 500 -s 7 > '" + tatooine + "'").status, 0);
        std::ofstream(particles) << "Nana de Sorel\nIara de Vela\nVela Dalmi\nMendel\nSori Nis\nLanrir\nSelvilae\n"
                                    "Deras de Vikin\nTalia del Monte\nOrin van Dassel\nMara Sorel\nDalan de Iara\n"
                                    "Vikin Talo\nSoren del Vela\nAnel Mara\nLisa van Orin\nTeran de Mendel\n"
                                    "Nira Dalmi\nOslan Teral\nMarel de Sori\nVelan Nis\nTalo del Lanrir\n"
                                    "Irisa Sorel\nDorin van Teral\nSelia de Nana\nLorian Mara\nMendel de Vikin\n"
                                    "Nisa Talo\nRavel del Monte\nSorel Dalan\n";
        std::ofstream(vowelless) << "Brr\nPfft\nHmm\nTsk\n";
    }
    ~Lists() { std::filesystem::remove_all(folder); }

    const std::string folder = std::filesystem::temp_directory_path().string() + "/quelvarinox-lists-" +
                               std::to_string(::getpid());
    const std::string tatooine = folder + "/tatooine.txt";
    // Names with particles between their words, and words without a vowel.
    const std::string particles = folder + "/particulas.txt";
    const std::string vowelless = folder + "/sin-vocales.txt";
};

const Lists& lists()
{
    static const Lists made;
    return made;
}

std::string text_of_file(const std::string& path)
{
    std::ostringstream text;
    text << std::ifstream(path, std::ios::binary).rdbuf();
    return text.str();
}

// What a front end made of a list as the tool shows it: status 0 and the
// grammar on the output, or status 2 and the message on the error output.
using Outcome = std::tuple<int, std::string, std::string>;
Outcome made(std::string text) { return {0, std::move(text), ""}; }
Outcome failed(const std::string& message) { return {2, "", "quelvarinox-nombres: " + message + "\n"}; }

// From the file at `list`, or from the text `list`.
struct CppLearner {
    static Outcome learned(bool from_file, const std::string& list, const LearnOptions& options)
    {
        try {
            return made(from_file ? learn_file(list, options) : learn(list, options));
        } catch (const LearningError& error) {
            return failed(error.what());
        } catch (const UnreadableGrammar& error) {
            return failed(error.what());
        }
    }
};

// Asked for its size with no buffer, then given the room it needs.
struct CLearner {
    static Outcome learned(bool from_file, const std::string& list, const LearnOptions& options)
    {
        const quelvarinox_learn_options c{options.display_text ? options.display_text->c_str() : nullptr,
                                          options.key ? options.key->c_str() : nullptr, options.min_count};
        const auto learn = [&](char* buffer, size_t size, size_t* needed) {
            return from_file ? quelvarinox_learn_file(list.c_str(), &c, buffer, size, needed)
                             : quelvarinox_learn(list.data(), list.size(), &c, buffer, size, needed);
        };
        size_t needed = 0;
        const quelvarinox_status asked = learn(nullptr, 0, &needed);
        std::string text(needed, 'x');
        const quelvarinox_status status = learn(text.data(), text.size(), &needed);
        EXPECT_EQ(status, asked == QUELVARINOX_BUFFER_TOO_SMALL ? QUELVARINOX_OK : asked);
        EXPECT_EQ(text.back(), '\0');
        text.pop_back();
        return status == QUELVARINOX_OK ? made(text) : failed(text);
    }
};

template <typename Learner> class Learners : public ::testing::Test {};
using LearnerTypes = ::testing::Types<CppLearner, CLearner>;
TYPED_TEST_SUITE(Learners, LearnerTypes);

// The same grammar text, or the same message, from a file (named after it) and
// from its text (as the tool's standard input, less the name it gives that
// input), with the tool's options or without; a name or key that the format
// does not take and a file that cannot be read are said as the tool says them.
TYPED_TEST(Learners, LearnWhatTheToolLearnsFromTheSameList)
{
    struct Case {
        bool from_file;
        std::string list;
        LearnOptions options;
        std::string arguments;
    };
    const std::string tatooine = lists().tatooine, particles = lists().particles, vowelless = lists().vowelless;
    const Case cases[] = {
        {true, tatooine, {}, ""},
        {false, tatooine, {}, ""},
        {true, particles, {"Los míos", "mios", 1}, "--nombre 'Los míos' --clave mios --umbral 1"},
        {false, tatooine, {"Los míos", "mios", 1}, "--nombre 'Los míos' --clave mios --umbral 1"},
        {false, tatooine, {std::nullopt, std::nullopt, 3}, "--umbral 3"},
        {true, vowelless, {}, ""},
        {false, vowelless, {}, ""},
        {false, tatooine, {std::nullopt, "Mía", 2}, "--clave Mía"},
        {true, tatooine, {"a\tb", std::nullopt, 2}, "--nombre \"$(printf 'a\\tb')\""},
        {true, "/no/existe.txt", {}, ""},
        {true, "/", {}, ""},
        {true, "/dev/zero", {}, ""},
    };
    const std::string standard_input = "(entrada estándar): ";
    for (const Case& c : cases) {
        const auto tool = run_cli("--aprender " + (c.from_file ? "'" + c.list + "' " : "- ") + c.arguments +
                                  (c.from_file ? "" : " < '" + c.list + "'"));
        std::string said = tool.err;
        if (const std::size_t at = said.find(standard_input); at != std::string::npos)
            said.erase(at, standard_input.size());
        EXPECT_EQ(TypeParam::learned(c.from_file, c.from_file ? c.list : text_of_file(c.list), c.options),
                  Outcome(tool.status, tool.out, said))
            << c.list << ' ' << c.arguments;
    }
}

// Which exception or status says it: the C++ one carries the errno; a
// threshold out of range is the learner's to refuse.
TEST(Learn, ErrorsHaveTheirOwnTypesAndStatuses)
{
    try {
        learn_file("/no/existe.txt");
        ADD_FAILURE() << "no UnreadableGrammar";
    } catch (const UnreadableGrammar& error) {
        EXPECT_EQ(error.error_number(), ENOENT);
    }
    EXPECT_THROW(learn("Anakin\nPadmé\n", {std::nullopt, std::nullopt, 0}), std::invalid_argument);
    const std::string list = lists().tatooine;
    const quelvarinox_learn_options zero{nullptr, nullptr, 0};
    char out[64];
    const std::vector<quelvarinox_status> statuses = {
        quelvarinox_learn_file("/no/existe.txt", nullptr, out, sizeof out, nullptr),
        quelvarinox_learn_file(list.c_str(), &zero, out, sizeof out, nullptr),
        quelvarinox_learn("", 0, nullptr, out, sizeof out, nullptr),
        quelvarinox_learn(nullptr, 0, nullptr, nullptr, 0, nullptr),
        quelvarinox_learn(nullptr, 1, nullptr, out, sizeof out, nullptr),
        quelvarinox_learn("a", 1, nullptr, nullptr, 1, nullptr),
        quelvarinox_learn_file(nullptr, nullptr, out, sizeof out, nullptr),
        quelvarinox_learn_file(list.c_str(), nullptr, nullptr, 1, nullptr),
    };
    EXPECT_EQ(statuses, (std::vector<quelvarinox_status>{
                            QUELVARINOX_UNREADABLE_FILE, QUELVARINOX_NOTHING_LEARNED, QUELVARINOX_NOTHING_LEARNED,
                            QUELVARINOX_NOTHING_LEARNED, QUELVARINOX_INVALID_ARGUMENT, QUELVARINOX_INVALID_ARGUMENT,
                            QUELVARINOX_INVALID_ARGUMENT, QUELVARINOX_INVALID_ARGUMENT}));
}

}  // namespace
}  // namespace quelvarinox::testing
