#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::detail {

// The nombre and clave of a grammar.
struct GrammarIdentity {
    std::string display_name;
    std::string key;
};

// The identity a list of examples gives its grammar by default, from the
// list's file name: «mis-nombres.txt» gives "Mis nombres" and "mis-nombres";
// "-", the standard input, and a name with nothing to take gives "Lengua
// aprendida" and "lengua-aprendida".
GrammarIdentity identity_from_file_name(std::string_view path);

// What is wrong with an identity, as the format takes it, in a Spanish
// sentence; empty if nothing is.
std::string identity_problem(const GrammarIdentity& identity);

}  // namespace quelvarinox::detail
