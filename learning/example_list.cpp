#include "learning/example_list.h"

#include "engine/grammar.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr std::string_view byte_order_mark = "\xEF\xBB\xBF";

// What keeps a line from holding a name, if anything.
std::string fault_of(std::string_view line)
{
    if (line.find('\0') != std::string_view::npos)
        return "tiene un byte nulo: la lista parece un fichero binario, no de texto";
    for (std::string_view rest = line; !rest.empty();) {
        const auto character = first_utf8_character(rest);
        if (!character)
            return "no es texto UTF-8 válido (¿es un fichero binario?)";
        if (is_control(character->code))
            return "tiene un carácter de control (un tabulador, por ejemplo); escriba un nombre por línea";
        if (is_direction_control(character->code))
            return "tiene un carácter que cambia la dirección del texto, que en un nombre lo haría leerse al revés";
        rest.remove_prefix(character->bytes);
    }
    return {};
}

std::string_view trimmed(std::string_view line)
{
    const std::size_t start = line.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return {};
    return line.substr(start, line.find_last_not_of(' ') - start + 1);
}

}  // namespace

ExampleList read_examples(std::string_view text)
{
    ExampleList list;
    if (text.size() > grammar_limits::file_bytes) {
        list.error = "La lista pasa de " + std::to_string(grammar_limits::file_bytes) +
                     " bytes (1 MiB), lo más que puede tener, como una gramática.";
        return list;
    }
    if (text.starts_with(byte_order_mark))
        text.remove_prefix(byte_order_mark.size());
    std::size_t line_number = 0;
    while (!text.empty()) {
        ++line_number;
        const std::size_t end = text.find('\n');
        std::string_view line = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        if (line.ends_with('\r'))
            line.remove_suffix(1);
        if (const std::string fault = fault_of(line); !fault.empty()) {
            list.names.clear();
            list.error = "La línea " + std::to_string(line_number) + " de la lista " + fault + ".";
            return list;
        }
        if (const std::string_view name = trimmed(line); !name.empty())
            list.names.emplace_back(name);
    }
    if (list.names.empty())
        list.error = "La lista no tiene ningún nombre: está vacía o solo tiene líneas en blanco.";
    return list;
}

}  // namespace quelvarinox::detail
