#pragma once

#include <functional>
#include <string>

namespace quelvarinox::app {

// What the window needs to know of the environment: the value of a variable,
// or nullptr when it is not set.
using EnvironmentLookup = std::function<const char*(const char*)>;

// A Spanish explanation when there is no display to open the window on and no
// platform was chosen either (neither DISPLAY nor WAYLAND_DISPLAY nor
// QT_QPA_PLATFORM is set); empty when there may be one.
std::string missing_display_message(const EnvironmentLookup& environment);

// The Spanish explanation for a display that is set but cannot be opened;
// `detail` is what the toolkit itself said.
std::string unusable_display_message(const EnvironmentLookup& environment, const std::string& detail);

}  // namespace quelvarinox::app
