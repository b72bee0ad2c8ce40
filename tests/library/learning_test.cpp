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

using detail::testing::CliResult;
using detail::testing::run_cli;
using detail::testing::run_shell;

std::string text_of_file(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The lists of tests/library/lists (names with particles, names without a
// vowel) and one of 500 names of Tatooine that the tool writes, in a folder
// of the test's own.
class Lists {
public:
    Lists()
        : folder_(std::filesystem::temp_directory_path() / ("quelvarinox-lists-" + std::to_string(::getpid())))
    {
        std::filesystem::create_directories(folder_);
        const std::string tatooine = (folder_ / "tatooine.txt").string();
        EXPECT_EQ(run_cli("-c tatooine -n 500 -s 7 > '" + tatooine + "'").status, 0);
        paths_ = {tatooine, QUELVARINOX_LEARNING_LISTS "/particulas.txt", QUELVARINOX_LEARNING_LISTS "/sin-vocales.txt"};
    }
    Lists(const Lists&) = delete;
    ~Lists() { std::filesystem::remove_all(folder_); }

    const std::vector<std::string>& paths() const { return paths_; }

private:
    std::filesystem::path folder_;
    std::vector<std::string> paths_;
};

const Lists& lists()
{
    static const Lists made;
    return made;
}

// The tool's options and the library's that say the same.
struct OptionsCase {
    std::string arguments;
    LearnOptions options;
};

const std::vector<OptionsCase>& options_cases()
{
    static const std::vector<OptionsCase> cases = {
        {"", {}},
        {"--nombre 'Los míos' --clave mios --umbral 1", {"Los míos", "mios", 1}},
        {"--umbral 3", {std::nullopt, std::nullopt, 3}},
    };
    return cases;
}

// What a front end made of a list as the tool shows it: status 0 and the
// grammar on the output, or status 2 and the message on the error output.
std::tuple<int, std::string, std::string> made(std::string text) { return {0, std::move(text), ""}; }
std::tuple<int, std::string, std::string> failed(const std::string& message)
{
    return {2, "", "quelvarinox-nombres: " + message + "\n"};
}

// `text` with every `from` made `to`.
std::string replaced(std::string text, std::string_view from, std::string_view to)
{
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, at + to.size()))
        text.replace(at, from.size(), to);
    return text;
}

// The tool's run; for a list on its standard input, without the name it gives
// that input, which a list handed over as a text does not have.
std::tuple<int, std::string, std::string> shown(const CliResult& run)
{
    return {run.status, run.out, replaced(run.err, "(entrada estándar): ", "")};
}

struct CppLearner {
    template <typename Learn>
    static auto outcome(Learn learn)
    {
        try {
            return made(learn());
        } catch (const LearningError& error) {
            return failed(error.what());
        } catch (const UnreadableGrammar& error) {
            return failed(error.what());
        }
    }
    static auto from_text(const std::string& list, const LearnOptions& options)
    {
        return outcome([&] { return learn(list, options); });
    }
    static auto from_file(const std::string& path, const LearnOptions& options)
    {
        return outcome([&] { return learn_file(path, options); });
    }
};

struct CLearner {
    // Asked for its size with no buffer, then given the room it needs.
    template <typename Learn>
    static auto outcome(Learn learn)
    {
        size_t needed = 0;
        const quelvarinox_status asked = learn(nullptr, 0, &needed);
        std::string text(needed, 'x');
        const quelvarinox_status status = learn(text.data(), text.size(), &needed);
        EXPECT_EQ(status, asked == QUELVARINOX_BUFFER_TOO_SMALL ? QUELVARINOX_OK : asked);
        EXPECT_EQ(text.back(), '\0');
        text.pop_back();
        return status == QUELVARINOX_OK ? made(text) : failed(text);
    }
    static quelvarinox_learn_options c_options(const LearnOptions& options)
    {
        return {options.display_text ? options.display_text->c_str() : nullptr,
                options.key ? options.key->c_str() : nullptr, options.min_count};
    }
    static auto from_text(const std::string& list, const LearnOptions& options)
    {
        const quelvarinox_learn_options c = c_options(options);
        return outcome([&](char* buffer, size_t size, size_t* needed) {
            return quelvarinox_learn(list.data(), list.size(), &c, buffer, size, needed);
        });
    }
    static auto from_file(const std::string& path, const LearnOptions& options)
    {
        const quelvarinox_learn_options c = c_options(options);
        return outcome([&](char* buffer, size_t size, size_t* needed) {
            return quelvarinox_learn_file(path.c_str(), &c, buffer, size, needed);
        });
    }
};

