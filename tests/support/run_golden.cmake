# Runs a dump program on one golden input and compares its output
# (diagnostics, dump and exit status) with the expected file beside it.
#   -DDUMP=<program> -DDIR=<golden dir> -DNAME=<base name> -DOUT=<dir>
#   -DFLAGS=<options>, and options in <name>.flags beside the input.
#   -DUPDATE=1 rewrites the expected file instead (the regen scripts).
set(flags ${FLAGS})
if(EXISTS ${DIR}/${NAME}.flags)
  file(STRINGS ${DIR}/${NAME}.flags words LIMIT_COUNT 1)
  separate_arguments(more UNIX_COMMAND "${words}")
  list(APPEND flags ${more})
endif()
execute_process(COMMAND ${DUMP} ${flags} ${NAME}.c
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# Diagnostics name the file by its absolute path; keep the files portable.
string(REPLACE "${DIR}/" "" out "${out}")
set(actual "${out}${err}status ${rc}\n")
set(expected_file ${DIR}/${NAME}.expected)
if(NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${NAME}: ${DUMP} did not run or did not exit normally: ${rc}\n${err}")
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
