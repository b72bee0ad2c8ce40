#include "quelvarinox/quelvarinox.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"
#include "core/random_source.h"
#include "engine/builtin_grammars.h"
#include "library/loaded_grammar.h"
#include "library/name_source.h"

struct quelvarinox_generator {
    explicit quelvarinox_generator(std::uint64_t seed) : source(seed) {}
    quelvarinox::detail::NameSource source;
};

struct quelvarinox_grammar {
    std::shared_ptr<const quelvarinox::detail::LoadedGrammar> loaded;
};

namespace {

using quelvarinox::detail::Category;
using quelvarinox::detail::GrammarReading;
using quelvarinox::detail::NameOrigin;
using quelvarinox::detail::NameSource;

// Nothing may leave a C function as an exception. The library itself throws
// only what allocating throws (bad_alloc, length_error).
template <typename Body>
quelvarinox_status guarded(Body body) noexcept
{
    try {
        return body();
    } catch (...) {
        return QUELVARINOX_OUT_OF_MEMORY;
    }
}

// A null buffer of size 0 asks for the size alone.
bool valid_buffer(const char* buffer, size_t size) { return buffer != nullptr || size == 0; }

quelvarinox_status copy_out(std::string_view text, char* buffer, size_t size, size_t* needed)
{
    if (needed)
        *needed = text.size() + 1;
    if (size <= text.size())
        return QUELVARINOX_BUFFER_TOO_SMALL;
    std::memcpy(buffer, text.data(), text.size());
    buffer[text.size()] = '\0';
    return QUELVARINOX_OK;
}

// `text` whole when it fits, or as many of its characters as do, with a NUL
// after them; `needed` tells the size of the whole.
void copy_cut(std::string_view text, char* buffer, size_t size, size_t* needed)
{
    if (needed)
        *needed = text.size() + 1;
    if (size == 0)
        return;
    std::size_t length = std::min(text.size(), size - 1);
    while (length > 0 && length < text.size() && (static_cast<unsigned char>(text[length]) & 0xC0) == 0x80)
        --length;
    std::memcpy(buffer, text.data(), length);
    buffer[length] = '\0';
}

// The table's texts, each ending in its NUL.
struct CategoryTexts {
    std::string display_text;
    std::string key;
    std::string description;
};

const std::vector<CategoryTexts>& category_texts()
{
    static const std::vector<CategoryTexts> texts = [] {
        std::vector<CategoryTexts> rows;
        for (const quelvarinox::detail::Category& category : quelvarinox::detail::category_table())
            rows.push_back({std::string(category.display_text), std::string(category.picture_key),
                            std::string(category.description)});
        return rows;
    }();
    return texts;
}

quelvarinox_status new_generator(std::uint64_t seed, quelvarinox_generator** generator)
{
    if (!generator)
        return QUELVARINOX_INVALID_ARGUMENT;
    *generator = nullptr;
    return guarded([&] {
        *generator = new quelvarinox_generator(seed);
        return QUELVARINOX_OK;
    });
}

// The next name of `origin`, counted as given once it fits the buffer.
quelvarinox_status next_name(NameSource& source, const NameOrigin& origin, int alternative, char* buffer,
                             size_t size, size_t* needed)
{
    const quelvarinox_status status =
        copy_out(source.make(origin, source.next_index(origin), alternative != 0), buffer, size, needed);
    if (status == QUELVARINOX_OK)
        source.move_on(origin);
    return status;
}

// A grammar read, handed over with its messages.
quelvarinox_status give_grammar(const GrammarReading& reading, quelvarinox_grammar** grammar,
                                quelvarinox_grammar_error* first, char* messages, size_t size, size_t* needed)
{
    copy_cut(quelvarinox::detail::placed(reading.file_name, reading.mistakes), messages, size, needed);
    if (first)
        *first = reading.mistakes.empty() ? quelvarinox_grammar_error{0, 0}
                                          : quelvarinox_grammar_error{reading.mistakes.front().line,
                                                                      reading.mistakes.front().column};
    if (reading.unreadable != 0)
        return QUELVARINOX_UNREADABLE_FILE;
    if (!reading.grammar)
        return QUELVARINOX_INVALID_GRAMMAR;
    *grammar = new quelvarinox_grammar{reading.grammar};
    return QUELVARINOX_OK;
}

// Reads a grammar with `read` once the arguments are known to be good.
template <typename Read>
quelvarinox_status new_grammar(bool valid, quelvarinox_grammar** grammar, quelvarinox_grammar_error* first,
                               char* messages, size_t size, size_t* needed, Read read)
{
    if (grammar)
        *grammar = nullptr;
    if (!valid || !grammar || !valid_buffer(messages, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] { return give_grammar(read(), grammar, first, messages, size, needed); });
}

}  // namespace

