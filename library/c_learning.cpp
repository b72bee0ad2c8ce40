// The C interface's learner: a grammar's text from a list of example names.
#include "library/c_api_support.h"
#include "library/list_learning.h"

namespace {

using quelvarinox::detail::LearnedFile;

quelvarinox::LearnOptions options_of(const quelvarinox_learn_options* options)
{
    quelvarinox::LearnOptions learn;
    if (!options)
        return learn;
    if (options->display_text)
        learn.display_text = options->display_text;
    if (options->key)
        learn.key = options->key;
    learn.min_count = options->min_count;
    return learn;
}

// The text learned, or the message that says why there is none.
quelvarinox_status give(const LearnedFile& learning, char* buffer, size_t size, size_t* needed)
{
    if (learning.error.empty())
        return quelvarinox::detail::copy_out(learning.text, buffer, size, needed);
    quelvarinox::detail::copy_cut(learning.error, buffer, size, needed);
    return learning.unreadable != 0 ? QUELVARINOX_UNREADABLE_FILE : QUELVARINOX_NOTHING_LEARNED;
}

}  // namespace

extern "C" {

quelvarinox_status quelvarinox_learn(const char* examples, size_t length, const quelvarinox_learn_options* options,
                                     char* buffer, size_t size, size_t* needed)
{
    if ((!examples && length > 0) || !quelvarinox::detail::valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return quelvarinox::detail::guarded([&] {
        const std::string_view list = quelvarinox::detail::text_of(examples, length);
        return give(quelvarinox::detail::learn_list(list, options_of(options)), buffer, size, needed);
    });
}

quelvarinox_status quelvarinox_learn_file(const char* path, const quelvarinox_learn_options* options, char* buffer,
                                          size_t size, size_t* needed)
{
    if (!path || !quelvarinox::detail::valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return quelvarinox::detail::guarded([&] {
        return give(quelvarinox::detail::learn_list_file(path, options_of(options)), buffer, size, needed);
    });
}

}  // extern "C"
