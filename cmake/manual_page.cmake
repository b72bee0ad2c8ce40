# quelvarinox_manual_page(NAME): the manual page NAME of the current source
# folder, installed with the programs. Debian wants manual pages compressed by
# gzip -9n: without the file's name and time, the same sources give the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)

function(quelvarinox_manual_page name)
  set(page ${CMAKE_CURRENT_BINARY_DIR}/${name})
  add_custom_command(OUTPUT ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${CMAKE_CURRENT_SOURCE_DIR}/${name} ${page}
    COMMAND ${GZIP_EXECUTABLE} -9nf ${page}
    DEPENDS ${CMAKE_CURRENT_SOURCE_DIR}/${name}
    VERBATIM)
  add_custom_target(manual_page_${name} ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1 COMPONENT programs)
endfunction()
