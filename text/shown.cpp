#include "text/shown.h"

#include <cerrno>
#include <cstdio>

#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr std::size_t longest_shown = 60;

void append_escaped_byte(std::string& out, unsigned char byte)
{
    char escaped[5];
    std::snprintf(escaped, sizeof escaped, "\\x%02X", byte);
    out += escaped;
}

// `value` escaped, cut with "…" after `longest` characters.
std::string escaped(std::string_view value, std::size_t longest)
{
    std::string out;
    std::size_t characters = 0;
    while (!value.empty()) {
        if (characters == longest) {
            out += "…";
            break;
        }
        const auto character = first_utf8_character(value);
        if (!character || is_control(character->code) || is_direction_control(character->code)) {
            if (character && character->bytes > 1) {
                for (std::size_t i = 0; i < character->bytes; ++i)
                    append_escaped_byte(out, static_cast<unsigned char>(value[i]));
                value.remove_prefix(character->bytes);
            } else {
                append_escaped_byte(out, static_cast<unsigned char>(value.front()));
                value.remove_prefix(1);
            }
        } else {
            out += value.substr(0, character->bytes);
            value.remove_prefix(character->bytes);
        }
        ++characters;
    }
    return out;
}

}  // namespace

std::string shown(std::string_view value) { return "«" + escaped(value, longest_shown) + "»"; }

std::string escaped(std::string_view value) { return escaped(value, std::string_view::npos); }

std::string describe_errno(int error)
{
    switch (error) {
    case ENOSPC: return "no queda espacio en el dispositivo";
    case EDQUOT: return "se ha superado la cuota de disco";
    case EFBIG: return "el fichero ha llegado al tamaño máximo";
    case EIO: return "error de entrada o salida del dispositivo";
    case EAGAIN: return "la salida no admite más datos por ahora (está abierta sin bloqueo)";
    case EBADF: return "no está abierta para escribir";
    case EACCES:
    case EPERM: return "no hay permiso";
    case EROFS: return "el sistema de ficheros es de solo lectura";
    case ENOENT: return "no existe";
    case EISDIR: return "es una carpeta";
    case ENOTDIR: return "una parte de la ruta no es una carpeta";
    case ENAMETOOLONG: return "la ruta es demasiado larga";
    case ELOOP: return "la ruta tiene demasiados enlaces simbólicos";
    case ENOMEM: return "no hay memoria suficiente";
    case EINVAL: return "la salida no admite esta escritura";
    case ENXIO:
    case ENODEV: return "el dispositivo no existe o no está disponible";
    case ECONNRESET:
    case ENOTCONN: return "se ha cerrado la conexión";
    default: return "error del sistema número " + std::to_string(error);
    }
}

}  // namespace quelvarinox::detail
