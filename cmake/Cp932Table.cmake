# The CP932 table (model/cp932_table.cpp) is made at build time by
# nerilo-make-cp932-table from the build machine's iconv. A cross build (the
# web build) compiles that tool with the build machine's own compiler.
set(cp932_tool_source ${PROJECT_SOURCE_DIR}/src/tools/make_cp932_table.cpp)
set(cp932_generated ${CMAKE_BINARY_DIR}/generated/cp932)
set(cp932_mapping ${cp932_generated}/cp932_mapping.inc)
if(CMAKE_CROSSCOMPILING)
    find_program(NERILO_HOST_CXX NAMES c++ g++ REQUIRED NO_CMAKE_FIND_ROOT_PATH)
    set(cp932_tool ${CMAKE_BINARY_DIR}/host/nerilo-make-cp932-table)
    add_custom_command(OUTPUT ${cp932_tool}
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/host
        COMMAND ${NERILO_HOST_CXX} -std=c++20 -O1 ${cp932_tool_source} -o ${cp932_tool}
        DEPENDS ${cp932_tool_source}
        COMMENT "Building nerilo-make-cp932-table for the build machine")
else()
    add_executable(nerilo-make-cp932-table ${cp932_tool_source})
    set(cp932_tool nerilo-make-cp932-table)
endif()
add_custom_command(OUTPUT ${cp932_mapping}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${cp932_generated}
    COMMAND ${cp932_tool} ${cp932_mapping}
    DEPENDS ${cp932_tool}
    COMMENT "Making the CP932 table from iconv")
add_library(nerilo-cp932 STATIC model/cp932_table.cpp ${cp932_mapping})
target_include_directories(nerilo-cp932 PRIVATE ${cp932_generated})
target_include_directories(nerilo-cp932 PUBLIC ${CMAKE_BINARY_DIR}/layers/model)
