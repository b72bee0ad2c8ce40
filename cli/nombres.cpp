#include "cli/nombres.h"

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "categories/category_table.h"
#include "cli/options.h"
#include "cli/output.h"
#include "cli/unique_names.h"
#include "core/draw_log.h"
#include "core/generation_context.h"
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

std::string folded(std::string_view text)
{
    const auto is_space = [](char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; };
    while (!text.empty() && is_space(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && is_space(text.back()))
        text.remove_suffix(1);
    std::string result(text);
    for (char& c : result)
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    return result;
}

// A category named by its display text or its picture key, in any letter case.
const Category* category_named(std::string_view requested)
{
    const std::string wanted = folded(requested);
    for (const Category& category : category_table())
        if (folded(category.display_text) == wanted || folded(category.picture_key) == wanted)
            return &category;
    return nullptr;
}

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

// Generates and writes `count` names of each category of `chosen`.
class Run {
public:
    Run(const Options& options, Output& out, std::ostream& err)
        : options_(options), out_(out), err_(err), random_(make_random(options)),
          ctx_(*random_, options.trace ? &log_ : nullptr)
    {
        ctx_.huevo = options.alternative ? "1" : "0";
    }

    // Returns false when a category ran out of distinct names.
    bool names_of(const Category& category, bool labelled)
    {
        unique_.forget();
        for (std::uint64_t done = 0; done < options_.count && out_.open();) {
            log_.clear();
            category.generator(ctx_, name_);
            if (options_.unique && !unique_.admit(name_)) {
                if (unique_.exhausted()) {
                    err_ << program << ": la categoría «" << category.display_text
                         << "» no da más nombres distintos: se han dado " << done << " de "
                         << options_.count << ".\n";
                    return false;
                }
                continue;
            }
            line_.clear();
            if (labelled) {
                line_ += category.display_text;
                line_ += '\t';
            }
            line_ += name_;
            if (options_.trace) {
                line_ += '\t';
                log_.append_trace(line_);
            }
            line_ += '\n';
            out_.write(line_);
            ++done;
        }
        return true;
    }

private:
    static std::unique_ptr<RandomSource> make_random(const Options& options)
    {
        if (options.seed)
            return std::make_unique<SeededRandom>(*options.seed);
        return std::make_unique<ClockRandom>();
    }

    const Options& options_;
    Output& out_;
    std::ostream& err_;
    std::unique_ptr<RandomSource> random_;
    DrawLog log_;
    GenerationContext ctx_;
    UniqueNames unique_;
    std::string name_;
    std::string line_;
};

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
        chosen = category_named(*options.category);
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
            Run run(options, out, err);
            if (chosen) {
                status = run.names_of(*chosen, false) ? 0 : 1;
            } else {
                for (const Category& category : category_table())
                    if (!run.names_of(category, true)) {
                        status = 1;
                        break;
                    }
            }
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
