# fast_float reads decimal numbers and {fmt} writes them, both exact and
# header-only, so that every build converts through the same code. Their
# folders are copied beside the build: the web build's compiler must not see
# the rest of the system's headers.
set(decimal_headers ${CMAKE_BINARY_DIR}/decimal_libraries)
foreach(library fast_float fmt)
  find_path(${library}_folder ${library} PATHS /usr/include NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
  file(COPY ${${library}_folder}/${library} DESTINATION ${decimal_headers})
endforeach()
add_library(plotmere_decimal_libraries INTERFACE)
target_include_directories(plotmere_decimal_libraries SYSTEM INTERFACE ${decimal_headers})
target_compile_definitions(plotmere_decimal_libraries INTERFACE FMT_HEADER_ONLY)
