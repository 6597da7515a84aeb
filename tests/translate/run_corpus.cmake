# Preprocesses one corpus program with cppqx and translates it with
# trn-dump; the translation must report no error (warnings are allowed).
#   -DCPP=<cppqx> -DDUMP=<trn-dump> -DSRC=<file.c> -DINC=<include dir> -DOUT=<dir>
get_filename_component(name ${SRC} NAME_WE)
set(pre ${OUT}/corpus_${name}.i)
execute_process(COMMAND ${CPP} --include ${INC} -o ${pre} ${SRC}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "${name}: preprocessing failed (${rc}): ${out}${err}")
endif()
execute_process(COMMAND ${DUMP} -q ${pre}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 0 OR out MATCHES "Error")
  message(FATAL_ERROR "${name}: translation reported errors (status ${rc}):\n${out}${err}")
endif()
