#include "python/learning_binding.h"

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include <pybind11/stl.h>
#include <pybind11/stl/filesystem.h>

#include "quelvarinox/quelvarinox.hpp"

namespace py = pybind11;

namespace quelvarinox::python {

void bind_learning(py::module_& module)
{
    module.def(
        "aprender",
        [](std::string_view texto, std::optional<std::string> nombre, std::optional<std::string> clave, int umbral) {
            return learn(texto, {std::move(nombre), std::move(clave), umbral});
        },
        py::arg("texto"), py::arg("nombre") = py::none(), py::arg("clave") = py::none(), py::arg("umbral") = 2,
        "El texto de la gramática que enseñan los nombres de ejemplo de «texto», uno por línea: el que escribe "
        "«quelvarinox-nombres --aprender -» con la lista en la entrada estándar, para leerlo con Gramatica(texto). "
        "Sin nombre ni clave, «Lengua aprendida» y «lengua-aprendida»; umbral dice cuántas veces ha de salir una "
        "pieza, una forma o un número de sílabas para entrar. Si no hay nada que aprender, lanza ValueError con el "
        "porqué.");
    module.def(
        "aprender_de_fichero",
        [](const std::filesystem::path& ruta, std::optional<std::string> nombre, std::optional<std::string> clave,
           int umbral) { return learn_file(ruta.string(), {std::move(nombre), std::move(clave), umbral}); },
        py::arg("ruta"), py::arg("nombre") = py::none(), py::arg("clave") = py::none(), py::arg("umbral") = 2,
        "Lo mismo con la lista del fichero «ruta», leído como lo lee la herramienta: lo que escribe "
        "«quelvarinox-nombres --aprender FICHERO». Sin nombre ni clave, los del nombre del fichero "
        "(«mis-nombres.txt» da «Mis nombres» y «mis-nombres»). Si no se puede leer, lanza OSError; si no hay nada "
        "que aprender, ValueError, cuyo mensaje empieza por el nombre del fichero.");
}

}  // namespace quelvarinox::python
