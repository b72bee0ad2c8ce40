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

std::optional<std::string> text_problem(std::string_view text, bool multiline)
{
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

std::optional<std::string> bounded_text_problem(std::string_view text, std::size_t limit, bool multiline)
{
    if (text.size() > limit)
        return "tiene " + std::to_string(text.size()) + " bytes; como mucho puede tener " + std::to_string(limit);
    return text_problem(text, multiline);
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

std::optional<std::string_view> closest_key(std::string_view key, const std::vector<std::string_view>& known)
{
    std::optional<std::string_view> best;
    std::size_t best_distance = std::max<std::size_t>(2, key.size() / 3) + 1;
    for (const std::string_view candidate : known) {
        // The lengths alone set the distance's floor: a key far longer than any
        // known one costs nothing to set aside, however long it is.
        const std::size_t floor = key.size() > candidate.size() ? key.size() - candidate.size()
                                                                : candidate.size() - key.size();
        if (floor >= best_distance)
            continue;
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
