# Processor database: the device table and its queries.
target_sources(device PRIVATE ${CMAKE_CURRENT_LIST_DIR}/processors.cpp)
