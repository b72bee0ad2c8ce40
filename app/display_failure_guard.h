#pragma once

#include <QtMessageHandler>

namespace quelvarinox::app {

// While it lives, a fatal message of the toolkit (the platform could not be
// opened while the application starts) prints a Spanish explanation instead of
// Qt's own and ends the program with status 1 rather than an abort.
class DisplayFailureGuard {
public:
    DisplayFailureGuard();
    ~DisplayFailureGuard();
    DisplayFailureGuard(const DisplayFailureGuard&) = delete;
    DisplayFailureGuard& operator=(const DisplayFailureGuard&) = delete;

private:
    QtMessageHandler previous_;
};

}  // namespace quelvarinox::app
