# The Debian package: `cpack -G DEB` in the build folder writes
# plotmere_VERSION_ARCH.deb, with the dependencies dpkg-shlibdeps finds.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME plotmere)
set(CPACK_PACKAGE_VERSION ${PLOTMERE_VERSION})
set(CPACK_PACKAGE_VENDOR "The Plotmere developers")
set(CPACK_PACKAGE_CONTACT "The Plotmere developers <help@plotmere.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "graphing calculator for expressions in x")
set(CPACK_PACKAGE_DESCRIPTION "Plotmere evaluates an expression in x, or draws it as a Cartesian, polar
or parametric curve. It finds roots and extrema, integrates over the
window, zooms, keeps ten functions and memory variables, runs script
files, draws data files and saves pictures as BMP, PNG, JPEG, SVG or PDF.
A headless console runs it from text, without a window.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION math)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The faces of the window's design, or their metric-compatible twins: without
# them the title and the status line do not fit their places. Qt's SVG plugin
# draws the window's icon; nothing links it, so no library names it.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation, libqt6svg6")
set(CPACK_STRIP_FILES ON)
configure_file(${CMAKE_CURRENT_LIST_DIR}/package_time.cmake.in package_time.cmake @ONLY)
set(CPACK_PROJECT_CONFIG_FILE ${PROJECT_BINARY_DIR}/package_time.cmake)
include(CPack)
