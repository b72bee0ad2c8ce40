#pragma once

// toml++ as the loader uses it: errors as values, never exceptions, so that
// the WebAssembly build, which does not catch them, reads a bad file safely;
// and no formatters, which nothing here writes with.
#define TOML_EXCEPTIONS 0
#define TOML_ENABLE_FORMATTERS 0
#include <toml++/toml.h>
