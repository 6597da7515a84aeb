# velc_burg(OUTPUT <matcher source> GRAMMAR <main .brg> [OPERATORS <operator list>])
#
# Generates a tree matcher from a grammar at build time. OUTPUT is taken
# relative to the current binary folder and GRAMMAR to the current source
# folder; OPERATORS defaults to the low-level tree's operator list. The
# files the grammar includes are found by the generator and listed in a
# dependency file, so editing any of them regenerates the matcher. Add
# OUTPUT to the sources of the target that includes it.
function(velc_burg)
  cmake_parse_arguments(PARSE_ARGV 0 ARG "" "OUTPUT;GRAMMAR;OPERATORS" "")
  if(NOT ARG_OUTPUT OR NOT ARG_GRAMMAR)
    message(FATAL_ERROR "velc_burg needs OUTPUT and GRAMMAR")
  endif()
  if(NOT ARG_OPERATORS)
    set(ARG_OPERATORS ${PROJECT_SOURCE_DIR}/trans/pcodell_ops.def)
  endif()
  cmake_path(ABSOLUTE_PATH ARG_GRAMMAR BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  cmake_path(ABSOLUTE_PATH ARG_OUTPUT BASE_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR})
  cmake_path(ABSOLUTE_PATH ARG_OPERATORS BASE_DIRECTORY ${CMAKE_CURRENT_SOURCE_DIR})
  cmake_path(GET ARG_GRAMMAR FILENAME grammar_name)
  add_custom_command(
    OUTPUT ${ARG_OUTPUT}
    COMMAND velc-burg -d ${ARG_OPERATORS} -o ${ARG_OUTPUT} -M ${ARG_OUTPUT}.d ${ARG_GRAMMAR}
    DEPENDS velc-burg ${ARG_GRAMMAR} ${ARG_OPERATORS}
    DEPFILE ${ARG_OUTPUT}.d
    COMMENT "Generating the tree matcher from ${grammar_name}"
    VERBATIM)
endfunction()
