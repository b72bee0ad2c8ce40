#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/grammar.h"
#include "engine/grammar_schema.h"
#include "engine/toml.h"
#include "quelvarinox/grammar_mistake.hpp"

namespace quelvarinox::detail {

// Reads the values of a grammar file one by one, each checked against what its
// key takes; every mistake is kept, at its place, and the value is not given.
class ValueReader {
public:
    std::vector<GrammarMistake>& mistakes() { return mistakes_; }

    // Reads the file whose root is `root`: a mistake at a node that it took
    // through its `hereda` from another file stands at the `hereda`, with the
    // other file's name and place.
    void read_file(const toml::table& root);

    void error(const toml::source_region& where, std::string message);
    void error(const toml::node& node, std::string message) { error(node.source(), std::move(message)); }

    // Reports the keys of `table` that `part` does not take, each with the key
    // it most likely stands for.
    void check_keys(const toml::table& table, const grammar_schema::Part& part);

    // The values of keys, what messages call them taken from the key.
    std::optional<std::int64_t> integer(const toml::node& node, const grammar_schema::Key& key);
    std::optional<bool> flag(const toml::node& node, const grammar_schema::Key& key);
    std::optional<std::string> text(const toml::node& node, const grammar_schema::Key& key);
    std::optional<PieceSlot> piece(const toml::node& node, const grammar_schema::Key& key);
    // Positions from 1 to `words`, or to the key's most when it has one.
    std::optional<WordSet> positions(const toml::node& node, const grammar_schema::Key& key, int words = 0);
    // The option of a choice as the index of its name; a missing or unknown
    // one is reported, and gives the first.
    std::size_t choice(const toml::table& table, const grammar_schema::Part& part, const grammar_schema::Key& key);

    // The same for values that are not a key's, called `what` in messages.
    std::optional<std::int64_t> integer(const toml::node& node, std::string_view what, std::int64_t least,
                                        std::int64_t most);
    std::optional<bool> flag(const toml::node& node, std::string_view what);
    std::optional<std::string> text(const toml::node& node, std::string_view what, std::size_t most,
                                    bool multiline = false);
    std::optional<PieceSlot> piece(const toml::node& node, std::string_view what);

    // A key of a table of weights that stands for a piece of `section`.
    std::optional<PieceSlot> piece_from_key(const toml::key& key, const grammar_schema::Part& section);

private:
    std::optional<WordSet> positions(const toml::node& node, std::string_view what, int words);

    std::vector<GrammarMistake> mistakes_;
    const std::string* own_file_ = nullptr;
    const toml::node* inherits_ = nullptr;
};

// A mistake of the file `file` that another file inherits, placed at the
// other file's `hereda`, `inherits`: "en «base.toml», 14:3: …".
GrammarMistake inherited_mistake(const toml::node& inherits, std::string_view file, const GrammarMistake& mistake);

}  // namespace quelvarinox::detail
