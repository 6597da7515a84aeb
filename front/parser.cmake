# Parser part of the front library: the bison grammar, the syntax tree,
# typedef scopes and in-line assembly entries.
find_package(BISON 3.0 REQUIRED)
BISON_TARGET(velc_cparse ${CMAKE_CURRENT_SOURCE_DIR}/cparse.y
  ${CMAKE_CURRENT_BINARY_DIR}/cparse.cpp
  DEFINES_FILE ${CMAKE_CURRENT_BINARY_DIR}/cparse.hpp
  COMPILE_FLAGS "-Wall")
target_sources(front PRIVATE ${BISON_velc_cparse_OUTPUTS}
  ${CMAKE_CURRENT_SOURCE_DIR}/hl_node.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hl_pool.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hl_build.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hl_type.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/hl_print.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/typedefs.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/parse_decl.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/parse_driver.cpp
  ${CMAKE_CURRENT_SOURCE_DIR}/asm_entries.cpp)
