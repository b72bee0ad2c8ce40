#include "engine/grammar_text.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <utility>

#include "text/joined.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

// What stands between the quotes after `marker` in a parser's description:
// "saw 'x'" gives "x".
std::optional<std::string_view> quoted_after(std::string_view text, std::string_view marker)
{
    const std::size_t at = text.find(marker);
    if (at == std::string_view::npos)
        return std::nullopt;
    const std::size_t start = at + marker.size();
    const std::size_t end = text.find('\'', start);
    if (end == std::string_view::npos)
        return std::nullopt;
    return text.substr(start, end - start);
}

std::size_t edit_distance(std::string_view a, std::string_view b)
{
    std::vector<std::size_t> row(b.size() + 1);
    for (std::size_t j = 0; j <= b.size(); ++j)
        row[j] = j;
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] == b[j - 1] ? 0 : 1)});
            diagonal = above;
        }
    }
    return row[b.size()];
}

}  // namespace

std::optional<std::string> text_problem(std::string_view text, std::size_t limit, bool multiline)
{
    if (text.size() > limit)
        return "tiene " + std::to_string(text.size()) + " bytes; como mucho puede tener " + std::to_string(limit);
    while (!text.empty()) {
        const auto character = first_utf8_character(text);
        if (!character)
            return "no es texto UTF-8 válido";
        if (is_control(character->code) && !(multiline && character->code == '\n'))
            return "tiene un carácter de control; escriba solo letras, signos y espacios";
        if (is_direction_control(character->code)) {
            char code[8];
            std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(character->code));
            return "tiene un control de la dirección del texto (" + std::string(code) +
                   "), que no se ve y cambia el orden en que se muestra; escriba solo letras, signos y espacios";
        }
        text.remove_prefix(character->bytes);
    }
    return std::nullopt;
}

std::optional<GrammarMistake> encoding_problem(std::string_view file)
{
    std::uint32_t line = 1;
    std::uint32_t column = 1;
    while (!file.empty()) {
        const auto character = first_utf8_character(file);
        if (!character || character->code == 0)
            return GrammarMistake{line, column, "el fichero no es texto UTF-8 (¿es un fichero binario?): una gramática "
                                              "es un fichero de texto TOML"};
        file.remove_prefix(character->bytes);
        if (character->code == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
    return std::nullopt;
}

std::string toml_message(std::string_view description)
{
    if (const std::size_t colon = description.find(": "); description.starts_with("Error while parsing ") &&
                                                          colon != std::string_view::npos)
        description.remove_prefix(colon + 2);
    const auto has = [&](std::string_view part) { return description.find(part) != std::string_view::npos; };
    const auto saw = quoted_after(description, "saw '");
    const std::string seen = saw ? shown(*saw) : "otra cosa";
    if (has("end-of-file"))
        return "el fichero se acaba a medias: ¿falta cerrar unas comillas, un corchete o una llave?";
    if (has("redefine"))
        return "esta clave o esta tabla ya está definida más arriba";
    if (has("could not determine value type"))
        return "no se entiende el valor: un texto va entre comillas (\"ka\"), un número sin ellas (12)";
    if (has("control character"))
        return "hay un carácter de control; un salto de línea dentro de un texto se escribe \\n";
    if (has("escape sequence"))
        return "secuencia de escape desconocida; una barra invertida se escribe \\\\";
    if (has("value-terminator"))
        return "tras el valor sobra " + seen + ": cada valor acaba en una coma, un corchete, una llave o el final "
                                           "de la línea";
    if (has("comment or whitespace"))
        return "sobra " + seen + " al final de la línea";
    if (has("digit") || has("underscore") || has("leading zero") || has("exponent"))
        return "el número no está bien escrito: ha de ser un entero como 12, sin ceros delante";
    if (has("length limit") || has("too long") || has("maximum length"))
        return "el valor es demasiado largo";
    if (const auto expected = quoted_after(description, "expected '"))
        return "se esperaba " + shown(*expected) + " y hay " + seen;
    return "esto no es TOML válido";
}

std::optional<std::string_view> closest_key(std::string_view key, const std::vector<std::string_view>& known)
{
    std::optional<std::string_view> best;
    std::size_t best_distance = std::max<std::size_t>(2, key.size() / 3) + 1;
    for (const std::string_view candidate : known) {
        const std::size_t distance = edit_distance(key, candidate);
        if (distance < best_distance) {
            best_distance = distance;
            best = candidate;
        }
    }
    return best;
}

std::string key_list(const std::vector<std::string_view>& keys)
{
    std::vector<std::string> shown_keys;
    for (const std::string_view key : keys)
        shown_keys.push_back(shown(key));
    return joined(shown_keys);
}

}  // namespace quelvarinox::detail
