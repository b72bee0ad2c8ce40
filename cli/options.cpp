#include "cli/options.h"

#include <algorithm>
#include <charconv>

#include "learning/learn_grammar.h"
#include "text/shown.h"
#include "text/utf8.h"

namespace quelvarinox::cli {

namespace {

enum class Id {
    categoria, cantidad, alternativo, semilla, unicos, lista, traza, ayuda, version, formato,
    min_letras, max_letras, empieza, sin_malsonantes, excluir, anotar, desde, hilos, gramatica, exportar,
    comprobar, aprender, nombre, clave, umbral,
};

struct KnownOption {
    Id id;
    char short_name;  // 0 for an option that has only its long name
    std::string_view long_name;
    bool takes_value;
};

constexpr KnownOption known_options[] = {
    {Id::categoria, 'c', "categoria", true},   {Id::cantidad, 'n', "cantidad", true},
    {Id::alternativo, 'a', "alternativo", false}, {Id::semilla, 's', "semilla", true},
    {Id::unicos, 'u', "unicos", false},       {Id::lista, 'l', "lista", false},
    {Id::traza, 0, "traza", false},           {Id::ayuda, 'h', "ayuda", false},
    {Id::version, 0, "version", false},       {Id::formato, 'f', "formato", true},
    {Id::min_letras, 0, "min-letras", true},  {Id::max_letras, 0, "max-letras", true},
    {Id::empieza, 0, "empieza", true},        {Id::sin_malsonantes, 0, "sin-malsonantes", false},
    {Id::excluir, 0, "excluir", true},        {Id::anotar, 0, "anotar", true},
    {Id::desde, 0, "desde", true},            {Id::hilos, 0, "hilos", true},
    {Id::gramatica, 0, "gramatica", true},    {Id::exportar, 0, "exportar", true},
    {Id::comprobar, 0, "comprobar", true},    {Id::aprender, 0, "aprender", true},
    {Id::nombre, 0, "nombre", true},          {Id::clave, 0, "clave", true},
    {Id::umbral, 0, "umbral", true},
};

std::string long_form(const KnownOption& known) { return "--" + std::string(known.long_name); }

// A value that starts with "-" and a letter is the next option, not a value
// the user forgot to write; "-5" is a (wrong) number.
bool looks_like_an_option(std::string_view argument)
{
    return argument.size() > 1 && argument[0] == '-' && !(argument[1] >= '0' && argument[1] <= '9');
}

struct LongMatch {
    const KnownOption* known = nullptr;
    std::string error;
};

// An option named in full, or by the start of exactly one long name.
LongMatch find_long(std::string_view name)
{
    std::vector<const KnownOption*> candidates;
    for (const KnownOption& known : known_options) {
        if (known.long_name == name)
            return {&known, {}};
        if (!name.empty() && known.long_name.starts_with(name))
            candidates.push_back(&known);
    }
    if (candidates.size() == 1)
        return {candidates.front(), {}};
    const std::string written = detail::shown("--" + std::string(name));
    if (candidates.empty())
        return {nullptr, "Opción desconocida: " + written + ". Prueba --ayuda."};
    std::string list;
    for (std::size_t i = 0; i < candidates.size(); ++i)
        list += (i == 0 ? "" : i + 1 == candidates.size() ? " o " : ", ") + long_form(*candidates[i]);
    return {nullptr, "La opción " + written + " es ambigua: puede ser " + list + "."};
}

const KnownOption* find_short(char name)
{
    for (const KnownOption& known : known_options)
        if (known.short_name == name && name != 0)
            return &known;
    return nullptr;
}

// Sets what one option says; returns a message when its value is wrong.
std::string apply(const KnownOption& known, std::string_view value, Options& options)
{
    const std::string option = long_form(known);
    const auto number = [&](std::uint64_t min, std::uint64_t max, std::uint64_t& into) {
        const WholeNumber parsed = parse_whole_number(value, min, max, option);
        if (parsed.error.empty())
            into = parsed.value;
        return parsed.error;
    };
    const auto optional_number = [&](std::uint64_t min, std::uint64_t max, std::optional<std::uint64_t>& into) {
        std::uint64_t parsed = 0;
        std::string error = number(min, max, parsed);
        if (error.empty())
            into = parsed;
        return error;
    };
    const auto text = [&](std::optional<std::string>& into) -> std::string {
        if (value.empty())
            return option + ": el valor está vacío.";
        if (!detail::utf8_length(value))
            return option + ": " + detail::shown(value) + " no es texto UTF-8 válido.";
        into = std::string(value);
        return {};
    };
    switch (known.id) {
    case Id::categoria: {
        std::size_t start = 0;
        while (true) {
            const std::size_t comma = value.find(',', start);
            const std::string_view item = value.substr(start, comma - start);
            if (item.find_first_not_of(" \t") == std::string_view::npos)
                return option + ": " + detail::shown(value) + " deja una categoría sin nombre.";
            options.categories.push_back({std::string(item), false});
            if (comma == std::string_view::npos)
                return {};
            start = comma + 1;
        }
    }
    case Id::cantidad: return number(0, max_count, options.count);
    case Id::semilla: return optional_number(0, UINT64_MAX, options.seed);
    case Id::min_letras: return optional_number(0, max_letters, options.min_letters);
    case Id::max_letras: return optional_number(0, max_letters, options.max_letters);
    case Id::desde: return number(1, last_index, options.first_index);
    case Id::hilos: return optional_number(1, max_threads, options.threads);
    case Id::empieza: return text(options.prefix);
    case Id::excluir: return text(options.exclude_file);
    case Id::exportar: return text(options.export_category);
    case Id::comprobar: return text(options.check_file);
    case Id::aprender: return text(options.learn_file);
    case Id::nombre: return text(options.learned_name);
    case Id::clave: return text(options.learned_key);
    case Id::umbral: return optional_number(detail::fewest_min_count, detail::most_min_count, options.min_count);
    case Id::gramatica: {
        std::optional<std::string> file;
        std::string error = text(file);
        if (error.empty())
            options.categories.push_back({*file, true});
        return error;
    }
    case Id::anotar: return text(options.record_file);
    case Id::formato:
        if (value == "texto")
            options.format = Format::text;
        else if (value == "tsv")
            options.format = Format::tsv;
        else if (value == "csv")
            options.format = Format::csv;
        else if (value == "json")
            options.format = Format::json;
        else
            return option + ": " + detail::shown(value) + " no es un formato; los formatos son texto, tsv, csv y json.";
        return {};
    case Id::alternativo: options.alternative = true; return {};
    case Id::unicos: options.unique = true; return {};
    case Id::lista: options.list = true; return {};
    case Id::traza: options.trace = true; return {};
    case Id::ayuda: options.help = true; return {};
    case Id::version: options.version = true; return {};
    case Id::sin_malsonantes: options.without_offensive = true; return {};
    }
    return {};
}

const KnownOption& known_option(Id id)
{
    return *std::find_if(std::begin(known_options), std::end(known_options),
                         [&](const KnownOption& known) { return known.id == id; });
}

// --comprobar, --exportar and --aprender each do one thing: an option that
// would change nothing there is refused rather than ignored, and so are the
// options of --aprender without it. --ayuda and --version go with anything.
std::string check_modes(const std::vector<Id>& given)
{
    const auto has = [&](Id id) { return std::find(given.begin(), given.end(), id) != given.end(); };
    struct Mode {
        Id id;
        std::vector<Id> companions;
        std::string_view what;
    };
    const Mode modes[] = {
        {Id::comprobar, {}, "solo comprueba la gramática de un fichero"},
        {Id::exportar, {}, "solo escribe la gramática de una categoría"},
        {Id::aprender, {Id::nombre, Id::clave, Id::umbral}, "solo escribe la gramática que aprende de una lista, "
                                                            "con --nombre, --clave y --umbral"},
    };
    for (const Mode& mode : modes) {
        if (!has(mode.id))
            continue;
        for (const Id id : given) {
            const bool fits = id == mode.id || id == Id::ayuda || id == Id::version ||
                              std::find(mode.companions.begin(), mode.companions.end(), id) != mode.companions.end();
            if (!fits)
                return long_form(known_option(mode.id)) + " " + std::string(mode.what) + ", y no hace nada con " +
                       long_form(known_option(id)) + ": pídalos en órdenes distintas.";
        }
    }
    for (const Id id : {Id::nombre, Id::clave, Id::umbral})
        if (has(id) && !has(Id::aprender))
            return long_form(known_option(id)) + " solo vale con --aprender, que aprende una gramática de una lista de "
                                                  "nombres.";
    return {};
}

// What the whole command line asks for, checked as a whole.
std::string check_together(const Options& options, const std::vector<Id>& given)
{
    if (std::string error = check_modes(given); !error.empty())
        return error;
    const auto from_standard_input = [](const CategoryRequest& request) {
        return request.grammar_file && request.name == "-";
    };
    if (std::count_if(options.categories.begin(), options.categories.end(), from_standard_input) > 1)
        return "--gramatica -: la entrada estándar solo se puede leer una vez.";
    if (options.unique && options.count > max_unique_count)
        return "Con --unicos la cantidad no puede pasar de " + std::to_string(max_unique_count) +
               " por categoría, porque hay que recordar cada nombre dado.";
    if (options.count > 0 && options.first_index - 1 > last_index - options.count)
        return "--cantidad " + std::to_string(options.count) + " no cabe con --desde " +
               std::to_string(options.first_index) + ": los nombres se numeran hasta el " +
               std::to_string(last_index) + ", así que la cantidad puede ser como mucho " +
               std::to_string(last_index - options.first_index + 1) + ".";
    if (options.min_letters && options.max_letters && *options.min_letters > *options.max_letters)
        return "--min-letras (" + std::to_string(*options.min_letters) + ") no puede pasar de --max-letras (" +
               std::to_string(*options.max_letters) + ").";
    return {};
}

}  // namespace

WholeNumber parse_whole_number(std::string_view text, std::uint64_t min, std::uint64_t max, std::string_view what)
{
    WholeNumber result;
    const std::string range = "; ha de ser un entero de " + std::to_string(min) + " a " + std::to_string(max) + ".";
    const std::string subject = std::string(what) + ": " + detail::shown(text);
    const bool digits_only = !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
    if (!digits_only) {
        const bool negative = text.size() > 1 && text[0] == '-' &&
                              text.find_first_not_of("0123456789", 1) == std::string_view::npos &&
                              text.find_first_not_of('0', 1) != std::string_view::npos;
        result.error = subject + (negative ? " es negativo" : " no es un número entero escrito solo con cifras") + range;
        return result;
    }
    const auto [stop, failure] = std::from_chars(text.data(), text.data() + text.size(), result.value);
    if (failure == std::errc::result_out_of_range || result.value > max || result.value < min)
        result.error = subject + " se sale de los límites" + range;
    return result;
}

ParsedOptions parse_options(int argc, char** argv)
{
    ParsedOptions parsed;
    Options& options = parsed.options;
    const auto fail = [&](std::string message) {
        parsed.error = std::move(message);
        return parsed;
    };
    // The value of an option that takes one: what follows it in the same word,
    // or else the next word, unless that is the next option.
    int next = 1;
    std::vector<Id> given;
    const auto take_value = [&](std::string_view written, std::string_view& value) -> std::string {
        if (next < argc && !looks_like_an_option(argv[next])) {
            value = argv[next++];
            return {};
        }
        return "A la opción " + detail::shown(written) + " le falta su valor.";
    };
    while (next < argc) {
        const std::string_view argument = argv[next++];
        if (argument == "--" || argument.size() < 2 || argument[0] != '-')
            return fail("Argumento inesperado: " + detail::shown(argument) + ". Prueba --ayuda.");
        if (argument.starts_with("--")) {
            const std::size_t equals = argument.find('=');
            const std::string_view name = argument.substr(2, equals == std::string_view::npos ? equals : equals - 2);
            const LongMatch match = find_long(name);
            if (!match.known)
                return fail(match.error);
            const KnownOption& known = *match.known;
            std::string_view value;
            if (equals != std::string_view::npos) {
                if (!known.takes_value)
                    return fail("La opción " + long_form(known) + " no lleva valor.");
                value = argument.substr(equals + 1);
            } else if (known.takes_value) {
                if (std::string error = take_value(argument, value); !error.empty())
                    return fail(error);
            }
            if (std::string error = apply(known, value, options); !error.empty())
                return fail(error);
            given.push_back(known.id);
            continue;
        }
        for (std::size_t i = 1; i < argument.size(); ++i) {
            const KnownOption* known = find_short(argument[i]);
            if (!known)
                return fail("Opción desconocida: " + detail::shown(std::string{'-', argument[i]}) + ". Prueba --ayuda.");
            std::string_view value;
            if (known->takes_value) {
                if (i + 1 < argument.size()) {
                    value = argument.substr(i + 1);
                } else if (std::string error = take_value(std::string{'-', argument[i]}, value);
                           !error.empty()) {
                    return fail(error);
                }
                i = argument.size();
            }
            if (std::string error = apply(*known, value, options); !error.empty())
                return fail(error);
            given.push_back(known->id);
        }
    }
    if (std::string error = check_together(options, given); !error.empty())
        return fail(error);
    return parsed;
}

}  // namespace quelvarinox::cli
