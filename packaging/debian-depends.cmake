# Read by cpack before it builds the Debian package: the Depends line, made
# of the libraries the program links (from dpkg-shlibdeps) without the SDL
# ones, which are named once, by hand, with the layer over SDL 2 as the
# alternative. dpkg-shlibdeps' own entry for SDL names only the classic
# library and would leave the alternative dead.
if(CPACK_GENERATOR STREQUAL "DEB")
  set(work ${CPACK_CLOUDPIERCER_BINARY_DIR}/packaging/shlibdeps)
  file(MAKE_DIRECTORY ${work}/debian)
  file(TOUCH ${work}/debian/control)  # dpkg-shlibdeps wants to be in a source package
  execute_process(
    COMMAND dpkg-shlibdeps -O -xlibsdl1.2debian -xlibsdl1.2-compat -xlibsdl1.2-compat-shim -xlibsdl-mixer1.2
            -e ${CPACK_CLOUDPIERCER_PROGRAM}
    WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE shlibs
    ERROR_VARIABLE shlibs_warnings
    RESULT_VARIABLE failed
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  file(REMOVE_RECURSE ${work})
  if(failed OR NOT shlibs MATCHES "^shlibs:Depends=")
    message(FATAL_ERROR "dpkg-shlibdeps found no libraries for ${CPACK_CLOUDPIERCER_PROGRAM}: ${shlibs_warnings}")
  endif()
  string(REGEX REPLACE "^shlibs:Depends=" "" libraries "${shlibs}")
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CPACK_CLOUDPIERCER_SDL_DEPENDS}, ${libraries}")
endif()
