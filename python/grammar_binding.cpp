#include "python/grammar_binding.h"

#include <exception>
#include <filesystem>
#include <string>
#include <string_view>

#include <pybind11/stl/filesystem.h>

#include "quelvarinox/quelvarinox.hpp"

namespace py = pybind11;
using quelvarinox::Grammar;

namespace quelvarinox::python {

namespace {

// The classes ErrorDeGramatica and NombreRechazado, kept for the module's life.
PyObject* grammar_error = nullptr;
PyObject* name_refused = nullptr;

// GrammarError as ErrorDeGramatica with the first mistake's place and every
// mistake as (linea, columna, mensaje); UnreadableGrammar as the OSError of its
// errno, FileNotFoundError for a file that does not exist.
void translate(std::exception_ptr thrown)
{
    try {
        std::rethrow_exception(thrown);
    } catch (const GrammarError& error) {
        py::list mistakes;
        for (const GrammarMistake& mistake : error.errors())
            mistakes.append(py::make_tuple(mistake.line, mistake.column, mistake.message));
        py::object raised = py::handle(grammar_error)(error.what());
        raised.attr("linea") = error.line();
        raised.attr("columna") = error.column();
        raised.attr("errores") = mistakes;
        PyErr_SetObject(grammar_error, raised.ptr());
    } catch (const UnreadableGrammar& error) {
        PyErr_SetObject(PyExc_OSError, py::make_tuple(error.error_number(), error.what()).ptr());
    } catch (const NameRefused& refused) {
        py::object raised = py::handle(name_refused)(refused.what());
        raised.attr("numero") = refused.index();
        raised.attr("patron") = refused.pattern();
        PyErr_SetObject(name_refused, raised.ptr());
    }
}

}  // namespace

void bind_grammars(py::module_& module)
{
    grammar_error = PyErr_NewExceptionWithDoc(
        "quelvarinox.ErrorDeGramatica",
        "La gramática tiene errores. str() los da todos, uno por línea («línea:columna: mensaje»); linea y columna "
        "dicen dónde está el primero, y errores, cada uno como (linea, columna, mensaje).",
        PyExc_ValueError, nullptr);
    if (!grammar_error)
        throw py::error_already_set();
    module.add_object("ErrorDeGramatica", py::handle(grammar_error));
    name_refused = PyErr_NewExceptionWithDoc(
        "quelvarinox.NombreRechazado",
        "La gramática no da un nombre: su [rechazo] lo ha rechazado 1000 veces seguidas. str() lo dice; numero es "
        "el del nombre, desde 1, y patron, el del patrón que más lo rechazó, desde 1. El nombre cuenta como dado: "
        "la siguiente llamada sigue con el siguiente.",
        PyExc_RuntimeError, nullptr);
    if (!name_refused)
        throw py::error_already_set();
    module.add_object("NombreRechazado", py::handle(name_refused));
    py::register_exception_translator(translate);

    py::class_<Grammar>(module, "Gramatica",
                            "Una gramática propia, con el formato de quelvarinox-gramatica(5): un Generador hace sus "
                            "nombres como los de una categoría, y con semilla, los mismos que «quelvarinox-nombres "
                            "--gramatica FICHERO -s SEMILLA». Si tiene errores, lanza ErrorDeGramatica.")
        .def(py::init([](std::string_view texto) { return Grammar::from_text(texto); }), py::arg("texto"),
             "La gramática de un texto TOML.")
        .def_static(
            "desde_fichero",
            [](const std::filesystem::path& ruta) { return Grammar::from_file(ruta.string()); }, py::arg("ruta"),
            "La gramática del fichero «ruta», leído como lo lee la herramienta (1 MiB como mucho); los mensajes de "
            "sus errores empiezan por la ruta. Si no se puede leer, lanza OSError.")
        .def_property_readonly("nombre", &Grammar::display_text, "Como lo muestra la herramienta: «Mi lengua».")
        .def_property_readonly("clave", &Grammar::key, "Corta y en minúsculas: «mi-lengua».")
        .def_property_readonly("lee_alternativo", &Grammar::reads_alternative_mode,
                               "Si el modo alternativo cambia sus nombres.")
        .def_property_readonly("descripcion", &Grammar::description)
        .def("__repr__", [](const Grammar& grammar) {
            return "<Gramatica " + std::string(grammar.display_text()) + " (" + std::string(grammar.key()) + ")>";
        });
}

}  // namespace quelvarinox::python
