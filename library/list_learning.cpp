#include "library/list_learning.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/grammar.h"
#include "engine/grammar_file.h"
#include "learning/learn_grammar.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

struct ListFile {
    std::string text;
    int error = 0;
};

// The list's bytes, one past the learner's limit at most, so that the learner
// says that a list is too long and an endless one costs no more.
ListFile read_list(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    // The WebAssembly module is built without a file system: its callers hand it the list.
    static_cast<void>(path);
    return {{}, ENOSYS};
#else
    const bool standard_input = path == "-";
    const int fd = standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno};
    ListFile file;
    struct stat info {};
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        file.error = EISDIR;
    char buffer[1 << 16];
    while (file.error == 0 && file.text.size() <= grammar_limits::file_bytes) {
        const ssize_t got = ::read(fd, buffer, std::min(sizeof buffer, grammar_limits::file_bytes + 1 - file.text.size()));
        if (got > 0)
            file.text.append(buffer, static_cast<std::size_t>(got));
        else if (got == 0)
            break;
        else if (errno != EINTR)
            file.error = errno;
    }
    if (!standard_input)
        ::close(fd);
    return file;
#endif
}

std::string unreadable_message(std::string_view name, int error)
{
    const std::string why = error == ENOSYS ? "esta versión de la biblioteca no lee ficheros, sino el texto de la lista"
                                            : describe_errno(error);
    return "No se pueden leer los nombres de " + std::string(name) + ": " + why + ".";
}

detail::LearnOptions learner_options(GrammarIdentity identity, const quelvarinox::LearnOptions& options)
{
    detail::LearnOptions learn;
    learn.identity = {options.display_text.value_or(identity.display_name), options.key.value_or(identity.key)};
    learn.min_count = options.min_count;
    return learn;
}

ListLearning learned(std::string_view examples, const detail::LearnOptions& learn)
{
    LearnedGrammar grammar = learn_grammar(examples, learn);
    return {std::move(grammar.text), std::move(grammar.error)};
}

}  // namespace

ListLearning learn_list(std::string_view examples, const quelvarinox::LearnOptions& options)
{
    return learned(examples, learner_options(identity_from_file_name("-"), options));
}

ListLearning learn_list_file(const std::string& path, const quelvarinox::LearnOptions& options)
{
    const detail::LearnOptions learn = learner_options(identity_from_file_name(path), options);
    // As the tool: a wrong name or key is said before the file is read, and the
    // list's faults after the list's name.
    if (std::string problem = identity_problem(learn.identity); !problem.empty())
        return {{}, std::move(problem)};
    const std::string name = path == "-" ? grammar_file_name(path) : shown(path);
    const ListFile file = read_list(path);
    if (file.error != 0)
        return {{}, unreadable_message(name, file.error), file.error};
    ListLearning learning = learned(file.text, learn);
    if (!learning.error.empty())
        learning.error = name + ": " + learning.error;
    return learning;
}

}  // namespace quelvarinox::detail
