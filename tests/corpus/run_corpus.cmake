# One corpus test: compile a corpus program and, when it is self-contained,
# link it with the start-up code, the run-time library and the board's
# register addresses, and run it on the simulator for a fixed number of
# cycles. Compiling fails on message 100, an internal error, a crash, a
# sanitizer report, or any error not listed in ALLOWED (message numbers).
# The run passes when it ends by a halt, the cycle limit or the core going
# to sleep, and fails on an invalid instruction, a return-stack overflow or
# underflow, execution outside the image or an unsupported operation.
# In: NAME, SOURCE, COMPILE_OPTS, ALLOWED, RUN (ON to link and run), DEVICE,
# COMPILER, LINKER, SIM, RUNTIME, SYMBOLS, INCLUDE, WORK.
cmake_minimum_required(VERSION 3.25)
set(cycle_limit 200000)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
separate_arguments(compile_opts UNIX_COMMAND "${COMPILE_OPTS}")
set(device_opts "")
if(DEVICE)
  set(device_opts -p ${DEVICE})
endif()
set(replay "cd ${WORK}")

macro(step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  string(REPLACE ";" " " line "${ARGN}")
  string(APPEND replay " && ${line}")
endmacro()

function(fail stage detail)
  message(FATAL_ERROR "${NAME}: ${stage}\n${detail}\nTo reproduce:\n${replay}")
endfunction()

step(${COMPILER} ${device_opts} ${compile_opts} -I ${INCLUDE} -fo ${NAME}.o -fe ${NAME}.err ${SOURCE})
set(said "${out}${err}")
if(EXISTS ${WORK}/${NAME}.err)
  file(READ ${WORK}/${NAME}.err listed)
  string(APPEND said "${listed}")
endif()
if(NOT status MATCHES "^[0-9]+$")
  fail("the compiler crashed (${status})" "${said}")
endif()
if(said MATCHES "-internal-|\\[100\\]|Internal compiler|Sanitizer|runtime error:")
  fail("internal error or sanitizer report" "${said}")
endif()
# Every error the compiler reported must be one the program is known to provoke.
string(REGEX MATCHALL "Error ?\\[[0-9]+\\]" errors "${said}")
foreach(e ${errors})
  string(REGEX REPLACE "[^0-9]" "" number "${e}")
  string(REPLACE "," ";" allowed_list "${ALLOWED}")
  if(NOT number IN_LIST allowed_list)
    fail("unexpected error ${number}" "${said}")
  endif()
endforeach()
if(NOT status EQUAL 0 AND NOT ALLOWED)
  fail("compile status ${status}" "${said}")
endif()
if(NOT RUN)
  return()
endif()

step(${LINKER} ${device_opts} --startup --symbols ${SYMBOLS} -o ${NAME}.hex ${NAME}.o ${RUNTIME})
if(NOT status EQUAL 0)
  fail("link status ${status}" "${out}${err}")
endif()
step(${SIM} -c ${cycle_limit} -m ${NAME}.map ${NAME}.hex)
# 0/1: halt, 3: cycle limit, 9: sleep with no interrupt to wake the core.
if(NOT status MATCHES "^(0|1|3|9)$")
  fail("harrow-sim status ${status}" "${out}${err}")
endif()
