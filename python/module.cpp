// The Python module: the C++ interface under Spanish names. Unknown categories,
// lists that teach nothing and other bad arguments raise ValueError, which
// pybind11 makes of the library's std::invalid_argument with its message.
// Wherever a category is taken, so is a Gramatica.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include <pybind11/pybind11.h>
#include <pybind11/stl.h>

#include "python/grammar_binding.h"
#include "python/learning_binding.h"
#include "quelvarinox/quelvarinox.hpp"

namespace py = pybind11;
using quelvarinox::Category;
using quelvarinox::Generator;
using quelvarinox::Grammar;

namespace {

// A category by its name or key, or a grammar of one's own.
using Origin = std::variant<std::string, Grammar>;

py::object with_trace(const Generator& generator, const std::string& name, bool trace)
{
    if (!trace)
        return py::str(name);
    return py::make_tuple(name, generator.last_trace());
}

// The list filled as the names are made: one call into the library, one str a name.
py::list names_list(Generator& generator, const Origin& origin, std::size_t count, bool alternative)
{
    return std::visit(
        [&](const auto& category) {
            generator.for_each_name(category, 0, alternative, {});  // an unknown category raises before the list is made
            py::list list(count);
            Py_ssize_t filled = 0;
            generator.for_each_name(category, count, alternative, [&](std::string_view name) {
                PyList_SET_ITEM(list.ptr(), filled++, py::str(name.data(), name.size()).release().ptr());
            });
            return list;
        },
        origin);
}

}  // namespace

PYBIND11_MODULE(quelvarinox, module)
{
    module.doc() = "Nombres de Star Wars: cada categoría, con su propia gramática de sílabas.";
    module.attr("__version__") = std::string(quelvarinox::version());

    py::class_<Category>(module, "Categoria", "Una categoría de la lista.")
        .def_readonly("nombre", &Category::display_text, "Como la muestra la ventana: «Garos IV».")
        .def_readonly("clave", &Category::key, "Corta y en minúsculas: «garos».")
        .def_readonly("lee_alternativo", &Category::reads_alternative_mode,
                      "Si el modo alternativo cambia sus nombres.")
        .def_readonly("descripcion", &Category::description)
        .def("__repr__", [](const Category& category) {
            return "<Categoria " + std::string(category.display_text) + " (" + std::string(category.key) + ")>";
        });

    module.def(
        "categorias", [] { return quelvarinox::categories(); }, "Las categorías, en el orden de la lista.");

    quelvarinox::python::bind_grammars(module);
    quelvarinox::python::bind_learning(module);

    py::class_<Generator>(module, "Generador",
                          "Da nombres. Con semilla, los mismos que «quelvarinox-nombres -s SEMILLA»: su nombre "
                          "n.º k de una categoría es el n.º k de la herramienta.")
        .def(py::init([](std::optional<std::uint64_t> semilla) { return semilla ? Generator(*semilla) : Generator(); }),
             py::arg("semilla") = py::none())
        .def_property_readonly("semilla", &Generator::seed, "La semilla dada o elegida.")
        .def(
            "nombre",
            [](Generator& generator, const Origin& categoria, bool alternativo, bool traza) {
                const std::string name =
                    std::visit([&](const auto& category) { return generator.name(category, alternativo); }, categoria);
                return with_trace(generator, name, traza);
            },
            py::arg("categoria"), py::arg("alternativo") = false, py::arg("traza") = false,
            "El siguiente nombre de la categoría (su nombre, su clave o una Gramatica); con traza=True, el par "
            "(nombre, tiradas).")
        .def(
            "nombre_numero",
            [](Generator& generator, const Origin& categoria, std::uint64_t numero, bool alternativo, bool traza) {
                const std::string name = std::visit(
                    [&](const auto& category) { return generator.name_at(category, numero, alternativo); }, categoria);
                return with_trace(generator, name, traza);
            },
            py::arg("categoria"), py::arg("numero"), py::arg("alternativo") = false, py::arg("traza") = false,
            "El nombre n.º numero (desde 1) de la categoría, sin avanzar la cuenta.")
        .def(
            "nombres",
            [](Generator& generator, const Origin& categoria, std::size_t cantidad, bool alternativo) {
                return names_list(generator, categoria, cantidad, alternativo);
            },
            py::arg("categoria"), py::arg("cantidad"), py::arg("alternativo") = false,
            "Una lista con los siguientes «cantidad» nombres de la categoría.");
}
