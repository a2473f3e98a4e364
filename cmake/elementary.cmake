# The elementary functions of the core (src/expr/elementary.h): glibc's own
# double-precision code, built into the program so that the desktop and
# WebAssembly compute the same bits. Its files come from the source tarball of
# Debian's glibc-source at configure time; only the stand-ins for glibc's
# internal headers are ours (src/elementary/glibc_shims.h).
enable_language(C)
if(CCACHE_PROGRAM)
  set(CMAKE_C_COMPILER_LAUNCHER ${CCACHE_PROGRAM})
endif()

set(PLOTMERE_GLIBC_SOURCE /usr/src/glibc/glibc-2.36.tar.xz CACHE FILEPATH
  "glibc's source tarball, as Debian's glibc-source installs it")
if(NOT EXISTS ${PLOTMERE_GLIBC_SOURCE})
  message(FATAL_ERROR "${PLOTMERE_GLIBC_SOURCE} not found: install Debian's glibc-source")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${PLOTMERE_GLIBC_SOURCE})

# sin and cos, tan, atan, atan2, log, log10, pow (with exp's table) and hypot.
set(glibc_math_sources s_sin.c branred.c sincostab.c s_tan.c s_atan.c e_atan2.c e_log.c e_log_data.c
  e_log10.c e_pow.c e_pow_log_data.c e_exp_data.c math_err.c e_hypot.c)
set(glibc_math_headers atnat.h atnat2.h branred.h dla.h math_config.h mydefs.h uatan.tbl usncs.h utan.h
  utan.tbl)
# The internal headers glibc's files include; the shims stand in for all of them.
set(glibc_internal_headers fenv_private.h fix-int-fp-convert-zero.h libm-alias-double.h
  libm-alias-finite.h math-barriers.h math-narrow-eval.h math-svid-compat.h math-underflow.h
  math-use-builtins.h math_private.h nan-high-order-bit.h)

get_filename_component(glibc_release ${PLOTMERE_GLIBC_SOURCE} NAME)
string(REGEX REPLACE "\\.tar\\..*$" "" glibc_release ${glibc_release})
set(glibc_dir ${CMAKE_CURRENT_BINARY_DIR}/glibc)
set(glibc_math ${glibc_dir}/${glibc_release}/sysdeps/ieee754/dbl-64)
set(glibc_wanted ${glibc_math_sources} ${glibc_math_headers})
list(TRANSFORM glibc_wanted PREPEND ${glibc_release}/sysdeps/ieee754/dbl-64/)
# Extracted again when the tarball or the list changes, not at every configure.
set(glibc_stamp ${glibc_dir}/extracted)
set(glibc_stamp_text "${PLOTMERE_GLIBC_SOURCE};${glibc_wanted}")
if(EXISTS ${glibc_stamp})
  file(READ ${glibc_stamp} glibc_extracted)
endif()
if(NOT glibc_extracted STREQUAL glibc_stamp_text OR ${PLOTMERE_GLIBC_SOURCE} IS_NEWER_THAN ${glibc_stamp})
  file(REMOVE_RECURSE ${glibc_dir})
  file(ARCHIVE_EXTRACT INPUT ${PLOTMERE_GLIBC_SOURCE} DESTINATION ${glibc_dir} PATTERNS ${glibc_wanted})
  foreach(header ${glibc_internal_headers})
    file(WRITE ${glibc_dir}/internal/${header} "")
  endforeach()
  file(WRITE ${glibc_stamp} "${glibc_stamp_text}")
endif()

list(TRANSFORM glibc_math_sources PREPEND ${glibc_math}/)
add_library(plotmere_elementary STATIC ${glibc_math_sources})
target_include_directories(plotmere_elementary PRIVATE ${glibc_dir}/internal ${glibc_math})
# glibc's code is GNU C; -ffp-contract=off, set for the whole project, keeps
# out the fused multiply-add that would change its last bits.
target_compile_options(plotmere_elementary PRIVATE
  "SHELL:-include ${PROJECT_SOURCE_DIR}/src/elementary/glibc_shims.h" -Wno-pedantic -Wno-sign-compare)

# The values scripts/compare-elementary.sh compares between builds.
add_executable(elementary_values bench/elementary_values.cpp)
target_link_libraries(elementary_values PRIVATE plotmere_expr)
if(EMSCRIPTEN)
  # Standard output through the file system, not a call into JavaScript per line.
  target_link_options(elementary_values PRIVATE -sFORCE_FILESYSTEM=1)
endif()
