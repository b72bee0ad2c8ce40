#include "quelvarinox/quelvarinox.hpp"

#include "library/list_learning.h"

namespace quelvarinox {

namespace {

std::string text_or_throw(detail::LearnedFile learning)
{
    if (learning.unreadable != 0)
        throw UnreadableGrammar(learning.error, learning.unreadable);
    if (!learning.error.empty())
        throw LearningError(learning.error);
    return std::move(learning.text);
}

}  // namespace

LearningError::LearningError(const std::string& message) : std::invalid_argument(message) {}

std::string learn(std::string_view examples, const LearnOptions& options)
{
    return text_or_throw(detail::learn_list(examples, options));
}

std::string learn_file(const std::string& path, const LearnOptions& options)
{
    return text_or_throw(detail::learn_list_file(path, options));
}

}  // namespace quelvarinox
