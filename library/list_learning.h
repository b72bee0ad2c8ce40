#pragma once

#include <string>
#include <string_view>

#include "quelvarinox/quelvarinox.hpp"

namespace quelvarinox::detail {

// What the learner made of a list of names: a grammar's text, or why there is none.
struct ListLearning {
    std::string text;
    // In Spanish; empty when the text was learned.
    std::string error;
    // The errno of a list's file that could not be read; 0 when it was read.
    int unreadable = 0;
};

// The C++ and the C interfaces learn through these two, which hand the list
// and the options to the learner as the tool does.
ListLearning learn_list(std::string_view examples, const quelvarinox::LearnOptions& options);
ListLearning learn_list_file(const std::string& path, const quelvarinox::LearnOptions& options);

}  // namespace quelvarinox::detail