template <typename Learner> class Learners : public ::testing::Test {};
using LearnerTypes = ::testing::Types<CppLearner, CLearner>;
TYPED_TEST_SUITE(Learners, LearnerTypes);

// The same grammar text, or the same message, from a file (named after it) and
// from its text (as the tool's standard input), with each set of options.
TYPED_TEST(Learners, LearnWhatTheToolLearnsFromTheSameList)
{
    for (const std::string& path : lists().paths())
        for (const OptionsCase& c : options_cases()) {
            EXPECT_EQ(TypeParam::from_file(path, c.options), shown(run_cli("--aprender '" + path + "' " + c.arguments)))
                << path << ' ' << c.arguments;
            EXPECT_EQ(TypeParam::from_text(text_of_file(path), c.options),
                      shown(run_cli("--aprender - " + c.arguments + " < '" + path + "'")))
                << path << ' ' << c.arguments;
        }
}

// A file that cannot be read, and a name or key that the format does not
// take, said as the tool says them.
TYPED_TEST(Learners, SayWhyTheyLearnNothingAsTheToolDoes)
{
    const std::string list = lists().paths().front();
    const OptionsCase cases[] = {
        {"--clave Mía", {std::nullopt, "Mía", 2}},
        {"--nombre \"$(printf 'a\\tb')\"", {"a\tb", std::nullopt, 2}},
    };
    for (const OptionsCase& c : cases) {
        EXPECT_EQ(TypeParam::from_file(list, c.options), shown(run_cli("--aprender '" + list + "' " + c.arguments)))
            << c.arguments;
        EXPECT_EQ(TypeParam::from_text(text_of_file(list), c.options),
                  shown(run_cli("--aprender - " + c.arguments + " < '" + list + "'")))
            << c.arguments;
    }
    for (const std::string path : {"/no/existe.txt", "/", "/dev/zero"})
        EXPECT_EQ(TypeParam::from_file(path, {}), shown(run_cli("--aprender " + path))) << path;
}

// A grammar learned and read back gives the names of the tool's grammar, or
// the same mistakes.
TEST(Learn, GrammarReadBackGivesTheToolsNames)
{
    constexpr std::uint64_t seed = 11;
    for (const std::string& path : {lists().paths().at(0), lists().paths().at(1)}) {
        std::string names, mistakes;
        try {
            Generator generator(seed);
            for (const std::string& name : generator.names(Grammar::from_text(learn_file(path)), 20))
                names += name + '\n';
        } catch (const GrammarError& error) {
            mistakes = error.what() + std::string("\n");
        }
        const CliResult tool = run_shell("\"$NOMBRES\" --aprender '" + path + "' | \"$NOMBRES\" --gramatica - -n 20 -s " +
                                         std::to_string(seed));
        EXPECT_EQ(std::tuple(names, mistakes), std::tuple(tool.out, replaced(tool.err, "(entrada estándar):", "")))
            << path;
    }
}

// Which exception or status says it: the C++ one carries the errno; a
// threshold out of range is said by the learner, after the file's name.
TEST(Learn, ErrorsHaveTheirOwnTypesAndStatuses)
{
    try {
        learn_file("/no/existe.txt");
        ADD_FAILURE() << "no UnreadableGrammar";
    } catch (const UnreadableGrammar& error) {
        EXPECT_EQ(error.error_number(), ENOENT);
    }
    const std::string list = lists().paths().back();
    EXPECT_THROW(learn(text_of_file(list)), LearningError);
    EXPECT_THROW(learn("Anakin\nPadmé\n", {std::nullopt, std::nullopt, 0}), std::invalid_argument);
    const std::string threshold = "El umbral ha de ser un entero de 1 a 1000000, y es ";
    EXPECT_EQ(CppLearner::from_file(list, {std::nullopt, std::nullopt, 1'000'001}),
              failed("«" + list + "»: " + threshold + "1000001."));
    EXPECT_EQ(CppLearner::from_text("", {std::nullopt, std::nullopt, -1}), failed(threshold + "-1."));
    const quelvarinox_learn_options zero{nullptr, nullptr, 0};
    char out[64];
    const std::vector<quelvarinox_status> statuses = {
        quelvarinox_learn_file("/no/existe.txt", nullptr, out, sizeof out, nullptr),
        quelvarinox_learn_file(lists().paths().front().c_str(), &zero, out, sizeof out, nullptr),
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
