#include "cli/messages.h"

#include <unistd.h>

namespace quelvarinox::cli {

void hint_standard_input(std::string_view path, std::string_view what, std::ostream& err)
{
    if (path == "-" && ::isatty(STDIN_FILENO) == 1)
        err << program << "Leyendo " << what << " de la entrada estándar; termine con Ctrl+D.\n" << std::flush;
}

}  // namespace quelvarinox::cli
