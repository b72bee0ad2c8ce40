#include "cli/nombres.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "categories/category_table.h"
#include "cli/line_format.h"
#include "cli/name_filter.h"
#include "cli/name_run.h"
#include "cli/options.h"
#include "cli/output.h"
#include "core/random_source.h"

namespace quelvarinox::cli {

namespace {

constexpr std::string_view program = "quelvarinox-nombres";

constexpr std::string_view usage =
    "Uso: quelvarinox-nombres [OPCIONES]\n"
    "Inventa nombres de Star Wars, uno por línea.\n"
    "Sin --categoria da un nombre de cada categoría, con la categoría delante.\n"
    "\n"
    "  -c, --categoria C   categoría, por su nombre («Garos IV») o su clave («garos»)\n"
    "  -n, --cantidad K    cuántos nombres (1 si no se dice)\n"
    "  -a, --alternativo   modo alternativo: epítetos compuestos y «Darth »\n"
    "  -s, --semilla S     semilla (entero de 64 bits): la misma semilla da los mismos nombres\n"
    "  -u, --unicos        ningún nombre repetido en la misma ejecución\n"
    "      --traza         tras cada nombre, un tabulador y las tiradas que lo formaron\n"
    "  -l, --lista         lista las categorías: posición, nombre, clave, modo alternativo\n"
    "  -h, --ayuda         muestra esta ayuda\n"
    "      --version       muestra la versión\n";

std::string valid_categories()
{
    std::string list;
    for (const Category& category : category_table()) {
        list += list.empty() ? "" : ", ";
        list += category.display_text;
        list += " (";
        list += category.picture_key;
        list += ')';
    }
    return list;
}

void write_list(Output& out)
{
    for (const Category& category : category_table()) {
        out.write(std::to_string(position_of(category)));
        out.write("\t");
        out.write(category.display_text);
        out.write("\t");
        out.write(category.picture_key);
        out.write(category.reads_huevo ? "\tsí\n" : "\tno\n");
    }
}

std::string describe_errno(int error)
{
    switch (error) {
    case ENOSPC: return "no queda espacio en el dispositivo";
    case EBADF: return "la salida está cerrada";
    case EIO: return "error de entrada/salida";
    case EFBIG: return "el archivo es demasiado grande";
    case EDQUOT: return "se ha superado la cuota de disco";
    default: return "error " + std::to_string(error) + " (" + std::strerror(error) + ")";
    }
}

// Every category, or the chosen one; returns the exit status.
int write_names(const Options& options, const Category* chosen, Output& out, std::ostream& err)
{
    NameMaker maker(options.seed.value_or(random_run_seed()), options.trace);
    UniqueNames unique;
    std::vector<NameFilter*> filters;
    if (options.unique)
        filters.push_back(&unique);
    const TextLines format(chosen == nullptr, options.trace);
    NameRun run(maker, options.alternative, filters, format, out, err);
    if (chosen)
        return run.write_names(*chosen, options.count) ? 0 : 1;
    for (const Category& category : category_table())
        if (!run.write_names(category, options.count))
            return 1;
    return 0;
}

}  // namespace

int run_nombres(int argc, char** argv, int out_fd, std::ostream& err)
{
    const ParsedOptions parsed = parse_options(argc, argv);
    if (!parsed.error.empty()) {
        err << program << ": " << parsed.error << '\n';
        return 2;
    }
    const Options& options = parsed.options;

    const Category* chosen = nullptr;
    if (options.category && !options.help && !options.version && !options.list) {
        chosen = find_category_by_name(*options.category);
        if (!chosen) {
            err << program << ": categoría desconocida: «" << *options.category
                << "». Las categorías válidas son: " << valid_categories() << ".\n";
            return 2;
        }
    }

    int status = 0;
    {
        Output out(out_fd);
        if (options.help) {
            out.write(usage);
        } else if (options.version) {
            out.write(std::string(program) + " 2.1\n");
        } else if (options.list) {
            write_list(out);
        } else {
            status = write_names(options, chosen, out, err);
        }
        out.flush();
        if (out.state() == Output::State::failed) {
            err << program << ": no se pudo escribir la salida: " << describe_errno(out.error()) << ".\n";
            return 1;
        }
    }
    return status;
}

}  // namespace quelvarinox::cli
