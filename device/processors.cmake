# Processor database: the device table, its queries and the device listing.
target_sources(device PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/processors.cpp
  ${CMAKE_CURRENT_LIST_DIR}/proc_listing.cpp
  ${CMAKE_CURRENT_LIST_DIR}/config_tables.cpp)
add_executable(proclist ${CMAKE_CURRENT_LIST_DIR}/proclist_main.cpp)
target_link_libraries(proclist device)
