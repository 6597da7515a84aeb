# The manual pages of the installed programs, made at build time into
# build/man from each program's own --help text (tools/help-to-man.cmake),
# so that a page changes whenever the options do; installed into
# share/man/man1.
set(VELC_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(velc_man_pages
  "velcqx-extended|compiles one C source file into a Harrow object file"
  "cppqx|the C preprocessor that velcqx-extended runs"
  "velcqx-dump|prints a Harrow object file, with an optional disassembly"
  "harrow-link|links Harrow object files and libraries into an Intel HEX image"
  "harrow-sim|runs a Harrow program image as the core does in extended mode")
set(velc_man_names velcqx-extended cppqx velcqx-dump harrow-link harrow-sim)
set(velc_man_outputs)
foreach(entry IN LISTS velc_man_pages)
  string(REPLACE "|" ";" fields "${entry}")
  list(GET fields 0 name)
  list(GET fields 1 summary)
  set(others ${velc_man_names})
  list(REMOVE_ITEM others ${name})
  string(REPLACE ";" "\\;" others "${others}")
  set(page ${VELC_MAN_DIR}/${name}.1)
  add_custom_command(
    OUTPUT ${page}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${VELC_MAN_DIR}
    COMMAND ${CMAKE_COMMAND} -DPROGRAM=$<TARGET_FILE:${name}> -DNAME=${name} -DSUMMARY=${summary}
            -DVERSION=${PROJECT_VERSION} -DSEE_ALSO=${others} -DOUT=${page}
            -P ${CMAKE_SOURCE_DIR}/tools/help-to-man.cmake
    DEPENDS ${name} ${CMAKE_SOURCE_DIR}/tools/help-to-man.cmake
    COMMENT "Manual page ${name}(1)"
    VERBATIM)
  list(APPEND velc_man_outputs ${page})
endforeach()
add_custom_target(man_pages ALL DEPENDS ${velc_man_outputs})
install(FILES ${velc_man_outputs} DESTINATION share/man/man1)
