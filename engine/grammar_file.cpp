#include "engine/grammar_file.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "engine/grammar.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

FileText read_text(int fd)
{
    FileText file;
    char buffer[1 << 16];
    while (file.text.size() <= grammar_limits::file_bytes) {
        const std::size_t wanted = std::min(sizeof buffer, grammar_limits::file_bytes + 1 - file.text.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            file.error = errno;
            file.text.clear();
            break;
        }
        file.text.append(buffer, static_cast<std::size_t>(got));
    }
    return file;
}

FileText read_file_text(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    // The WebAssembly module is built without a file system, so as to stay small:
    // its callers hand it a grammar's text.
    static_cast<void>(path);
    return {{}, ENOSYS};
#else
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return {{}, errno};
    struct stat info {};
    FileText file = ::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode) ? FileText{{}, EISDIR} : read_text(fd);
    ::close(fd);
    return file;
#endif
}

// "No se puede leer la gramática «ruta»: no existe."
std::string unreadable_message(std::string_view name, int error)
{
    const std::string why = error == ENOSYS
                                ? "esta versión de la biblioteca no lee ficheros, sino el texto de la gramática"
                                : describe_errno(error);
    return "No se puede leer la gramática " + shown(name) + ": " + why + ".";
}

}  // namespace

FileText read_bounded_file(const std::string& path)
{
    return path == "-" ? read_text(STDIN_FILENO) : read_file_text(path);
}

std::string grammar_file_name(const std::string& path) { return path == "-" ? "(entrada estándar)" : path; }

GrammarLoad load_grammar_file(const std::string& path)
{
    const FileText file = read_bounded_file(path);
    if (file.error != 0) {
        GrammarLoad unread;
        unread.unreadable = file.error;
        unread.mistakes.push_back({0, 0, unreadable_message(grammar_file_name(path), file.error)});
        return unread;
    }
    return load_grammar(file.text, GrammarPlace::of_file(path));
}

WholeGrammarFile whole_grammar_file(const std::string& path)
{
    const FileText file = read_bounded_file(path);
    if (file.error != 0)
        return {{}, {{0, 0, unreadable_message(grammar_file_name(path), file.error)}}, file.error};
    WholeGrammar whole = whole_grammar(file.text, GrammarPlace::of_file(path));
    return {std::move(whole.text), std::move(whole.mistakes), 0};
}

}  // namespace quelvarinox::detail
