#include "app/display_failure_guard.h"

#include <cstdio>
#include <cstdlib>
#include <string>

#include <QString>

#include "app/display_check.h"

namespace quelvarinox::app {

namespace {

QtMessageHandler previous_handler = nullptr;

void explain_fatal(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type != QtFatalMsg) {
        if (previous_handler)
            previous_handler(type, context, message);
        return;
    }
    const std::string text = unusable_display_message(std::getenv, message.toStdString());
    std::fputs(text.c_str(), stderr);
    std::fflush(stderr);
    std::_Exit(1);
}

}  // namespace

DisplayFailureGuard::DisplayFailureGuard() : previous_(qInstallMessageHandler(explain_fatal))
{
    previous_handler = previous_;
}

DisplayFailureGuard::~DisplayFailureGuard()
{
    qInstallMessageHandler(previous_);
    previous_handler = nullptr;
}

}  // namespace quelvarinox::app
