# Writes the site's service worker: WORKER with the list of every file of the
# assembled folder SITE and a version that changes with any file's content,
# so that a new build's worker replaces the cache of the old one.
# Usage: cmake -DSITE=build-web/site -DWORKER=web/sw.js -P precache.cmake
file(GLOB_RECURSE files RELATIVE ${SITE} ${SITE}/*)
list(REMOVE_ITEM files sw.js)
list(SORT files)
set(contents)
foreach(file ${files})
  file(SHA256 ${SITE}/${file} hash)
  string(APPEND contents "${file} ${hash}\n")
endforeach()
string(SHA256 SITE_VERSION "${contents}")
string(SUBSTRING ${SITE_VERSION} 0 16 SITE_VERSION)
list(JOIN files " " SITE_FILES)
configure_file(${WORKER} ${SITE}/sw.js @ONLY)
