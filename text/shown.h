#pragma once

#include <string>
#include <string_view>

namespace quelvarinox::detail {

// A value the user gave, fit to stand in a message: between «», with control
// characters, controls of the text's direction and bytes that are not UTF-8
// written as \xNN, and cut after a few dozen characters.
std::string shown(std::string_view value);

// The same escapes, with neither the «» nor the cut: a path as it begins a
// "file:line:column: message", which stays one line whatever the path holds.
std::string escaped(std::string_view value);

// What a failed system call's error number means, in Spanish.
std::string describe_errno(int error);

}  // namespace quelvarinox::detail
