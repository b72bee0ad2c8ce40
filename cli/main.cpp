#include <csignal>
#include <iostream>
#include <new>
#include <unistd.h>

#include "cli/nombres.h"

int main(int argc, char** argv)
{
    // A closed pipe is seen as EPIPE on write and ends the run quietly.
    std::signal(SIGPIPE, SIG_IGN);
    try {
        return quelvarinox::cli::run_nombres(argc, argv, STDOUT_FILENO, std::cerr, ::isatty(STDERR_FILENO) == 1);
    } catch (const std::bad_alloc&) {
        std::cerr << "quelvarinox-nombres: no hay memoria suficiente.\n";
        return 1;
    }
}
