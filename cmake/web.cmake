# The web edition (cmake/emscripten.cmake): the core and the headless console
# in WebAssembly, run by Node. Exceptions are WebAssembly's own; files are the
# real file system's; the .wasm is inside its loader, which Node 20 cannot
# read by path. Loops may run two values at once (WebAssembly's SIMD, in every
# Node from 16 on). The random device waits to be read before it loads Node's
# crypto. The linker's optimizer finds Debian's acorn through NODE_PATH.
if(NOT EMSCRIPTEN)
  return()
endif()
add_compile_options(-fwasm-exceptions -msimd128)
add_link_options(-fwasm-exceptions -sENVIRONMENT=node -sNODERAWFS=1 -sSINGLE_FILE=1
  -sALLOW_MEMORY_GROWTH=1 -sEXIT_RUNTIME=1 "SHELL:--js-library ${PROJECT_SOURCE_DIR}/src/app/web/random_device.js")
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=/usr/share/nodejs)
