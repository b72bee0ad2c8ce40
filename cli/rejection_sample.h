#pragma once

#include <optional>
#include <string>

#include "categories/category_table.h"

namespace quelvarinox::cli {

// What --comprobar warns of a grammar's [rechazo]: from a sample of its names
// (the first 1000 of seed 1, in each mode it has), that most attempts are
// rejected, or that some names are not given at all; nothing when neither.
std::optional<std::string> rejection_warning(const detail::Category& category);

}  // namespace quelvarinox::cli
