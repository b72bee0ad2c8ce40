#include "engine/toml_syntax.h"

#include <optional>
#include <string>
#include <vector>

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

// Where line `line` of `text` starts, in bytes, or its size past the last line.
std::size_t line_start(std::string_view text, std::uint32_t line)
{
    std::size_t at = 0;
    for (std::uint32_t passed = 1; passed < line && at < text.size(); ++passed) {
        const std::size_t end = text.find('\n', at);
        at = end == std::string_view::npos ? text.size() : end + 1;
    }
    return at;
}

// The place of a line and a column, which counts characters, in bytes.
std::size_t offset_of(std::string_view text, const toml::source_position& place)
{
    std::size_t at = line_start(text, place.line);
    for (std::uint32_t column = 1; column < place.column && at < text.size() && text[at] != '\n'; ++column)
        at += first_utf8_character(text.substr(at)).value_or(Utf8Character{0, 1}).bytes;
    return at;
}

// The keys a lone header or key names, as the parser reads them: "[x.y]" gives x and y.
std::vector<std::string> key_path(const std::string& toml_text)
{
    std::vector<std::string> path;
    const toml::parse_result parsed = toml::parse(toml_text);
    if (!parsed)
        return path;
    const toml::table* table = &parsed.table();
    while (table && table->size() == 1) {
        const auto entry = *table->begin();
        path.emplace_back(entry.first.str());
        table = entry.second.as_table();
    }
    return path;
}

// The node that `path` names under `table`, going into the last table of an
// array of tables on its way.
const toml::node* find_path(const toml::table& table, const std::vector<std::string>& path)
{
    const toml::node* node = &table;
    for (const std::string& key : path) {
        const toml::table* into = node->as_table();
        if (const toml::array* tables = node->as_array(); tables && !tables->empty())
            into = tables->back().as_table();
        node = into ? into->get(key) : nullptr;
        if (!node)
            return nullptr;
    }
    return node;
}

// The table whose header comes last in `text`, where its keys go on.
void last_header(const toml::table& table, std::string_view text, const toml::table*& last)
{
    const auto begin = table.source().begin;
    const std::size_t at = offset_of(text, begin);
    if (!table.is_inline() && at < text.size() && text[at] == '[') {
        const auto end = last->source().begin;
        if (std::pair(begin.line, begin.column) >= std::pair(end.line, end.column))
            last = &table;
    }
    for (auto&& [key, value] : table) {
        if (const toml::table* inner = value.as_table())
            last_header(*inner, text, last);
        if (const toml::array* tables = value.as_array(); tables && tables->is_array_of_tables())
            for (const toml::node& element : *tables)
                last_header(*element.as_table(), text, last);
    }
}

// "la clave «tirada» ya está definida en la línea 4", for a key or a header
// at `place` that names what the lines before it already define.
std::string redefinition(std::string_view text, const toml::source_position& place, bool header)
{
    const std::size_t start = line_start(text, place.line);
    std::string_view written = text.substr(start, offset_of(text, place) - start);
    bool in_inline_table = false;
    std::vector<std::string> path;
    if (header) {
        written = text.substr(start, text.find('\n', start) - start);
        path = key_path(std::string(written));
    } else {
        // The place is the value's: its key is what stands before the "=",
        // after the brace or comma before it in an inline table.
        while (!written.empty() && (written.back() == ' ' || written.back() == '\t'))
            written.remove_suffix(1);
        if (written.ends_with('=')) {
            written.remove_suffix(1);
            in_inline_table = written.find('{') != std::string_view::npos;
            if (in_inline_table)
                written.remove_prefix(written.find_last_of("{,") + 1);
            path = key_path(std::string(written) + " = 0");
        }
    }
    if (path.empty())
        return "esta clave o esta tabla ya está definida más arriba";
    std::string name;
    for (const std::string& key : path)
        name += (name.empty() ? "" : ".") + key;
    // An inline table is one line, so its keys are all defined on it.
    std::optional<std::uint32_t> first_line;
    bool table = header;
    if (in_inline_table) {
        first_line = place.line;
    } else if (const toml::parse_result before = toml::parse(text.substr(0, start))) {
        const toml::table* under = &before.table();
        if (!header)
            last_header(before.table(), text, under);
        if (const toml::node* defined = find_path(*under, path)) {
            first_line = defined->source().begin.line;
            table = header && defined->is_table();
        }
    }
    return (table ? "la tabla " : "la clave ") + shown(name) + " ya está definida " +
           (first_line ? "en la línea " + std::to_string(*first_line) : "más arriba");
}

