# quelvarinox_manual_page(NAME): the manual page NAME (its section the last
# character of the name), made from NAME.in of the
# current source folder with the project's version, and installed with the
# programs. Debian wants manual pages compressed by gzip -9n: without the file's
# name and time, the same sources give the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(quelvarinox_manual_page name)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
  configure_file(${name}.in ${page} @ONLY)
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${GZIP_EXECUTABLE} -9nkf ${page}
    DEPENDS ${page}
    VERBATIM)
  add_custom_target(manual_page_${name} ALL DEPENDS ${page}.gz)
  string(REGEX REPLACE ".*\\.([1-9])$" "\\1" section ${name})
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section} COMPONENT programs)
endfunction()
