# Installs the build into a fresh prefix and compares the files that land there
# with the expected list; every picture the manual shows lands beside it; the
# installed program's Help names the installed manual.
# Usage: cmake -DBUILD=build -DPREFIX=folder -DEXPECTED=expected_files.txt -DREADME=README.md
#        -P check_install.cmake
file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX} OUTPUT_QUIET RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "cmake --install ${BUILD} failed")
endif()
file(GLOB_RECURSE landed LIST_DIRECTORIES false RELATIVE ${PREFIX} ${PREFIX}/*)
file(STRINGS ${EXPECTED} expected)
set(missing ${expected})
list(REMOVE_ITEM missing ${landed})
set(unexpected ${landed})
list(REMOVE_ITEM unexpected ${expected})
if(missing OR unexpected)
  message(FATAL_ERROR "missing: ${missing}\nunexpected: ${unexpected}")
endif()

file(STRINGS ${README} shown REGEX "\\(docs/[^)]+\\)")
string(REGEX MATCHALL "docs/[^)]+" shown "${shown}")
foreach(picture ${shown})
  if(NOT EXISTS ${PREFIX}/share/doc/plotmere/${picture})
    message(FATAL_ERROR "the manual shows ${picture}, which is not installed")
  endif()
endforeach()

file(WRITE ${PREFIX}.actions "click HelpMe\n")
execute_process(COMMAND ${PREFIX}/bin/plotmere --headless ${PREFIX}.actions OUTPUT_VARIABLE help)
file(REMOVE_RECURSE ${PREFIX} ${PREFIX}.actions)
if(NOT help MATCHES "^message \\[Plotmere\\] For help, go to file://${PREFIX}/share/doc/plotmere/manual.html\\\\r")
  message(FATAL_ERROR "Help of the installed program: ${help}")
endif()
