#include "engine/grammar_writer.h"

#include <algorithm>
#include <charconv>
#include <sstream>
#include <utility>
#include <vector>

namespace quelvarinox::detail {

namespace {

// The keys of a grammar at the top, in the order they are written out.
constexpr std::string_view top_order[] = {
    "nombre", "clave", "descripcion", "inicial_vacia", "clases", "forma", "silabas", "ataque", "vocal", "coda",
    "particula", "union", "corte", "prefijo", "apostrofo", "acento", "rechazo",
};

using Entry = std::pair<const toml::key*, const toml::node*>;

std::size_t top_rank(std::string_view key)
{
    return static_cast<std::size_t>(std::find(std::begin(top_order), std::end(top_order), key) - std::begin(top_order));
}

// A slot's own keys first, then its first- and last-syllable tables, which
// may come from another file.
int place_rank(std::string_view key) { return key == "inicial" ? 1 : key == "final" ? 2 : 0; }

// Where a table stands: at the top of the file, a slot's section ([ataque],
// [vocal], [coda]), or anywhere else.
enum class Level { top, slot, other };

Level level_of(std::string_view path)
{
    if (path.empty())
        return Level::top;
    return path == "ataque" || path == "vocal" || path == "coda" ? Level::slot : Level::other;
}

// A table's entries in the order they were written; at the top, in the
// order of top_order.
std::vector<Entry> entries_of(const toml::table& table, Level level)
{
    std::vector<Entry> entries;
    for (auto&& [key, value] : table)
        if (!(level == Level::top && key.str() == "hereda"))
            entries.emplace_back(&key, &value);
    std::stable_sort(entries.begin(), entries.end(), [level](const Entry& a, const Entry& b) {
        if (level == Level::top && top_rank(a.first->str()) != top_rank(b.first->str()))
            return top_rank(a.first->str()) < top_rank(b.first->str());
        if (level == Level::slot && place_rank(a.first->str()) != place_rank(b.first->str()))
            return place_rank(a.first->str()) < place_rank(b.first->str());
        const auto& x = a.first->source().begin;
        const auto& y = b.first->source().begin;
        return std::pair(x.line, x.column) < std::pair(y.line, y.column);
    });
    return entries;
}

bool is_section(const toml::node& node) { return node.is_table() && !node.as_table()->is_inline(); }

void write_string(std::string_view text, std::string& out)
{
    out += '"';
    for (const char c : text) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) {
                char escaped[8];
                const auto end = std::to_chars(escaped, escaped + sizeof escaped, static_cast<unsigned>(c), 16).ptr;
                out += "\\u";
                out.append(static_cast<std::size_t>(4 - (end - escaped)), '0');
                out.append(escaped, end);
            } else {
                out += c;
            }
        }
    }
    out += '"';
}

void write_key(std::string_view key, std::string& out)
{
    const bool bare = !key.empty() && std::all_of(key.begin(), key.end(), [](char c) {
        return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '_' || c == '-';
    });
    if (bare)
        out += key;
    else
        write_string(key, out);
}

void write_value(const toml::node& node, std::string& out, bool spread = false)
{
    if (const auto* text = node.as_string()) {
        write_string(text->get(), out);
    } else if (const auto* array = node.as_array()) {
        // Rows, one a line, as a table's rows read best.
        const bool rows = spread && array->size() > 1 &&
                          std::all_of(array->begin(), array->end(), [](const toml::node& element) {
                              return element.is_array() || element.is_table();
                          });
        out += rows ? "[\n" : "[";
        bool first = true;
        for (const toml::node& element : *array) {
            if (rows)
                out += "  ";
            else if (!first)
                out += ", ";
            first = false;
            write_value(element, out);
            if (rows)
                out += ",\n";
        }
        out += ']';
    } else if (const auto* table = node.as_table()) {
        out += '{';
        bool first = true;
        for (const auto& [key, value] : entries_of(*table, Level::other)) {
            out += first ? " " : ", ";
            first = false;
            write_key(key->str(), out);
            out += " = ";
            write_value(*value, out);
        }
        out += first ? "}" : " }";
    } else {
        std::ostringstream scalar;
        scalar.precision(17);
        node.visit([&](const auto& value) {
            if constexpr (toml::is_boolean<decltype(value)>)
                scalar << (value.get() ? "true" : "false");
            else if constexpr (toml::is_value<decltype(value)>)
                scalar << value.get();
        });
        out += scalar.str();
    }
}

void write_table(const toml::table& table, const std::string& path, std::string& out)
{
    const std::vector<Entry> entries = entries_of(table, level_of(path));
    const bool has_keys = std::any_of(entries.begin(), entries.end(), [](const Entry& e) { return !is_section(*e.second); });
    if (!path.empty() && (has_keys || entries.empty()))
        out += "\n[" + path + "]\n";
    for (const auto& [key, value] : entries)
        if (!is_section(*value)) {
            write_key(key->str(), out);
            out += " = ";
            write_value(*value, out, true);
            out += '\n';
        }
    for (const auto& [key, value] : entries)
        if (is_section(*value)) {
            std::string inner = path;
            if (!inner.empty())
                inner += '.';
            write_key(key->str(), inner);
            write_table(*value->as_table(), inner, out);
        }
}

}  // namespace

std::string written_grammar(const toml::table& grammar, std::string_view heading)
{
    std::string out(heading);
    write_table(grammar, {}, out);
    return out;
}

}  // namespace quelvarinox::detail
