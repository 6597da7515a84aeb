# Runs front-dump on one bad input: it must end with a non-zero status, at
# least one "Error" line, and no crash (a signal or sanitizer report).
#   -DDUMP=<front-dump> -DSRC=<file>
execute_process(COMMAND ${DUMP} -t ${SRC}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc TIMEOUT 60)
if(NOT rc MATCHES "^[0-9]+$")
  message(FATAL_ERROR "${SRC}: front-dump did not exit normally: ${rc}\n${err}")
endif()
if(rc EQUAL 0 OR NOT out MATCHES "Error")
  message(FATAL_ERROR "${SRC}: expected diagnostics and a non-zero status, got ${rc}\n${out}${err}")
endif()
if(err MATCHES "Sanitizer|runtime error")
  message(FATAL_ERROR "${SRC}: sanitizer report\n${err}")
endif()
