// The C interface's grammars of one's own: reading them from a text or a file,
// what they are, and the mistakes of one that is wrong, each as the loader made it.
#include <string_view>
#include <utility>
#include <vector>

#include "library/c_api_support.h"

struct quelvarinox_grammar_errors {
    std::vector<quelvarinox::GrammarMistake> mistakes;
};

namespace {

using quelvarinox::detail::copy_cut;
using quelvarinox::detail::copy_out;
using quelvarinox::detail::GrammarReading;
using quelvarinox::detail::guarded;
using quelvarinox::detail::text_of;
using quelvarinox::detail::valid_buffer;

quelvarinox_status status_of(const GrammarReading& reading)
{
    if (reading.unreadable != 0)
        return QUELVARINOX_UNREADABLE_FILE;
    return reading.grammar ? QUELVARINOX_OK : QUELVARINOX_INVALID_GRAMMAR;
}

// The grammar read, or its place and messages: quelvarinox_grammar_new's answer.
quelvarinox_status give_with_messages(GrammarReading reading, quelvarinox_grammar** grammar,
                                      quelvarinox_grammar_error* first, char* messages, size_t size, size_t* needed)
{
    copy_cut(quelvarinox::detail::placed(reading.file_name, reading.mistakes), messages, size, needed);
    if (first)
        *first = reading.mistakes.empty() ? quelvarinox_grammar_error{0, 0}
                                          : quelvarinox_grammar_error{reading.mistakes.front().line,
                                                                      reading.mistakes.front().column};
    const quelvarinox_status status = status_of(reading);
    if (status == QUELVARINOX_OK)
        *grammar = new quelvarinox_grammar{std::move(reading.grammar)};
    return status;
}

// The grammar read, or its mistakes when they are wanted: quelvarinox_grammar_parse's answer.
quelvarinox_status give_with_errors(GrammarReading reading, quelvarinox_grammar** grammar,
                                    quelvarinox_grammar_errors** errors)
{
    const quelvarinox_status status = status_of(reading);
    if (status == QUELVARINOX_OK)
        *grammar = new quelvarinox_grammar{std::move(reading.grammar)};
    else if (errors)
        *errors = new quelvarinox_grammar_errors{std::move(reading.mistakes)};
    return status;
}

// Reads a grammar with `read` once the arguments are known to be good, and
// hands it over with `give`. Until then, nothing is handed over.
template <typename Read, typename Give>
quelvarinox_status read_and_give(bool valid, quelvarinox_grammar** grammar, Read read, Give give)
{
    if (grammar)
        *grammar = nullptr;
    if (!valid || !grammar)
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] { return give(read()); });
}

auto from_text(const char* text, size_t length)
{
    return [=] { return quelvarinox::detail::read_grammar(text_of(text, length)); };
}

auto from_file(const char* path)
{
    return [=] { return quelvarinox::detail::read_grammar_file(path); };
}

}  // namespace

extern "C" {

quelvarinox_status quelvarinox_grammar_new(const char* text, size_t length, quelvarinox_grammar** grammar,
                                           quelvarinox_grammar_error* first, char* messages, size_t size,
                                           size_t* needed)
{
    return read_and_give((text != nullptr || length == 0) && valid_buffer(messages, size), grammar,
                         from_text(text, length), [&](GrammarReading reading) {
                             return give_with_messages(std::move(reading), grammar, first, messages, size, needed);
                         });
}

quelvarinox_status quelvarinox_grammar_from_file(const char* path, quelvarinox_grammar** grammar,
                                                 quelvarinox_grammar_error* first, char* messages, size_t size,
                                                 size_t* needed)
{
    return read_and_give(path != nullptr && valid_buffer(messages, size), grammar, from_file(path),
                         [&](GrammarReading reading) {
                             return give_with_messages(std::move(reading), grammar, first, messages, size, needed);
                         });
}

quelvarinox_status quelvarinox_grammar_parse(const char* text, size_t length, quelvarinox_grammar** grammar,
                                             quelvarinox_grammar_errors** errors)
{
    if (errors)
        *errors = nullptr;
    return read_and_give(text != nullptr || length == 0, grammar, from_text(text, length),
                         [&](GrammarReading reading) { return give_with_errors(std::move(reading), grammar, errors); });
}

quelvarinox_status quelvarinox_grammar_parse_file(const char* path, quelvarinox_grammar** grammar,
                                                  quelvarinox_grammar_errors** errors)
{
    if (errors)
        *errors = nullptr;
    return read_and_give(path != nullptr, grammar, from_file(path),
                         [&](GrammarReading reading) { return give_with_errors(std::move(reading), grammar, errors); });
}

size_t quelvarinox_grammar_error_count(const quelvarinox_grammar_errors* errors)
{
    return errors ? errors->mistakes.size() : 0;
}

quelvarinox_status quelvarinox_grammar_error_at(const quelvarinox_grammar_errors* errors, size_t index,
                                                uint32_t* line, uint32_t* column, char* buffer, size_t size,
                                                size_t* needed)
{
    if (!errors || index >= errors->mistakes.size() || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const quelvarinox::GrammarMistake& mistake = errors->mistakes[index];
    if (line)
        *line = mistake.line;
    if (column)
        *column = mistake.column;
    return copy_out(mistake.message, buffer, size, needed);
}

void quelvarinox_grammar_errors_free(quelvarinox_grammar_errors* errors) { delete errors; }

void quelvarinox_grammar_free(quelvarinox_grammar* grammar) { delete grammar; }

quelvarinox_status quelvarinox_grammar_info(const quelvarinox_grammar* grammar, quelvarinox_category* info)
{
    if (!grammar || !info)
        return QUELVARINOX_INVALID_ARGUMENT;
    const quelvarinox::detail::Grammar& read = grammar->loaded->grammar();
    info->display_text = read.display_text.c_str();
    info->key = read.key.c_str();
    info->description = read.description.c_str();
    info->reads_alternative_mode = read.reads_alternative_mode();
    return QUELVARINOX_OK;
}

}  // extern "C"
