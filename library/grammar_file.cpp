#include "library/grammar_file.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

#include "grammars/grammar.h"
#include "text/utf8.h"

namespace quelvarinox::library {

namespace {

// 0, or the errno of the read that failed (EISDIR for a folder).
int read_bounded(int fd, std::string& text)
{
    char buffer[1 << 16];
    while (text.size() <= grammar_limits::file_bytes) {
        const std::size_t wanted = std::min(sizeof buffer, grammar_limits::file_bytes + 1 - text.size());
        const ssize_t got = ::read(fd, buffer, wanted);
        if (got == 0)
            break;
        if (got < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        text.append(buffer, static_cast<std::size_t>(got));
    }
    return 0;
}

// Why a file could not be opened or read, in the tool's words.
std::string describe_errno(int error)
{
    switch (error) {
    case ENOENT: return "no existe";
    case EACCES:
    case EPERM: return "no hay permiso";
    case EISDIR: return "es una carpeta";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "la ruta es demasiado larga";
    case ELOOP: return "la ruta tiene demasiados enlaces simbólicos";
    case ENOMEM: return "no hay memoria suficiente";
    case EIO: return "error de entrada o salida del dispositivo";
    case ENXIO:
    case ENODEV: return "el dispositivo no existe o no está disponible";
    case ENOSYS: return "esta versión de la biblioteca no lee ficheros, sino el texto de la gramática";
    default: return "error del sistema número " + std::to_string(error);
    }
}

// The path between «», with control characters and bytes that are not UTF-8
// written as \xNN, so that the message is UTF-8 whatever the path holds.
std::string quoted(std::string_view path)
{
    std::string out = "«";
    while (!path.empty()) {
        const auto character = first_utf8_character(path);
        const std::size_t bytes = character ? character->bytes : 1;
        if (character && character->code >= 0x20 && character->code != 0x7F &&
            (character->code < 0x80 || character->code >= 0xA0)) {
            out += path.substr(0, bytes);
        } else {
            for (std::size_t i = 0; i < bytes; ++i) {
                char escaped[5];
                std::snprintf(escaped, sizeof escaped, "\\x%02X", static_cast<unsigned char>(path[i]));
                out += escaped;
            }
        }
        path.remove_prefix(bytes);
    }
    return out + "»";
}

}  // namespace

FileText read_grammar_file_text(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    // The WebAssembly module is built without a file system, so as to stay small:
    // its callers hand it a grammar's text.
    static_cast<void>(path);
    return {{}, ENOSYS};
#else
    FileText file;
    const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        file.error = errno;
        return file;
    }
    file.error = read_bounded(fd, file.text);
    ::close(fd);
    if (file.error != 0)
        file.text.clear();
    return file;
#endif
}

std::string unreadable_message(std::string_view path, int error)
{
    return "No se puede leer la gramática " + quoted(path) + ": " + describe_errno(error) + ".";
}

}  // namespace quelvarinox::library
