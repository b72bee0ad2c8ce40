#include "engine/value_reader.h"

#include <algorithm>

#include "engine/grammar_text.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

PieceSlot slot_of(std::string_view text)
{
    PieceSlot slot;
    std::copy(text.begin(), text.end(), slot.bytes.begin());
    slot.size = static_cast<std::uint8_t>(text.size());
    return slot;
}

}  // namespace

void ValueReader::read_file(const toml::table& root)
{
    own_file_ = root.source().path.get();
    inherits_ = root.get(grammar_schema::inherits.name);
}

void ValueReader::error(const toml::source_region& where, std::string message)
{
    GrammarMistake mistake{where.begin.line, where.begin.column, std::move(message)};
    if (inherits_ && where.path && where.path.get() != own_file_)
        mistake = inherited_mistake(*inherits_, *where.path, mistake);
    mistakes_.push_back(std::move(mistake));
}

GrammarMistake inherited_mistake(const toml::node& inherits, std::string_view file, const GrammarMistake& mistake)
{
    const toml::source_position& at = inherits.source().begin;
    std::string message = "en " + shown(file) + ", ";
    if (mistake.line != 0)
        message += std::to_string(mistake.line) + ":" + std::to_string(mistake.column) + ": ";
    return {at.line, at.column, message + mistake.message};
}

void ValueReader::check_keys(const toml::table& table, const grammar_schema::Part& part)
{
    const std::vector<std::string_view> known = grammar_schema::key_names(part);
    for (auto&& [key, value] : table) {
        if (std::find(known.begin(), known.end(), key.str()) != known.end())
            continue;
        std::string message = "clave desconocida " + shown(key.str()) + " en " + part.where();
        if (const auto meant = closest_key(key.str(), known))
            message += "; ¿quería decir " + shown(*meant) + "?";
        else
            message += "; las claves son " + key_list(known);
        error(key.source(), message);
    }
}

std::optional<std::int64_t> ValueReader::integer(const toml::node& node, const grammar_schema::Key& key)
{
    return integer(node, shown(key.name), key.least, key.most);
}

std::optional<bool> ValueReader::flag(const toml::node& node, const grammar_schema::Key& key)
{
    return flag(node, shown(key.name));
}

std::optional<std::string> ValueReader::text(const toml::node& node, const grammar_schema::Key& key)
{
    using grammar_schema::Kind;
    const auto most = key.kind == Kind::piece ? TablePiece::room : static_cast<std::size_t>(key.most);
    return text(node, shown(key.name), most, key.kind == Kind::paragraph);
}

std::optional<PieceSlot> ValueReader::piece(const toml::node& node, const grammar_schema::Key& key)
{
    return piece(node, shown(key.name));
}

std::optional<WordSet> ValueReader::positions(const toml::node& node, const grammar_schema::Key& key, int words)
{
    return positions(node, shown(key.name), key.most > 0 ? static_cast<int>(key.most) : words);
}

std::size_t ValueReader::choice(const toml::table& table, const grammar_schema::Part& part,
                                const grammar_schema::Key& key)
{
    std::string names;
    for (const std::string_view option : key.options)
        names += (names.empty() ? "" : ", ") + shown(option);
    const toml::node* chosen = table.get(key.name);
    if (!chosen) {
        error(table.source(), part.where() + " necesita " + shown(key.name) + ": " + names);
        return 0;
    }
    if (const auto* text = chosen->as_string())
        for (std::size_t option = 0; option < key.options.size(); ++option)
            if (text->get() == key.options[option])
                return option;
    error(*chosen, shown(key.name) + " en " + part.where() + " es uno de " + names);
    return 0;
}

std::optional<std::int64_t> ValueReader::integer(const toml::node& node, std::string_view what, std::int64_t least,
                                                 std::int64_t most)
{
    const auto* value = node.as_integer();
    if (!value) {
        error(node, std::string(what) + " debe ser un número entero");
        return std::nullopt;
    }
    if (value->get() < least || value->get() > most) {
        error(node, std::string(what) + " debe ir de " + std::to_string(least) + " a " + std::to_string(most) +
                        ", y es " + std::to_string(value->get()));
        return std::nullopt;
    }
    return value->get();
}

std::optional<bool> ValueReader::flag(const toml::node& node, std::string_view what)
{
    if (const auto* value = node.as_boolean())
        return value->get();
    error(node, std::string(what) + " debe ser true o false");
    return std::nullopt;
}

std::optional<std::string> ValueReader::text(const toml::node& node, std::string_view what, std::size_t most,
                                             bool multiline)
{
    const auto* value = node.as_string();
    if (!value) {
        error(node, std::string(what) + " debe ser un texto entre comillas");
        return std::nullopt;
    }
    if (const auto problem = bounded_text_problem(value->get(), most, multiline)) {
        error(node, std::string(what) + " " + *problem);
        return std::nullopt;
    }
    return value->get();
}

std::optional<PieceSlot> ValueReader::piece(const toml::node& node, std::string_view what)
{
    const auto read = text(node, what, TablePiece::room);
    return read ? std::optional<PieceSlot>(slot_of(*read)) : std::nullopt;
}

std::optional<WordSet> ValueReader::positions(const toml::node& node, std::string_view what, int words)
{
    const auto* array = node.as_array();
    if (!array) {
        error(node, std::string(what) + " debe ser una lista de posiciones de palabra, como [2] o [1, 3]");
        return std::nullopt;
    }
    WordSet set = 0;
    for (const toml::node& element : *array) {
        const auto position = integer(element, "una posición de " + std::string(what), 1, words);
        if (!position)
            return std::nullopt;
        if (contains(set, static_cast<int>(*position - 1))) {
            error(element, "la palabra " + std::to_string(*position) + " está dos veces en " + std::string(what));
            return std::nullopt;
        }
        set = static_cast<WordSet>(set | 1U << (*position - 1));
    }
    return set;
}

std::optional<PieceSlot> ValueReader::piece_from_key(const toml::key& key, const grammar_schema::Part& section)
{
    if (const auto problem = bounded_text_problem(key.str(), TablePiece::room)) {
        error(key.source(), "la pieza " + shown(key.str()) + " de " + section.where() + " " + *problem);
        return std::nullopt;
    }
    return slot_of(key.str());
}

}  // namespace quelvarinox::detail
