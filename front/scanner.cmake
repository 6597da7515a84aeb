# Scanner part of the front library: the flex scanner, its value conversions,
# line markers and the pragma directives.
find_package(FLEX 2.6 REQUIRED)
# Full (uncompressed) transition tables: every character of the input goes
# through the automaton, and a direct table index is the cheapest step.
FLEX_TARGET(velc_scan ${CMAKE_CURRENT_SOURCE_DIR}/scan.l ${CMAKE_CURRENT_BINARY_DIR}/scan.cpp
  COMPILE_FLAGS "-Cf")
# The generated scanner is compiled as C++; its own code is not ours to
# keep warning-free, so only its known noise is silenced, only for it.
set_source_files_properties(${FLEX_velc_scan_OUTPUTS} PROPERTIES
  COMPILE_OPTIONS "-Wno-sign-compare;-Wno-unused-function;-Wno-unused-parameter")
target_sources(front PRIVATE
  ${FLEX_velc_scan_OUTPUTS}
  ${CMAKE_CURRENT_SOURCE_DIR}/scan_values.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/scan_keywords.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/linemarker.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma_interrupt.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma_config.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma_config_help.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma_pool.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/pragma_dump.cpp)
target_link_libraries(front PUBLIC opt_varlocate)
