# The toolchain of the web edition: Debian's emscripten, with Node as the
# tests' emulator. The toolchain's own choice of emulator adds a flag that
# Node 20 no longer takes.
find_program(PLOTMERE_NODE node REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${PLOTMERE_NODE} CACHE FILEPATH "Runs the tests")
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
