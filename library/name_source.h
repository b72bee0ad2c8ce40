#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "library/loaded_grammar.h"

namespace quelvarinox::detail {

// The row that `name` names, by its display text or its key; throws UnknownCategory.
const Category& category_named(std::string_view name);

// What a name is made from: a category of the list, or a user's grammar, which
// the source shares while its last name is one of the grammar's.
struct NameOrigin {
    NameOrigin(const Category& listed) : category(&listed) {}
    NameOrigin(std::shared_ptr<const LoadedGrammar> grammar)
        : category(&grammar->category()), grammar(std::move(grammar))
    {
    }

    const Category* category;
    std::shared_ptr<const LoadedGrammar> grammar;
};

// What the C++ and the C generators share: the names of one seed, the count of
// names given of each category, and the last name made, whose trace is made on
// request by making that one name again with a tracing maker, so that the names
// themselves are made at full speed.
//
// A user's grammar is counted by its key, apart from the list's categories, as
// the tool counts the names of a --gramatica file apart from the list's.
class NameSource {
public:
    explicit NameSource(std::uint64_t seed);

    std::uint64_t seed() const { return maker_.seed(); }

    // Name `index` of `origin`, valid until the next call.
    const std::string& make(const NameOrigin& origin, std::uint64_t index, bool alternative);

    // The index that the next name of `origin` takes; move_on counts that name as given.
    std::uint64_t next_index(const NameOrigin& origin) { return given(origin) + 1; }
    void move_on(const NameOrigin& origin) { ++given(origin); }

    // The next name of `origin`, counted as given.
    const std::string& next(const NameOrigin& origin, bool alternative)
    {
        std::uint64_t& count_given = given(origin);
        const std::string& name = make(origin, count_given + 1, alternative);
        ++count_given;
        return name;
    }

    std::string last_trace() const;

    // Whether the grammar's [rechazo] refused the last name made: then it was
    // not given, though it counts as given (see Refusal).
    const Refusal& last_refusal() const { return maker_.refusal(); }
    // The last name's number, from 1.
    std::uint64_t last_index() const { return last_ ? last_->index : 0; }
    // Why the last name was refused: "la gramática «Nunca» no da el nombre
    // número 1: [rechazo] lo ha rechazado 1000 veces seguidas, …".
    std::string refusal_message() const;

private:
    struct NamePlace {
        NameOrigin origin;
        std::uint64_t index;
        bool alternative;
    };

    std::uint64_t& given(const NameOrigin& origin);

    NameMaker maker_;
    std::vector<std::uint64_t> given_;
    std::map<std::string, std::uint64_t, std::less<>> given_by_key_;
    // Also keeps alive the category that the maker remembers as its last.
    std::optional<NamePlace> last_;
};

}  // namespace quelvarinox::detail
