#pragma once

#include <pybind11/pybind11.h>

namespace quelvarinox::python {

// aprender and aprender_de_fichero, the learner of quelvarinox-nombres --aprender,
// in `module`: a list that teaches nothing raises ValueError with its message.
void bind_learning(pybind11::module_& module);

}  // namespace quelvarinox::python
