# Instruction-set tables, encoder, decoder and disassembler of the device library.
target_sources(device PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/instset.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_harrow.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_disasm.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_families.cpp
  ${CMAKE_CURRENT_LIST_DIR}/inst_effects.cpp)
