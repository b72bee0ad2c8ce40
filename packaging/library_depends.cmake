# Read by cpack before it makes the packages. The library's package is made
# without CPack's look at its files, which would call ldconfig from maintainer
# scripts where Debian wants a trigger; dpkg-shlibdeps names its dependencies.
set(work ${QUELVARINOX_PACKAGING_DIR}/shlibdeps)
file(WRITE ${work}/debian/control "")
execute_process(COMMAND dpkg-shlibdeps -O ${QUELVARINOX_LIBRARY_FILE}
  WORKING_DIRECTORY ${work} RESULT_VARIABLE failed OUTPUT_VARIABLE depends ERROR_VARIABLE errors)
if(failed)
  message(FATAL_ERROR "dpkg-shlibdeps: ${errors}")
endif()
string(REGEX REPLACE "^shlibs:Depends=|\n$" "" CPACK_DEBIAN_LIBRARY_PACKAGE_DEPENDS "${depends}")
