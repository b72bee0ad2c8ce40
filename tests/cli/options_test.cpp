#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "cli/options.h"

namespace quelvarinox::cli {
namespace {

ParsedOptions parse(std::vector<std::string> arguments)
{
    arguments.insert(arguments.begin(), "quelvarinox-nombres");
    std::vector<char*> argv;
    for (std::string& argument : arguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);
    return parse_options(static_cast<int>(arguments.size()), argv.data());
}

TEST(Options, EveryFormOfEveryOptionIsRead)
{
    const ParsedOptions parsed =
        parse({"-au", "-n5", "--sem=12", "--categoria", "Garos IV", "--gram", "mia.toml", "-c", "kuat,jedi",
               "--gramatica=-", "--traza", "-fjson",
               "--min-letras", "3", "--max-l=9", "--empieza", "Ka", "--sin-malsonantes", "--excluir", "a",
               "--anotar=b", "--desde", "7", "--hilos", "2"});
    ASSERT_EQ(parsed.error, "");
    const Options& o = parsed.options;
    EXPECT_TRUE(o.alternative && o.unique && o.trace && o.without_offensive);
    EXPECT_EQ(o.categories, (std::vector<CategoryRequest>{
                                {"Garos IV"}, {"mia.toml", true}, {"kuat"}, {"jedi"}, {"-", true}}));
    EXPECT_EQ(std::tuple(o.count, o.seed, o.format, o.min_letters, o.max_letters, o.first_index, o.threads),
              std::tuple(5u, std::optional<std::uint64_t>(12), Format::json, std::optional<std::uint64_t>(3),
                         std::optional<std::uint64_t>(9), 7u, std::optional<std::uint64_t>(2)));
    EXPECT_EQ(std::tuple(o.prefix, o.exclude_file, o.record_file), std::tuple("Ka", "a", "b"));
    const Options defaults = parse({}).options;
    EXPECT_TRUE(defaults.categories.empty() && defaults.count == 1 && defaults.first_index == 1);
    EXPECT_FALSE(defaults.seed || defaults.threads || defaults.alternative || defaults.unique || defaults.list);
    EXPECT_EQ(defaults.format, Format::text);
    EXPECT_TRUE(parse({"-l", "-h", "--version"}).options.list);
    EXPECT_EQ(parse({"--exportar", "naboo"}).options.export_category, "naboo");
    EXPECT_EQ(parse({"--comprobar", "-"}).options.check_file, "-");
    const Options learn = parse({"--aprender", "mios.txt", "--nombre=Los míos", "--cla", "mios", "--umbral", "3"}).options;
    EXPECT_EQ(std::tuple(learn.learn_file, learn.learned_name, learn.learned_key, learn.min_count),
              std::tuple("mios.txt", "Los míos", "mios", std::optional<std::uint64_t>(3)));
    for (const auto& [name, format] : {std::pair("csv", Format::csv), {"tsv", Format::tsv}, {"texto", Format::text}})
        EXPECT_EQ(parse({"-f", name}).options.format, format) << name;
    // The largest values that are still right.
    EXPECT_EQ(parse({"-n", "1000000000000"}).options.count, 1'000'000'000'000u);
    EXPECT_EQ(parse({"-s", "18446744073709551615"}).options.seed, UINT64_MAX);
    EXPECT_EQ(parse({"-u", "-n", "10000000", "--hilos", "256", "--desde", "18446744073699551616"}).error, "");
    EXPECT_EQ(parse({"--desde", "18446744073709551615"}).options.first_index, UINT64_MAX);
}

struct BadLine {
    std::vector<std::string> arguments;
    std::string message;
};

TEST(Options, EveryMistakeGetsItsOwnMessage)
{
    const BadLine cases[] = {
        {{"--ayuda=1"}, "La opción --ayuda no lleva valor."},
        {{"-t"}, "Opción desconocida: «-t». Prueba --ayuda."},
        {{"-ax"}, "Opción desconocida: «-x». Prueba --ayuda."},
        {{"--colores"}, "Opción desconocida: «--colores». Prueba --ayuda."},
        {{"--c", "x"}, "La opción «--c» es ambigua: puede ser --categoria, --cantidad, --comprobar o --clave."},
        {{"-n", "-c", "kuat"}, "A la opción «-n» le falta su valor."},
        {{"-n", "-0"}, "--cantidad: «-0» no es un número entero escrito solo con cifras; ha de ser un entero de 0 a "
                       "1000000000000."},
        {{"-n", "-5"}, "--cantidad: «-5» es negativo; ha de ser un entero de 0 a 1000000000000."},
        {{"-n", "1000000000001"}, "--cantidad: «1000000000001» se sale de los límites"},
        {{"-s", "18446744073709551616"}, "--semilla: «18446744073709551616» se sale de los límites"},
        {{"--desde", "0"}, "--desde: «0» se sale de los límites; ha de ser un entero de 1 a 18446744073709551615."},
        {{"--desde", "18446744073699551617", "-u", "-n", "10000000"},
         "--cantidad 10000000 no cabe con --desde 18446744073699551617: los nombres se numeran hasta el "
         "18446744073709551615, así que la cantidad puede ser como mucho 9999999."},
        {{"--hilos", "257"}, "--hilos: «257» se sale de los límites; ha de ser un entero de 1 a 256."},
        {{"--max-letras", "1001"}, "ha de ser un entero de 0 a 1000."},
        {{"-f", "xml"}, "--formato: «xml» no es un formato; los formatos son texto, tsv, csv y json."},
        {{"-c", "kuat,,jedi"}, "--categoria: «kuat,,jedi» deja una categoría sin nombre."},
        {{"--empieza", ""}, "--empieza: el valor está vacío."},
        {{"--excluir", "\xff"}, "--excluir: «\\xFF» no es texto UTF-8 válido."},
        {{"Adumar"}, "Argumento inesperado: «Adumar». Prueba --ayuda."},
        {{"--"}, "Argumento inesperado: «--»."},
        {{"-u", "-n", "10000001"}, "Con --unicos la cantidad no puede pasar de 10000000 por categoría"},
        {{"--min-letras", "5", "--max-letras", "4"}, "--min-letras (5) no puede pasar de --max-letras (4)."},
        {{"--gramatica", "-", "--gramatica", "-"}, "--gramatica -: la entrada estándar solo se puede leer una vez."},
        {{"--gramatica", ""}, "--gramatica: el valor está vacío."},
        // --comprobar, --exportar and --aprender refuse what they would ignore.
        {{"--comprobar", "f", "--gramatica", "g"}, "--comprobar solo comprueba la gramática de un fichero, y no hace "
                                                   "nada con --gramatica: pídalos en órdenes distintas."},
        {{"--exportar", "kuat", "-n", "3"}, "--exportar solo escribe la gramática de una categoría, y no hace nada con "
                                            "--cantidad"},
        {{"--aprender", "f", "--umbral", "3", "-s", "1"}, "--aprender solo escribe la gramática que aprende de una "
                                                          "lista, con --nombre, --clave y --umbral, y no hace nada con "
                                                          "--semilla"},
        {{"--aprender", "f", "--comprobar", "g"}, "--comprobar solo comprueba la gramática de un fichero, y no hace "
                                                  "nada con --aprender"},
        {{"-c", "kuat", "--clave", "k"}, "--clave solo vale con --aprender, que aprende una gramática de una lista de "
                                         "nombres."},
        {{"--aprender", "f", "--umbral", "1000001"}, "--umbral: «1000001» se sale de los límites; ha de ser un entero "
                                                     "de 1 a 1000000."},
        // Values are shown, never echoed raw.
        {{"-c", "a\x1b[31m\nb\xc2\x80\xc2\x9f\xc2\xa0,"}, "«a\\x1B[31m\\x0Ab\\xC2\\x80\\xC2\\x9F\xc2\xa0,» deja"},
        {{"--" + std::string(200, 'x')}, "«--" + std::string(58, 'x') + "…»"},
    };
    for (const BadLine& c : cases) {
        const std::string error = parse(c.arguments).error;
        EXPECT_NE(error.find(c.message), std::string::npos) << c.arguments.front() << " gave: " << error;
    }
}

}  // namespace
}  // namespace quelvarinox::cli
