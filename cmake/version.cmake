# The target quelvarinox_version gives its users the header "version/version.h",
# whose QUELVARINOX_VERSION is the project's version; QUELVARINOX_NPM_VERSION is
# that version as npm wants it, of three numbers. Read by the native build and by
# the WebAssembly build of web/, whose project() takes the top one's version.
configure_file(${CMAKE_CURRENT_LIST_DIR}/version.h.in ${PROJECT_BINARY_DIR}/generated/version/version.h @ONLY)
add_library(quelvarinox_version INTERFACE)
target_include_directories(quelvarinox_version INTERFACE $<BUILD_INTERFACE:${PROJECT_BINARY_DIR}/generated>)
string(REGEX REPLACE "^([0-9]+\\.[0-9]+)$" "\\1.0" QUELVARINOX_NPM_VERSION "${PROJECT_VERSION}")
