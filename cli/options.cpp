#include "cli/options.h"

#include <charconv>
#include <getopt.h>

namespace quelvarinox::cli {

namespace {

std::string quoted(std::string_view text) { return "«" + std::string(text) + "»"; }

enum LongOnly { version_option = 256 };

constexpr option long_options[] = {
    {"categoria", required_argument, nullptr, 'c'},
    {"cantidad", required_argument, nullptr, 'n'},
    {"alternativo", no_argument, nullptr, 'a'},
    {"semilla", required_argument, nullptr, 's'},
    {"unicos", no_argument, nullptr, 'u'},
    {"lista", no_argument, nullptr, 'l'},
    {"traza", no_argument, nullptr, 't'},
    {"ayuda", no_argument, nullptr, 'h'},
    {"version", no_argument, nullptr, version_option},
    {nullptr, 0, nullptr, 0},
};

}  // namespace

WholeNumber parse_whole_number(std::string_view text, std::uint64_t max, std::string_view what)
{
    WholeNumber result;
    const std::string subject = std::string(what) + " " + quoted(text);
    if (text.starts_with('-') && text.size() > 1) {
        result.error = subject + " no puede ser negativa.";
        return result;
    }
    const char* const end = text.data() + text.size();
    const auto [stop, failure] = std::from_chars(text.data(), end, result.value);
    if (text.empty() || stop != end || (failure != std::errc{} && failure != std::errc::result_out_of_range)) {
        result.error = subject + " no es un número entero.";
    } else if (failure == std::errc::result_out_of_range || result.value > max) {
        result.error = subject + " es demasiado grande (el máximo es " + std::to_string(max) + ").";
    }
    return result;
}

ParsedOptions parse_options(int argc, char** argv)
{
    ParsedOptions parsed;
    Options& options = parsed.options;
    optind = 0;  // a fresh scan, also when called more than once in one process
    opterr = 0;  // the messages below are ours, in Spanish
    int choice;
    while ((choice = getopt_long(argc, argv, ":c:n:as:ulth", long_options, nullptr)) != -1) {
        switch (choice) {
        case 'c':
            options.category = optarg;
            break;
        case 'n': {
            const WholeNumber count = parse_whole_number(optarg, max_count, "La cantidad");
            if (!count.error.empty())
                return {options, count.error};
            options.count = count.value;
            break;
        }
        case 's': {
            const WholeNumber seed = parse_whole_number(optarg, UINT64_MAX, "La semilla");
            if (!seed.error.empty())
                return {options, seed.error};
            options.seed = seed.value;
            break;
        }
        case 'a': options.alternative = true; break;
        case 'u': options.unique = true; break;
        case 'l': options.list = true; break;
        case 't': options.trace = true; break;
        case 'h': options.help = true; break;
        case version_option: options.version = true; break;
        case ':':
            return {options, "La opción " + quoted(argv[optind - 1]) + " necesita un valor."};
        default: {
            // A short option inside a cluster such as -ax is named by optopt alone.
            const std::string unknown = optopt != 0 ? std::string{'-', static_cast<char>(optopt)}
                                                    : std::string(argv[optind - 1]);
            return {options, "Opción desconocida: " + quoted(unknown) + ". Prueba --ayuda."};
        }
        }
    }
    if (optind < argc)
        return {options, "Argumento inesperado: " + quoted(argv[optind]) + "."};
    if (options.unique && options.count > max_unique_count)
        return {options, "Con --unicos la cantidad no puede pasar de " + std::to_string(max_unique_count) +
                             ", porque hay que recordar cada nombre dado."};
    return parsed;
}

}  // namespace quelvarinox::cli
