#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::detail {

// A grammar file's bytes: as many as the loader takes and one more, so that an
// endless file (a device, a pipe) costs no more than that. `error` is the
// errno of a file that could not be read (EISDIR for a folder), 0 when it was.
struct GrammarFileText {
    std::string text;
    int error = 0;
};
GrammarFileText read_grammar_file_text(const std::string& path);
// The same from a file already open, such as the standard input.
GrammarFileText read_grammar_text(int fd);

// "No se puede leer la gramática «ruta»: no existe."
std::string unreadable_grammar_message(std::string_view path, int error);

}  // namespace quelvarinox::detail
