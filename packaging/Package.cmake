# `make package`: a Debian package built by CPack's DEB generator from this build folder.
# Shared-library dependencies come from dpkg-shlibdeps; speech needs a running speech-dispatcher
# with a voice, which Debian ships separately, so they are recommended; printing needs a CUPS
# server only when the user prints, so it is suggested.
set(FERROLIN_MAINTAINER "Ferrolin developers <ferrolin@users.noreply.github.com>")
set(FERROLIN_DEB_RELEASE 1)
set(FERROLIN_DEB_VERSION ${PROJECT_VERSION}-${FERROLIN_DEB_RELEASE})
set(FERROLIN_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/ferrolin)

execute_process(COMMAND date -u -R -d "${FERROLIN_RELEASE_DATE} 12:00"
                OUTPUT_VARIABLE FERROLIN_RELEASE_DATE_RFC2822 OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(changelog ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.Debian)
configure_file(${CMAKE_CURRENT_LIST_DIR}/changelog.in ${changelog} @ONLY)
add_custom_command(OUTPUT ${changelog}.gz
                   COMMAND gzip -9nkf ${changelog}
                   DEPENDS ${CMAKE_CURRENT_LIST_DIR}/changelog.in ${changelog}
                   VERBATIM)
add_custom_target(ferrolin_changelog ALL DEPENDS ${changelog}.gz)  # `cmake --install` needs it too
install(FILES ${CMAKE_CURRENT_LIST_DIR}/copyright ${changelog}.gz DESTINATION ${FERROLIN_DOCDIR})

# Everything the package holds. `package` itself builds nothing (see below), so the Makefile
# builds this first: only the programs and their files, not the tests and benchmarks.
set(packaged ferrolin ferrolin-eval)
if(TARGET ferrolin-history)
  list(APPEND packaged ferrolin-history)
endif()
if(TARGET ferrolin_icons AND TARGET ferrolin_man)
  list(APPEND packaged ferrolin_icons ferrolin_man)
  add_custom_target(package-files)
  add_dependencies(package-files ${packaged} ferrolin_changelog)
else()
  add_custom_target(package-files
    COMMAND ${CMAKE_COMMAND} -E echo "package-files: install scdoc and librsvg2-bin (scripts/install-deps build) and configure again"
    COMMAND ${CMAKE_COMMAND} -E false)
endif()
set(CMAKE_SKIP_PACKAGE_ALL_DEPENDENCY ON)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ferrolin)
set(CPACK_PACKAGE_VENDOR "The Ferrolin developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${FERROLIN_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "calculator with 80-bit results and spoken feedback")
set(CPACK_PACKAGE_DESCRIPTION
"Ferrolin evaluates arithmetic expressions typed as text or built with an
on-screen keypad and a list of 39 named functions (trigonometric,
hyperbolic, logarithmic, exponential, rounding, factorial, random and
statistical). Every value is computed in 80-bit extended precision, and each
result joins a history that is saved as RTF, opened again and printed.

Spoken feedback through speech-dispatcher reads out every key, function and
result, and a Quick Start Guide reads itself aloud.

The command-line tool ferrolin-eval evaluates expressions exactly as the
window does, for scripts.")
if(TARGET ferrolin-history)
  string(APPEND CPACK_PACKAGE_DESCRIPTION " ferrolin-history prints the lines of a
results file and writes one from lines of text.")
endif()
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE ${FERROLIN_DEB_RELEASE})
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE https://github.com/ferrolin/ferrolin)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "speech-dispatcher, speech-dispatcher-espeak-ng")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "cups")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_STRIP_FILES ON)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/package)
include(CPack)
