#include "cli/learning_run.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/messages.h"
#include "engine/grammar.h"
#include "engine/grammar_file.h"
#include "learning/learn_grammar.h"
#include "text/shown.h"

namespace quelvarinox::cli {

namespace {

struct ListFile {
    std::string text;
    int error = 0;
};

// The list's bytes, one past the learner's limit at most, so that the learner
// sees a list that is too long and an endless one costs no more.
ListFile read_list(const std::string& path)
{
    const bool standard_input = path == "-";
    const int fd = standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno};
    ListFile file{std::string(detail::grammar_limits::file_bytes + 1, '\0'), 0};
    struct stat info {};
    std::size_t got = 0;
    if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode))
        file.error = EISDIR;
    while (file.error == 0 && got < file.text.size()) {
        const ssize_t read = ::read(fd, file.text.data() + got, file.text.size() - got);
        if (read > 0)
            got += static_cast<std::size_t>(read);
        else if (read == 0)
            break;
        else if (errno != EINTR)
            file.error = errno;
    }
    file.text.resize(got);
    if (!standard_input)
        ::close(fd);
    return file;
}

}  // namespace

int write_learned_grammar(const Options& options, Output& out, std::ostream& err)
{
    const std::string& path = *options.learn_file;
    detail::LearnOptions learn;
    learn.identity = detail::identity_from_file_name(path);
    learn.identity.display_name = options.learned_name.value_or(learn.identity.display_name);
    learn.identity.key = options.learned_key.value_or(learn.identity.key);
    learn.min_count = static_cast<int>(options.min_count.value_or(learn.min_count));
    if (const std::string problem = detail::identity_problem(learn.identity); !problem.empty()) {
        err << program << problem << '\n';
        return 2;
    }
    const std::string name = path == "-" ? detail::grammar_file_name(path) : detail::shown(path);
    hint_standard_input(path, "los nombres de ejemplo, uno por línea,", err);
    const ListFile list = read_list(path);
    if (list.error != 0) {
        err << program << "No se pueden leer los nombres de " << name << ": " << detail::describe_errno(list.error)
            << ".\n";
        return 2;
    }
    const detail::LearnedGrammar grammar = detail::learn_grammar(list.text, learn);
    if (!grammar.error.empty()) {
        err << program << name << ": " << grammar.error << '\n';
        return 2;
    }
    out.write(grammar.text);
    return 0;
}

}  // namespace quelvarinox::cli
