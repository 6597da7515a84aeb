# Compiles one golden C file and compares the object's listing (velcqx-dump
# -d, with the disassembly of its code) with the expected file beside it;
# then checks that the object reads back and writes again to the same bytes,
# and that compiling again gives the same bytes.
#   -DCOMPILER=<velcqx-extended> -DDUMP=<velcqx-dump> -DROUNDTRIP=<emit-roundtrip>
#   -DLINKER=<harrow-link> -DSIM=<harrow-sim> -DDIR=<golden dir> -DNAME=<base name>
#   -DOUT=<dir for failed outputs>; -DUPDATE=1 rewrites the expected file.
# Options for the compiler may stand in <name>.flags. With <name>.sim beside
# the input, the object is also linked and run: its first line holds the
# linker's options, its second the simulator's (words separated by blanks).
#
# The object names its source by full path, in the string table, so the
# files are compiled in a folder whose name has the same length on every
# machine; the folder's name is replaced by <dir> in the listing.
set(ENV{SOURCE_DATE_EPOCH} 1700000000)
set(ENV{TZ} UTC)
string(RANDOM LENGTH 10 ALPHABET abcdefghijklmnopqrstuvwxyz0123456789 tag)
set(work /tmp/velc-emit-${tag})
file(REMOVE_RECURSE ${work})
file(MAKE_DIRECTORY ${work})
file(COPY ${DIR}/${NAME}.c DESTINATION ${work})
if(EXISTS ${DIR}/inc)
  file(COPY ${DIR}/inc DESTINATION ${work})
endif()

set(flags "")
if(EXISTS ${DIR}/${NAME}.flags)
  file(STRINGS ${DIR}/${NAME}.flags words LIMIT_COUNT 1)
  separate_arguments(flags UNIX_COMMAND "${words}")
endif()

function(fail message)
  file(REMOVE_RECURSE ${work})
  message(FATAL_ERROR "${NAME}: ${message}")
endfunction()

execute_process(COMMAND ${COMPILER} ${flags} ${NAME}.c WORKING_DIRECTORY ${work}
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
if(NOT rc MATCHES "^[0-9]+$")
  fail("the compiler did not exit normally: ${rc}\n${err}")
endif()
set(actual "${out}${err}status ${rc}\n")

if(EXISTS ${work}/${NAME}.o)
  execute_process(COMMAND ${DUMP} -d ${NAME}.o WORKING_DIRECTORY ${work}
    OUTPUT_VARIABLE dump ERROR_VARIABLE dump_err RESULT_VARIABLE dump_rc)
  string(APPEND actual "${dump}${dump_err}dump status ${dump_rc}\n")

  # Read back and written again: the same bytes.
  execute_process(COMMAND ${ROUNDTRIP} ${NAME}.o again.o WORKING_DIRECTORY ${work} RESULT_VARIABLE rt_rc)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/${NAME}.o ${work}/again.o RESULT_VARIABLE same)
  if(NOT rt_rc EQUAL 0 OR NOT same EQUAL 0)
    fail("the object read back and written again differs (round trip status ${rt_rc})")
  endif()

  # Compiled again: the same bytes.
  file(RENAME ${work}/${NAME}.o ${work}/first.o)
  execute_process(COMMAND ${COMPILER} ${flags} ${NAME}.c WORKING_DIRECTORY ${work} OUTPUT_QUIET ERROR_QUIET)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${work}/first.o ${work}/${NAME}.o RESULT_VARIABLE same)
  if(NOT same EQUAL 0)
    fail("a second compilation wrote different bytes")
  endif()

  if(EXISTS ${DIR}/${NAME}.sim)
    file(STRINGS ${DIR}/${NAME}.sim lines)
    list(GET lines 0 link_words)
    list(GET lines 1 sim_words)
    separate_arguments(link_args UNIX_COMMAND "${link_words}")
    separate_arguments(sim_args UNIX_COMMAND "${sim_words}")
    execute_process(COMMAND ${LINKER} ${link_args} -o ${NAME}.hex ${NAME}.o WORKING_DIRECTORY ${work}
      OUTPUT_VARIABLE link_out ERROR_VARIABLE link_err RESULT_VARIABLE link_rc)
    string(APPEND actual "link status ${link_rc}\n${link_out}${link_err}")
    if(link_rc EQUAL 0)
      execute_process(COMMAND ${SIM} -m ${NAME}.map ${sim_args} ${NAME}.hex WORKING_DIRECTORY ${work}
        OUTPUT_VARIABLE sim_out ERROR_VARIABLE sim_err RESULT_VARIABLE sim_rc)
      string(APPEND actual "${sim_out}${sim_err}sim status ${sim_rc}\n")
    endif()
  endif()
endif()
string(REPLACE "${work}/" "<dir>/" actual "${actual}")
file(REMOVE_RECURSE ${work})

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
