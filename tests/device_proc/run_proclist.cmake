# Runs proclist and compares its output with the checked-in listing; also
# checks that an unexpected argument is refused with status 1.
execute_process(COMMAND ${PROCLIST} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "proclist exited with ${rc}")
endif()
file(READ ${DOC} doc)
if(NOT out STREQUAL doc)
  message(FATAL_ERROR "docs/devices.md differs from proclist output; regenerate it with proclist")
endif()
execute_process(COMMAND ${PROCLIST} extra OUTPUT_VARIABLE out2 ERROR_VARIABLE err2 RESULT_VARIABLE rc2)
if(NOT rc2 EQUAL 1 OR NOT out2 STREQUAL "" OR NOT err2 MATCHES "usage")
  message(FATAL_ERROR "proclist with an argument: status ${rc2}, stderr '${err2}'")
endif()
