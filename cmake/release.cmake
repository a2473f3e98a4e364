# The release as packaged and shown: PLOTMERE_VERSION and PLOTMERE_CONTACT (the
# maintainer's address), from the latest entry of data/changelog, and
# PLOTMERE_SOURCE_DATE_EPOCH with PLOTMERE_DATE (YYYY-MM-DD), the time written
# into built files, the program's resources and the package. It is
# SOURCE_DATE_EPOCH when set, else the last commit's, else the latest changelog
# entry's; never the clock or a file's time, so that two builds of one commit,
# in any two clones, are byte for byte the same.
set(changelog ${PROJECT_SOURCE_DIR}/data/changelog)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${changelog})
file(STRINGS ${changelog} heading LIMIT_COUNT 1)
string(REGEX REPLACE "^plotmere \\(([^)]+)\\).*" "\\1" PLOTMERE_VERSION "${heading}")
file(STRINGS ${changelog} signature REGEX "^ -- " LIMIT_COUNT 1)
string(REGEX REPLACE ".*<([^>]+)>.*" "\\1" PLOTMERE_CONTACT "${signature}")

set(epoch $ENV{SOURCE_DATE_EPOCH})
if(NOT epoch)
  execute_process(COMMAND git log -1 --format=%ct WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
endif()
if(NOT epoch MATCHES "^[0-9]+$")
  execute_process(COMMAND dpkg-parsechangelog -l ${changelog} -STimestamp
    OUTPUT_VARIABLE epoch OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
endif()
set(PLOTMERE_SOURCE_DATE_EPOCH ${epoch})
set(ENV{SOURCE_DATE_EPOCH} ${epoch})
string(TIMESTAMP PLOTMERE_DATE "%Y-%m-%d" UTC)
