# One execution test: generate the program (helper suites), compile it, link
# it with the start-up code, the run-time library and the checks' support
# object, run it on the simulator and compare what it printed. A failure
# names the stage (generate, compile, link, run, result) and prints the
# commands that reproduce it.
# In: NAME, SOURCE or SUITE, COMPILE_OPTS, LINK_OPTS, RUN_OPTS, EXPECT_STAGE,
# COMPILER, LINKER, SIM, GEN, RUNTIME, SUPPORT, INCLUDE, WORK.
cmake_minimum_required(VERSION 3.25)
set(cycle_limit 400000000)

file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(replay "cd ${WORK}")

if(SUITE)
  set(SOURCE ${WORK}/${NAME}.c)
  set(gen_cmd ${GEN} ${SUITE} ${SOURCE})
endif()

separate_arguments(compile_opts UNIX_COMMAND "${COMPILE_OPTS}")
separate_arguments(link_opts UNIX_COMMAND "${LINK_OPTS}")
separate_arguments(run_opts UNIX_COMMAND "${RUN_OPTS}")

# Ends the test: a failure at `stage` unless that failure was expected.
function(finish stage detail)
  if(EXPECT_STAGE)
    if(stage STREQUAL EXPECT_STAGE)
      message(STATUS "${NAME}: failed at stage '${stage}' as expected")
      return()
    endif()
    message(FATAL_ERROR "${NAME}: expected a failure at stage '${EXPECT_STAGE}', got '${stage}'\n${detail}")
  endif()
  if(stage STREQUAL "passed")
    return()
  endif()
  string(REPLACE ";" " " shown "${replay}")
  message(FATAL_ERROR "${NAME}: failed at stage '${stage}'\n${detail}\nTo reproduce:\n${shown}")
endfunction()

# Runs a command of the test; leaves its status and output in the caller's scope.
macro(step)
  execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK} RESULT_VARIABLE status OUTPUT_VARIABLE out
                  ERROR_VARIABLE err)
  string(REPLACE ";" " " line "${ARGN}")
  list(APPEND replay "&& ${line}")
endmacro()

if(SUITE)
  step(${gen_cmd})
  if(NOT status EQUAL 0)
    finish(generate "${out}${err}")
    return()
  endif()
endif()

# Options from the source; each "// exec-run:" line is a run of its own.
set(runs "")
file(STRINGS ${SOURCE} option_lines REGEX "^// exec-(compile|link|run):")
foreach(option_line ${option_lines})
  string(REGEX REPLACE "^// exec-(compile|link|run):(.*)$" "\\1" which "${option_line}")
  string(REGEX REPLACE "^// exec-(compile|link|run):(.*)$" "\\2" words "${option_line}")
  if(which STREQUAL "run")
    list(APPEND runs "${words}")
  else()
    separate_arguments(words UNIX_COMMAND "${words}")
    list(APPEND ${which}_opts ${words})
  endif()
endforeach()
if(NOT runs)
  set(runs " ")
endif()

step(${COMPILER} ${compile_opts} -I ${INCLUDE} -fo ${NAME}.o -fe ${NAME}.err ${SOURCE})
if(NOT status EQUAL 0 OR NOT EXISTS ${WORK}/${NAME}.o)
  finish(compile "status ${status}\n${out}${err}")
  return()
endif()

step(${LINKER} --startup ${link_opts} -o ${NAME}.hex ${NAME}.o ${SUPPORT} ${RUNTIME})
if(NOT status EQUAL 0)
  finish(link "status ${status}\n${out}${err}")
  return()
endif()

# The expected output is named after the source, so that every variant of a
# program (other options) shares it.
get_filename_component(dir ${SOURCE} DIRECTORY)
get_filename_component(base ${SOURCE} NAME_WE)
set(expected "")
if(EXISTS ${dir}/${base}.expected)
  file(READ ${dir}/${base}.expected expected)
endif()
foreach(run ${runs})
  separate_arguments(this_run UNIX_COMMAND "${run}")
  step(${SIM} -c ${cycle_limit} ${run_opts} ${this_run} -m ${NAME}.map ${NAME}.hex)
  set(printed "${out}")
  if(status EQUAL 1)
    finish(result "main's result was not 0: ${err}\noutput:\n${printed}")
    return()
  elseif(NOT status EQUAL 0)
    finish(run "harrow-sim status ${status}: ${err}\noutput:\n${printed}")
    return()
  endif()
  if(NOT printed STREQUAL expected)
    finish(result "printed:\n${printed}\nexpected:\n${expected}")
    return()
  endif()
endforeach()
finish(passed "")
