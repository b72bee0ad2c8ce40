#include "quelvarinox/quelvarinox.h"
#include "quelvarinox/quelvarinox.hpp"

#include "version/version.h"

namespace quelvarinox {

std::string_view version() { return QUELVARINOX_VERSION; }

}  // namespace quelvarinox

extern "C" const char* quelvarinox_version(void) { return QUELVARINOX_VERSION; }