// The escape that ends just before `at`, as written: "\ud800".
std::string escape_before(std::string_view text, std::size_t at)
{
    const std::size_t slash = text.substr(0, at).rfind('\\');
    return slash == std::string_view::npos ? std::string() : std::string(text.substr(slash, at - slash));
}

// The number that ends just before `at`, as written.
std::string number_before(std::string_view text, std::size_t at)
{
    std::size_t start = at;
    while (start > 0 && std::string_view("0123456789abcdefABCDEFxXoO_+-").find(text[start - 1]) != std::string_view::npos)
        --start;
    return std::string(text.substr(start, at - start));
}

std::string message(std::string_view text, const toml::parse_error& failure)
{
    std::string_view description = failure.description();
    std::string_view scope;
    if (const std::size_t colon = description.find(": "); description.starts_with("Error while parsing ") &&
                                                          colon != std::string_view::npos) {
        scope = description.substr(0, colon);
        description.remove_prefix(colon + 2);
    }
    const auto has = [&](std::string_view part) { return description.find(part) != std::string_view::npos; };
    const auto saw = quoted_after(description, "saw '");
    const std::string seen = saw ? shown(*saw) : "otra cosa";
    const auto place = failure.source().begin;
    const std::size_t at = offset_of(text, place);
    const bool in_string = scope.ends_with(" string");
    if (in_string && has("end-of-file"))
        return "faltan las comillas que cierran el texto: llega hasta el final del fichero";
    if (in_string && has("control character") && (at == text.size() || text[at] == '\n' || text[at] == '\r'))
        return "faltan las comillas que cierran el texto antes del final de la línea (un salto de línea dentro de "
               "un texto se escribe \\n)";
    if (has("end-of-file"))
        return "el fichero se acaba a medias: ¿falta cerrar unas comillas, un corchete o una llave?";
    if (has("redefine"))
        return redefinition(text, place, scope.ends_with("table header"));
    if (const auto depth = description.find("nested value depth of "); depth != std::string_view::npos) {
        std::string_view limit = description.substr(depth + 22);
        limit = limit.substr(0, limit.find(' '));
        return "los corchetes y las llaves se anidan a más de " + std::string(limit) +
               " niveles, lo más que lee el lector de TOML";
    }
    if (const auto depth = description.find("dotted key depth of "); depth != std::string_view::npos)
        return "la clave tiene más de " + std::string(description.substr(depth + 20)) +
               " partes separadas por puntos, lo más que lee el lector de TOML";
    if (has("not representable in 64 bits"))
        return "el número " + shown(number_before(text, at)) +
               " no cabe en un entero de 64 bits, que va de -9223372036854775808 a 9223372036854775807";
    if (has("surrogates"))
        return "el escape " + shown(escape_before(text, at)) +
               " nombra la mitad de un par sustituto (de U+D800 a U+DFFF), que no es un carácter; escriba el "
               "carácter mismo o su número, como \\u00e9";
    if (has("greater than U+10FFFF"))
        return "el escape " + shown(escape_before(text, at)) + " pasa de U+10FFFF, el último carácter de Unicode";
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
    if (has("expected bare key starting character"))
        return "se esperaba una clave (letras, cifras, «_» y «-», o un texto entre comillas) y hay " + seen;
    if (has("blank bare keys"))
        return "la cabecera de una tabla no puede estar vacía: se escribe con su nombre, como [forma]";
    if (has("expected keys, tables"))
        return "una línea empieza por una clave, por la cabecera de una tabla, como [forma], o por un comentario "
               "(#); hay " + seen;
    if (has("expected comma or closing"))
        return "los valores van separados por comas: se esperaba «,» o " +
               shown(quoted_after(description, "closing '").value_or("]")) + " y hay " + seen;
    if (has("expected value or closing"))
        return "falta un valor de la lista antes de esta coma";
    if (has("expected key or closing '}'"))
        return "una tabla entre llaves se cierra con «}» en su misma línea, y hay " + seen;
    if (has("dangling comma"))
        return "tras el último valor de una tabla entre llaves no va coma";
    if (has("expected value") && scope.ends_with("key-value pair"))
        return "falta el valor tras «=»";
    if (has("must be contiguous"))
        return "los corchetes dobles de [[tabla]] van juntos, sin espacios entre ellos";
    if (const auto expected = quoted_after(description, "expected '"))
        return "se esperaba " + shown(*expected) + " y hay " + seen;
    return "esto no es TOML válido";
}

}  // namespace

GrammarMistake syntax_mistake(std::string_view text, const toml::parse_error& failure)
{
    return {failure.source().begin.line, failure.source().begin.column, message(text, failure)};
}

}  // namespace quelvarinox::detail
