#include <cstdlib>
#include <iostream>
#include <memory>

#include <QApplication>

#include "app/display_check.h"
#include "app/display_failure_guard.h"
#include "app/form1.h"
#include "core/random_source.h"

int main(int argc, char** argv)
{
    using namespace quelvarinox::app;

    const std::string missing = missing_display_message(std::getenv);
    if (!missing.empty()) {
        std::cerr << missing;
        return 1;
    }

    std::unique_ptr<QApplication> application;
    {
        const DisplayFailureGuard guard;
        application = std::make_unique<QApplication>(argc, argv);
    }

    quelvarinox::detail::SeededRandom random(quelvarinox::detail::random_run_seed());
    Form1 window(random);
    window.show();
    return QApplication::exec();
}
