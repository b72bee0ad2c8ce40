#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::library {

// A grammar file's bytes: as many as the loader takes and one more, so that an
// endless file (a device, a pipe) costs no more than that. `error` is the errno of a file that could not be read, 0 when
// it was.
struct FileText {
    std::string text;
    int error = 0;
};
FileText read_grammar_file_text(const std::string& path);

// "No se puede leer la gramática «ruta»: no existe."
std::string unreadable_message(std::string_view path, int error);

}  // namespace quelvarinox::library
