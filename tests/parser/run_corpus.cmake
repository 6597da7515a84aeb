# Preprocesses one corpus program with cppqx and parses the result with
# front-dump; any diagnostic or a non-zero status fails the test.
#   -DCPP=<cppqx> -DDUMP=<front-dump> -DSRC=<file.c> -DINCLUDE=<dir> -DOUT=<dir>
get_filename_component(name ${SRC} NAME_WE)
file(MAKE_DIRECTORY ${OUT})
set(pre ${OUT}/${name}.i)
execute_process(COMMAND ${CPP} --include ${INCLUDE} -o ${pre} ${SRC}
  OUTPUT_VARIABLE cpp_out ERROR_VARIABLE cpp_err RESULT_VARIABLE cpp_rc)
if(NOT cpp_rc EQUAL 0)
  message(FATAL_ERROR "${name}: cppqx failed (${cpp_rc}): ${cpp_out}${cpp_err}")
endif()
execute_process(COMMAND ${DUMP} -t ${pre}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT "${out}${err}" STREQUAL "")
  message(FATAL_ERROR "${name}: parse status ${rc}\n${out}${err}")
endif()
