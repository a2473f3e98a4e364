# Each library has an include folder of its own in the build folder, holding
# links to its own headers only. A library sees its own folder and, through
# what it links, those of the libraries below it: an include from a layer
# above does not compile, even of a name that is only inline or constexpr.

# Links the headers (paths under src/) into the target's folder, under the
# paths the code includes them by.
function(plotmere_headers target)
  set(folder ${PROJECT_BINARY_DIR}/headers/${target})
  file(REMOVE_RECURSE ${folder})  # a header moved elsewhere must not linger
  foreach(header IN LISTS ARGN)
    cmake_path(ABSOLUTE_PATH header BASE_DIRECTORY ${PROJECT_SOURCE_DIR} NORMALIZE)
    cmake_path(RELATIVE_PATH header BASE_DIRECTORY ${PROJECT_SOURCE_DIR}/src OUTPUT_VARIABLE name)
    cmake_path(GET name PARENT_PATH parent)
    file(MAKE_DIRECTORY ${folder}/${parent})
    file(CREATE_LINK ${header} ${folder}/${name} SYMBOLIC)
  endforeach()
  get_target_property(type ${target} TYPE)
  if(type STREQUAL "EXECUTABLE")
    target_include_directories(${target} PRIVATE ${folder})
  else()
    target_include_directories(${target} PUBLIC ${folder})
  endif()
endfunction()

# The headers of one folder of src/, all of them a library's own.
function(plotmere_folder_headers target folder)
  file(GLOB headers CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/src/${folder}/*.h)
  plotmere_headers(${target} ${headers})
endfunction()
