# Runs front-dump on one golden input and compares its output (diagnostics,
# tree dump and exit status) with the expected file beside the input.
#   -DDUMP=<front-dump> -DDIR=<golden dir> -DNAME=<base name> -DFLAGS=<-d or empty>
#   -DUPDATE=1 rewrites the expected file instead (tests/parser/regen_golden.sh).
execute_process(COMMAND ${DUMP} ${FLAGS} ${NAME}.c
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# Diagnostics name the file by its absolute path; keep the files portable.
string(REPLACE "${DIR}/" "" out "${out}")
set(actual "${out}${err}status ${rc}\n")
set(expected_file ${DIR}/${NAME}.expected)
if(NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${NAME}: front-dump did not run or did not exit normally: ${rc}\n${err}")
endif()
if(UPDATE)
  file(WRITE ${expected_file} "${actual}")
  return()
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${OUT}/${NAME}.actual "${actual}")
  message(FATAL_ERROR "${NAME}: output differs from ${expected_file}; see ${OUT}/${NAME}.actual")
endif()
