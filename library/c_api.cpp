#include "quelvarinox/quelvarinox.h"

#include <string>
#include <vector>

#include "categories/category_table.h"
#include "core/random_source.h"
#include "engine/builtin_grammars.h"
#include "library/c_api_support.h"

namespace {

using quelvarinox::detail::copy_out;
using quelvarinox::detail::guarded;
using quelvarinox::detail::NameOrigin;
using quelvarinox::detail::NameSource;
using quelvarinox::detail::valid_buffer;

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

// Name `index` of `origin` into the buffer, unless the grammar refused it.
quelvarinox_status name_into(NameSource& source, const NameOrigin& origin, std::uint64_t index, int alternative,
                             char* buffer, size_t size, size_t* needed)
{
    const std::string& name = source.make(origin, index, alternative != 0);
    return source.last_refusal() ? QUELVARINOX_NAME_REFUSED : copy_out(name, buffer, size, needed);
}

// The next name of `origin`, counted as given once it fits the buffer, or
// once the grammar refused it.
quelvarinox_status next_name(NameSource& source, const NameOrigin& origin, int alternative, char* buffer,
                             size_t size, size_t* needed)
{
    const quelvarinox_status status = name_into(source, origin, source.next_index(origin), alternative, buffer, size, needed);
    if (status == QUELVARINOX_OK || status == QUELVARINOX_NAME_REFUSED)
        source.move_on(origin);
    return status;
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
    case QUELVARINOX_NOTHING_LEARNED: return "No se ha aprendido ninguna gramática de la lista: lo dice su mensaje.";
    case QUELVARINOX_NAME_REFUSED: return "La gramática rechaza el nombre 1000 veces: lo dice quelvarinox_last_refusal.";
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
    return guarded([&] { return name_into(generator->source, *row, index, alternative, buffer, size, needed); });
}

quelvarinox_status quelvarinox_last_trace(const quelvarinox_generator* generator, char* buffer, size_t size,
                                          size_t* needed)
{
    if (!generator || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    return guarded([&] { return copy_out(generator->source.last_trace(), buffer, size, needed); });
}

quelvarinox_status quelvarinox_last_refusal(const quelvarinox_generator* generator, uint64_t* index, uint32_t* pattern,
                                            char* buffer, size_t size, size_t* needed)
{
    if (!generator || !valid_buffer(buffer, size))
        return QUELVARINOX_INVALID_ARGUMENT;
    const NameSource& source = generator->source;
    const bool refused = static_cast<bool>(source.last_refusal());
    if (index)
        *index = refused ? source.last_index() : 0;
    if (pattern)
        *pattern = static_cast<uint32_t>(source.last_refusal().pattern);
    return guarded([&] { return copy_out(source.refusal_message(), buffer, size, needed); });
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
    return guarded([&] { return name_into(generator->source, grammar->loaded, index, alternative, buffer, size, needed); });
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
