#include <csignal>
#include <iostream>
#include <unistd.h>

#include "cli/nombres.h"

int main(int argc, char** argv)
{
    // A closed pipe is seen as EPIPE on write and ends the run quietly.
    std::signal(SIGPIPE, SIG_IGN);
    return quelvarinox::cli::run_nombres(argc, argv, STDOUT_FILENO, std::cerr);
}
