#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "categories/category_table.h"
#include "categories/name_maker.h"
#include "cli/line_format.h"
#include "cli/name_condition.h"

namespace quelvarinox::cli {

// What a batch of names is made from: the category, the mode, the conditions
// every name must meet and the format of its line.
struct BatchRecipe {
    const detail::Category& category;
    bool alternative;
    bool traced;
    // Whether the names themselves are kept beside their lines: for the rule of
    // no repeats and the --anotar file.
    bool keep_names;
    std::span<const NameCondition* const> conditions;
    const LineFormat& format;
};

// The names of consecutive indexes, made and checked together: the lines of
// the names the conditions admit, in order, and how many each condition
// turned down.
struct NameBatch {
    std::uint64_t first_index = 0;
    std::uint64_t size = 0;
    // The admitted names' lines, one after the other.
    std::string lines;
    // The admitted names, each followed by "\n", when the recipe keeps them.
    std::string names;
    struct Admitted {
        std::uint64_t index;
        std::size_t line_end;
        std::size_t name_end;
    };
    std::vector<Admitted> admitted;
    // Turned down by each condition, in the recipe's order.
    std::vector<std::uint64_t> rejected;
    // The name that the grammar's [rechazo] refused, which ends the batch, and why.
    struct Refused {
        std::uint64_t index;
        detail::Refusal refusal;
    };
    std::optional<Refused> refused;
};

// Makes names first_index .. first_index + size - 1 of the recipe into `batch`;
// a name that the grammar refuses ends it there, its size the names before.
void make_batch(detail::NameMaker& maker, const BatchRecipe& recipe, std::uint64_t first_index, std::uint64_t size,
                NameBatch& batch);

}  // namespace quelvarinox::cli
