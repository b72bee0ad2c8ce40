#pragma once

#include <pybind11/pybind11.h>

namespace quelvarinox::python {

// Gramatica, the grammars of one's own, ErrorDeGramatica, the ValueError of
// one that is wrong, and NombreRechazado, the RuntimeError of a name that one
// refuses, in `module`; a file that cannot be read raises OSError.
void bind_grammars(pybind11::module_& module);

}  // namespace quelvarinox::python
