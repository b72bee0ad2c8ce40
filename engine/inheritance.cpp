#include "engine/inheritance.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>

#include "engine/builtin_grammars.h"
#include "engine/grammar_file.h"
#include "engine/grammar_text.h"
#include "text/shown.h"

namespace quelvarinox::detail {

namespace {

// The categories whose names a program makes, by key and by the name the list
// shows: they have no grammar to inherit. The category tests hold this list to
// the category table.
constexpr std::string_view program_categories[] = {"jedi", "varkh", "varkhenos", "planeta", "planetas"};

// The tables whose own keys and whose first- and last-syllable tables are
// parts of their own.
constexpr std::string_view slot_tables[] = {"ataque", "vocal", "coda"};
constexpr std::string_view syllable_places[] = {"inicial", "final"};

bool written_as_key(std::string_view value)
{
    return !value.empty() && value.find_first_of("./") == std::string_view::npos;
}

std::string identity_of(const std::string& path)
{
#ifdef __EMSCRIPTEN__
    return path;
#else
    std::error_code error;
    const std::filesystem::path canonical = std::filesystem::weakly_canonical(std::filesystem::absolute(path, error), error);
    return error ? path : canonical.string();
#endif
}

std::string chain_text(const InheritanceChain& chain, std::string_view last)
{
    std::string text;
    for (const GrammarPlace& place : chain)
        text += shown(place.name) + " → ";
    return text + shown(last);
}

ParentText refused(std::string mistake) { return {{}, {}, std::move(mistake)}; }

ParentText builtin_parent(std::string_view key)
{
    if (const BuiltinGrammarText* builtin = builtin_grammar_text(key))
        return {std::string(builtin->text), GrammarPlace::of_builtin(key), {}};
    if (std::find(std::begin(program_categories), std::end(program_categories), key) != std::end(program_categories))
        return refused(shown(key) + " es un programa, no una gramática: no se puede heredar");
    std::string mistake = "no hay ninguna gramática incorporada con la clave " + shown(key);
    if (const auto meant = closest_key(key, builtin_grammar_keys()))
        mistake += "; ¿quería decir «" + std::string(*meant) + "»?";
    return refused(mistake + " (un fichero se nombra con su ruta, como \"base.toml\")");
}

}  // namespace

GrammarPlace GrammarPlace::of_file(const std::string& path)
{
    if (path == "-")
        return {grammar_file_name(path), {}, {}, true};
    return {path, std::filesystem::path(path).parent_path().string(), identity_of(path), true};
}

GrammarPlace GrammarPlace::of_builtin(std::string_view key)
{
    return {std::string(key), {}, "incorporada:" + std::string(key), false};
}

ParentText find_parent(std::string_view value, const GrammarPlace& child, const InheritanceChain& chain)
{
    if (written_as_key(value))
        return builtin_parent(value);
    if (!child.reads_files)
        return refused("aquí «hereda» solo puede nombrar una gramática incorporada, por su clave");
    const std::filesystem::path named(value);
    const std::string path = child.directory.empty() || named.is_absolute()
                                 ? named.string()
                                 : (std::filesystem::path(child.directory) / named).string();
    GrammarPlace place = GrammarPlace::of_file(path);
    for (const GrammarPlace& before : chain)
        if (!place.identity.empty() && before.identity == place.identity)
            return refused("«hereda» cierra un ciclo: " + chain_text(chain, path));
    if (chain.size() >= inheritance_depth)
        return refused("«hereda» lleva a más de " + std::to_string(inheritance_depth) +
                       " gramáticas, una tras otra: " + chain_text(chain, path));
    FileText file = read_bounded_file(path);
    if (file.error != 0)
        return refused("no se puede leer la gramática " + shown(path) + ": " +
                       (file.error == ENOSYS ? "esta versión de la biblioteca no lee ficheros"
                                             : describe_errno(file.error)));
    return {std::move(file.text), std::move(place), {}};
}

void inherit_parts(toml::table& child, toml::table& parent)
{
    for (auto&& [key, value] : parent) {
        const std::string_view name = key.str();
        if (name == "nombre" || name == "clave" || name == "hereda")
            continue;
        toml::node* written = child.get(name);
        if (!written) {
            child.insert(key, std::move(value));
            continue;
        }
        toml::table* mine = written->as_table();
        toml::table* theirs = value.as_table();
        if (!mine || !theirs)
            continue;
        if (name == "clases") {
            for (auto&& [class_key, pieces] : *theirs)
                if (!mine->contains(class_key.str()))
                    mine->insert(class_key, std::move(pieces));
            continue;
        }
        if (std::find(std::begin(slot_tables), std::end(slot_tables), name) == std::end(slot_tables))
            continue;
        const auto is_place = [](std::string_view sub) {
            return std::find(std::begin(syllable_places), std::end(syllable_places), sub) != std::end(syllable_places);
        };
        const bool writes_own_keys =
            std::any_of(mine->begin(), mine->end(), [&](const auto& entry) { return !is_place(entry.first.str()); });
        for (auto&& [sub_key, sub_value] : *theirs) {
            const bool place = is_place(sub_key.str());
            if (place ? !mine->contains(sub_key.str()) : !writes_own_keys)
                mine->insert(sub_key, std::move(sub_value));
        }
    }
}

}  // namespace quelvarinox::detail