extern "C" {

const char* quelvarinox_status_message(quelvarinox_status status)
{
    switch (status) {
    case QUELVARINOX_OK: return "Todo ha ido bien.";
    case QUELVARINOX_UNKNOWN_CATEGORY: return "La categoría no es ninguna de la lista.";
    case QUELVARINOX_BUFFER_TOO_SMALL: return "El búfer es demasiado pequeño para el texto.";
    case QUELVARINOX_INVALID_ARGUMENT: return "Falta un puntero o un número está fuera de su intervalo.";
    case QUELVARINOX_OUT_OF_MEMORY: return "No queda memoria.";
    case QUELVARINOX_INVALID_GRAMMAR: return "La gramática tiene errores: los dicen sus mensajes.";
    case QUELVARINOX_NOT_A_GRAMMAR: return "La categoría la hace un programa: no tiene fichero de gramática.";
    case QUELVARINOX_UNREADABLE_FILE: return "No se puede leer el fichero de la gramática.";
    }
    return "Estado desconocido.";
}

size_t quelvarinox_category_count(void) { return quelvarinox::detail::category_table().size(); }

quelvarinox_status quelvarinox_category_at(size_t index, quelvarinox_category* category)
{
    if (!category || index >= quelvarinox::detail::category_table().size())
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] {
        const CategoryTexts& texts = category_texts()[index];
        category->display_text = texts.display_text.c_str();
        category->key = texts.key.c_str();
        category->description = texts.description.c_str();
        category->reads_alternative_mode = quelvarinox::detail::category_table()[index].reads_huevo;
        return QUELVARINOX_OK;
    });
}

quelvarinox_status quelvarinox_generator_new(quelvarinox_generator** generator)
{
    return new_generator(quelvarinox::detail::random_run_seed(), generator);
}

quelvarinox_status quelvarinox_generator_new_seeded(uint64_t seed, quelvarinox_generator** generator)
{
    return new_generator(seed, generator);
}

void quelvarinox_generator_free(quelvarinox_generator* generator) { delete generator; }

quelvarinox_status quelvarinox_generator_seed(const quelvarinox_generator* generator, uint64_t* seed)
{
    if (!generator || !seed)
        return QUELVARINOX_INVALID_ARGUMENT;
    *seed = generator->source.seed();
    return QUELVARINOX_OK;
}

quelvarinox_status quelvarinox_name(quelvarinox_generator* generator, const char* category, int alternative,
                                    char* buffer, size_t size, size_t* needed)
{
    if (!generator || !category || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const quelvarinox::detail::Category* row = quelvarinox::detail::find_category_by_name(category);
    if (!row)
        return QUELVARINOX_UNKNOWN_CATEGORY;
    return guarded([&] { return next_name(generator->source, *row, alternative, buffer, size, needed); });
}

quelvarinox_status quelvarinox_name_at(quelvarinox_generator* generator, const char* category, uint64_t index,
                                       int alternative, char* buffer, size_t size, size_t* needed)
{
    if (!generator || !category || index == 0 || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const quelvarinox::detail::Category* row = quelvarinox::detail::find_category_by_name(category);
    if (!row)
        return QUELVARINOX_UNKNOWN_CATEGORY;
    return guarded([&] { return copy_out(generator->source.make(*row, index, alternative != 0), buffer, size, needed); });
}

quelvarinox_status quelvarinox_last_trace(const quelvarinox_generator* generator, char* buffer, size_t size,
                                          size_t* needed)
{
    if (!generator || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] { return copy_out(generator->source.last_trace(), buffer, size, needed); });
}

quelvarinox_status quelvarinox_grammar_new(const char* text, size_t length, quelvarinox_grammar** grammar,
                                           quelvarinox_grammar_error* first, char* messages, size_t size,
                                           size_t* needed)
{
    return new_grammar(text != nullptr || length == 0, grammar, first, messages, size, needed, [&] {
        return quelvarinox::detail::read_grammar(length == 0 ? std::string_view() : std::string_view(text, length));
    });
}

quelvarinox_status quelvarinox_grammar_from_file(const char* path, quelvarinox_grammar** grammar,
                                                 quelvarinox_grammar_error* first, char* messages, size_t size,
                                                 size_t* needed)
{
    return new_grammar(path != nullptr, grammar, first, messages, size, needed,
                       [&] { return quelvarinox::detail::read_grammar_file(path); });
}

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

quelvarinox_status quelvarinox_grammar_name(quelvarinox_generator* generator, const quelvarinox_grammar* grammar,
                                            int alternative, char* buffer, size_t size, size_t* needed)
{
    if (!generator || !grammar || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] { return next_name(generator->source, grammar->loaded, alternative, buffer, size, needed); });
}

quelvarinox_status quelvarinox_grammar_name_at(quelvarinox_generator* generator, const quelvarinox_grammar* grammar,
                                               uint64_t index, int alternative, char* buffer, size_t size,
                                               size_t* needed)
{
    if (!generator || !grammar || index == 0 || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] {
        return copy_out(generator->source.make(grammar->loaded, index, alternative != 0), buffer, size, needed);
    });
}

quelvarinox_status quelvarinox_builtin_grammar_text(const char* category, char* buffer, size_t size, size_t* needed)
{
    if (!category || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const quelvarinox::detail::Category* row = quelvarinox::detail::find_category_by_name(category);
    if (!row)
        return QUELVARINOX_UNKNOWN_CATEGORY;
    return guarded([&] {
        const quelvarinox::detail::BuiltinGrammarText* text = quelvarinox::detail::builtin_grammar_text(row->picture_key);
        return text ? copy_out(text->text, buffer, size, needed) : QUELVARINOX_NOT_A_GRAMMAR;
    });
}

}  // extern "C"
