# Runs trn-dump on one golden input and compares its output (diagnostics,
# statement trees and exit status) with the expected file beside the input.
#   -DDUMP=<trn-dump> -DDIR=<golden dir> -DNAME=<base name> -DOUT=<dir>
#   Options for trn-dump may be given in <name>.flags beside the input.
#   -DUPDATE=1 rewrites the expected file instead.
set(flags "")
if(EXISTS ${DIR}/${NAME}.flags)
  file(STRINGS ${DIR}/${NAME}.flags words LIMIT_COUNT 1)
  separate_arguments(flags UNIX_COMMAND "${words}")
endif()
execute_process(COMMAND ${DUMP} ${flags} ${NAME}.c
  WORKING_DIRECTORY ${DIR}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
# Diagnostics and file entries name the file by its absolute path.
string(REPLACE "${DIR}/" "" out "${out}")
set(actual "${out}${err}status ${rc}\n")
set(expected_file ${DIR}/${NAME}.expected)
if(UPDATE)
  file(WRITE ${expected_file} "${actual}")
  return()
endif()
file(READ ${expected_file} expected)
if(NOT actual STREQUAL expected)
  file(WRITE ${OUT}/${NAME}.actual "${actual}")
  message(FATAL_ERROR "${NAME}: output differs from ${expected_file}; see ${OUT}/${NAME}.actual")
endif()
