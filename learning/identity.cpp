#include "learning/identity.h"

#include <algorithm>

#include "engine/grammar.h"
#include "engine/grammar_text.h"
#include "learning/letters.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::detail {

namespace {

constexpr std::size_t longest_key = 32;

const GrammarIdentity fallback{"Lengua aprendida", "lengua-aprendida"};

// The letter of the key a character gives: itself, its plain form without
// marks, or a hyphen.
char key_character(char32_t code)
{
    constexpr std::u32string_view marked = U"àáâãäåçèéêëìíîïñòóôõöøùúûüýÿ";
    constexpr std::string_view plain = "aaaaaaceeeeiiiinoooooouuuuyy";
    code = lower_case(code);
    if ((code >= 'a' && code <= 'z') || (code >= '0' && code <= '9'))
        return static_cast<char>(code);
    const std::size_t at = marked.find(code);
    return at == std::u32string_view::npos ? '-' : plain[at];
}

std::string key_from(std::string_view stem)
{
    std::string key;
    while (!stem.empty()) {
        std::size_t bytes = 0;
        const char c = key_character(first_code(stem, bytes));
        stem.remove_prefix(bytes);
        if (c != '-' || (!key.empty() && key.back() != '-'))
            key += c;
    }
    key.resize(std::min(key.size(), longest_key));
    while (key.ends_with('-'))
        key.pop_back();
    return key;
}

std::string display_name_from(std::string_view stem)
{
    std::string name;
    for (const char c : stem) {
        const char shown_as = c == '-' || c == '_' ? ' ' : c;
        if (shown_as != ' ' || (!name.empty() && name.back() != ' '))
            name += shown_as;
    }
    while (name.ends_with(' '))
        name.pop_back();
    if (!name.empty() && name.front() >= 'a' && name.front() <= 'z')
        name.front() = static_cast<char>(name.front() - 'a' + 'A');
    return name;
}

}  // namespace

GrammarIdentity identity_from_file_name(std::string_view path)
{
    std::string_view stem = path.substr(path.find_last_of('/') == std::string_view::npos ? 0 : path.find_last_of('/') + 1);
    if (const std::size_t dot = stem.find_last_of('.'); dot != std::string_view::npos && dot > 0)
        stem = stem.substr(0, dot);
    GrammarIdentity identity{display_name_from(stem), key_from(stem)};
    if (path == "-" || !utf8_length(stem) || identity.key.empty() || identity.display_name.empty() ||
        text_problem(identity.display_name))
        return fallback;
    return identity;
}

std::string identity_problem(const GrammarIdentity& identity)
{
    if (identity.display_name.empty())
        return "El nombre de la gramática está vacío.";
    if (identity.display_name.size() > grammar_limits::identity_bytes)
        return "El nombre de la gramática pasa de " + std::to_string(grammar_limits::identity_bytes) + " bytes.";
    if (const auto problem = text_problem(identity.display_name))
        return "El nombre de la gramática " + shown(identity.display_name) + " " + *problem + ".";
    const bool key_fits = !identity.key.empty() && identity.key.size() <= longest_key &&
                          std::all_of(identity.key.begin(), identity.key.end(), [](char c) {
                              return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
                          });
    if (!key_fits)
        return "La clave " + shown(identity.key) + " no vale: ha de tener de 1 a " + std::to_string(longest_key) +
               " letras minúsculas sin tilde, cifras o guiones.";
    return {};
}

}  // namespace quelvarinox::detail
