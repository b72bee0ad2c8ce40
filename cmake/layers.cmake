# One library per layer, each linking only the layers below it:
#   core <- text <- engine <- programs <- categories <- the window, the tool, the library;
#   engine <- learning (a grammar learned from example names) <- the tool, the library.
# A layer's headers are reached as "folder/file.h" through an include root that
# holds that folder alone, so an include from a lower layer to a higher one
# does not build. Read by the native build and by the WebAssembly build of web/.
set(QUELVARINOX_SOURCE_DIR "${CMAKE_CURRENT_LIST_DIR}/..")
include("${CMAKE_CURRENT_LIST_DIR}/toml.cmake")
cmake_path(NORMAL_PATH QUELVARINOX_SOURCE_DIR)

function(quelvarinox_include_root target folder)
  set(root "${PROJECT_BINARY_DIR}/include-roots/${folder}")
  get_filename_component(parent "${root}/${folder}" DIRECTORY)
  file(MAKE_DIRECTORY "${parent}")
  file(CREATE_LINK "${QUELVARINOX_SOURCE_DIR}/${folder}" "${root}/${folder}" SYMBOLIC)
  target_include_directories(${target} PUBLIC "$<BUILD_INTERFACE:${root}>")
endfunction()
