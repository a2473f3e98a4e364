# Writes the user manual: the README as one HTML page.
# Usage: cmake -DMARKDOWN=markdown_py -DREADME=README.md -DHTML=manual.html -P manual.cmake
execute_process(COMMAND ${MARKDOWN} -x tables -x toc -o html ${README}
  OUTPUT_VARIABLE body RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${MARKDOWN} could not read ${README}")
endif()
file(WRITE ${HTML} "<!DOCTYPE html>
<html lang=\"en\">
<head>
<meta charset=\"utf-8\">
<title>Plotmere manual</title>
<style>
body { max-width: 46em; margin: 2em auto; padding: 0 1em; font-family: sans-serif; line-height: 1.45; }
pre, code { font-family: monospace; background: #f3f4f7; }
pre { padding: 0.6em; overflow-x: auto; }
table { border-collapse: collapse; }
th, td { border: 1px solid #c8ccd6; padding: 0.2em 0.6em; text-align: left; }
img { max-width: 100%; }
</style>
</head>
<body>
${body}
</body>
</html>
")
