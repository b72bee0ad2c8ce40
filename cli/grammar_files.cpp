#include "cli/grammar_files.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "cli/shown.h"
#include "grammars/builtin_grammars.h"
#include "grammars/grammar_loader.h"

namespace quelvarinox::cli {

namespace {

// Reads at most one byte past the loader's limit, so that an endless file
// (a device, a pipe that never ends) costs no more than that.
bool read_bounded(int fd, std::string& text, int& error)
{
    char buffer[1 << 16];
    while (text.size() <= grammar_limits::file_bytes) {
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got == 0)
            return true;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            error = errno;
            return false;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return true;
}

}  // namespace

GrammarFile read_grammar_file(const std::string& path)
{
    GrammarFile file;
    const bool standard_input = path == "-";
    const std::string name = standard_input ? "(entrada estándar)" : path;
    const int fd = standard_input ? STDIN_FILENO : ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    int error = 0;
    if (fd < 0) {
        error = errno;
    } else if (::fstat(fd, &info) == 0 && S_ISDIR(info.st_mode)) {
        error = EISDIR;
    }
    std::string text;
    if (error == 0 && !read_bounded(fd, text, error) && error == 0)
        error = EIO;
    if (fd >= 0 && !standard_input)
        ::close(fd);
    if (error != 0) {
        file.errors.push_back("No se puede leer la gramática " + shown(name) + ": " + describe_errno(error) + ".");
        return file;
    }
    GrammarLoad load = load_grammar(text);
    for (const GrammarError& wrong : load.errors)
        file.errors.push_back(describe_error(name, wrong));
    if (load.grammar) {
        file.grammar = std::move(load.grammar);
        file.category = category_of_grammar(*file.grammar);
    }
    return file;
}

ExportedGrammar export_grammar(const std::string& category_name)
{
    const Category* category = find_category_by_name(category_name);
    if (!category)
        return {{}, "Categoría desconocida: " + shown(category_name) + ". --lista da las categorías."};
    if (const BuiltinGrammarText* text = builtin_grammar_text(category->picture_key))
        return {std::string(text->text), {}};
    return {{}, "La categoría " + shown(category->display_text) + " no tiene gramática que exportar: sus nombres "
                "los hace un programa, con reglas que no caben en tablas de sílabas."};
}

}  // namespace quelvarinox::cli
