#pragma once

#include <string>
#include <string_view>

#include "learning/learn_file.h"
#include "quelvarinox/quelvarinox.hpp"

namespace quelvarinox::detail {

// The C++ and the C interfaces learn through these two, which hand the list
// and the options to the learner as the tool does.
LearnedFile learn_list(std::string_view examples, const quelvarinox::LearnOptions& options);
LearnedFile learn_list_file(const std::string& path, const quelvarinox::LearnOptions& options);

}  // namespace quelvarinox::detail
