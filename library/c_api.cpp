#include "quelvarinox/quelvarinox.h"

#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "categories/category_table.h"
#include "core/random_source.h"
#include "library/name_source.h"

struct quelvarinox_generator {
    explicit quelvarinox_generator(std::uint64_t seed) : source(seed) {}
    quelvarinox::library::NameSource source;
};

namespace {

using quelvarinox::Category;

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
        for (const Category& category : quelvarinox::category_table())
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
    }
    return "Estado desconocido.";
}

size_t quelvarinox_category_count(void) { return quelvarinox::category_table().size(); }

quelvarinox_status quelvarinox_category_at(size_t index, quelvarinox_category* category)
{
    if (!category || index >= quelvarinox::category_table().size())
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] {
        const CategoryTexts& texts = category_texts()[index];
        category->display_text = texts.display_text.c_str();
        category->key = texts.key.c_str();
        category->description = texts.description.c_str();
        category->reads_alternative_mode = quelvarinox::category_table()[index].reads_huevo;
        return QUELVARINOX_OK;
    });
}

quelvarinox_status quelvarinox_generator_new(quelvarinox_generator** generator)
{
    return new_generator(quelvarinox::random_run_seed(), generator);
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
    const Category* row = quelvarinox::find_category_by_name(category);
    if (!row)
        return QUELVARINOX_UNKNOWN_CATEGORY;
    return guarded([&] {
        quelvarinox::library::NameSource& source = generator->source;
        const quelvarinox_status status =
            copy_out(source.make(*row, source.next_index(*row), alternative != 0), buffer, size, needed);
        if (status == QUELVARINOX_OK)
            source.move_on(*row);
        return status;
    });
}

quelvarinox_status quelvarinox_name_at(quelvarinox_generator* generator, const char* category, uint64_t index,
                                       int alternative, char* buffer, size_t size, size_t* needed)
{
    if (!generator || !category || index == 0 || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const Category* row = quelvarinox::find_category_by_name(category);
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

}  // extern "C"
