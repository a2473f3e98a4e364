# Fails when the table of the run flags in docs/architecture.md and the
# operations of src/state/run_flags.h disagree. In the header, the first line
# of each operation's comment reads "// sets A B, clears C" (either half may
# be missing) and the operation follows as "void name()" or "bool& name()".
# Each row of the table, under its header "| operation | sets | clears | ...",
# begins "| `name` | `A` `B` | `C` |". Usage:
#   cmake -DHEADER=src/state/run_flags.h -DDOC=docs/architecture.md -P check-run-flags-table.cmake

# The lines of a file as a list; brackets and semicolons, which a CMake list
# does not keep, become parentheses and commas.
function(read_lines path out)
  file(READ ${path} text)
  string(REPLACE "[" "(" text "${text}")
  string(REPLACE "]" ")" text "${text}")
  string(REPLACE ";" "," text "${text}")
  string(REPLACE "\n" ";" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

read_lines(${HEADER} header)
set(flags "")
foreach(line IN LISTS header)
  if(line MATCHES "^ *// (sets ([A-Za-z ]+))?(, )?(clears ([A-Za-z ]+))?$")
    string(REGEX REPLACE "([A-Za-z]+)" "`\\1`" flags "|${CMAKE_MATCH_2}|${CMAKE_MATCH_5}|")
  elseif(line MATCHES "^ *(void|bool&) ([A-Za-z]+)\\(")
    if(flags STREQUAL "")
      message(FATAL_ERROR "${CMAKE_MATCH_2} in ${HEADER} has no line saying which flags it sets and clears")
    endif()
    list(APPEND operations "|`${CMAKE_MATCH_2}`${flags}")
    set(flags "")
  endif()
endforeach()

read_lines(${DOC} doc)
set(inTable FALSE)
foreach(line IN LISTS doc)
  string(REPLACE " " "" line "${line}")
  if(line MATCHES "^\\|operation\\|sets\\|clears\\|")
    set(inTable TRUE)
  elseif(inTable AND NOT line MATCHES "^\\|---" AND line MATCHES "^(\\|[^|]*\\|[^|]*\\|[^|]*\\|)")
    list(APPEND rows "${CMAKE_MATCH_1}")
  elseif(inTable AND NOT line MATCHES "^\\|")
    set(inTable FALSE)
  endif()
endforeach()

string(REPLACE " " "" operations "${operations}")
list(SORT operations)
list(SORT rows)
if(NOT operations STREQUAL rows OR operations STREQUAL "")
  string(REPLACE ";" "\n  " operations "${operations}")
  string(REPLACE ";" "\n  " rows "${rows}")
  message(FATAL_ERROR "The run flags' table does not match ${HEADER}.\nThe header:\n  ${operations}\nThe table:\n  ${rows}")
endif()
