# The web build: the engine compiled to WebAssembly with Debian's emscripten
# (scripts/web configures it with emcmake). Only header-only libraries can
# link into WebAssembly, and Debian's are found here, each from its own
# folder: putting the whole of /usr/include on the path would let the host's C
# library headers stand in for emscripten's.
set(NERILO_WEB_HEADERS ${CMAKE_BINARY_DIR}/web-headers)
file(MAKE_DIRECTORY ${NERILO_WEB_HEADERS})
foreach(header nlohmann CLI tsl xxhash.h boost)
    if(NOT EXISTS /usr/include/${header})
        message(FATAL_ERROR "The web build needs /usr/include/${header} (scripts/install-deps installs it)")
    endif()
    file(CREATE_LINK /usr/include/${header} ${NERILO_WEB_HEADERS}/${header} SYMBOLIC)
endforeach()

# find_package(nlohmann_json), find_package(CLI11) and find_package(tsl-robin-map)
# find these configurations, which name the headers above.
set(nlohmann_json_target nlohmann_json::nlohmann_json)
set(CLI11_target CLI11::CLI11)
set(tsl-robin-map_target tsl::robin_map)
foreach(package nlohmann_json CLI11 tsl-robin-map)
    set(target ${${package}_target})
    set(config ${CMAKE_BINARY_DIR}/web-packages/${package})
    file(WRITE ${config}/${package}Config.cmake
        "if(NOT TARGET ${target})\n"
        "    add_library(${target} INTERFACE IMPORTED)\n"
        "    set_target_properties(${target} PROPERTIES INTERFACE_INCLUDE_DIRECTORIES ${NERILO_WEB_HEADERS})\n"
        "endif()\n")
    set(${package}_DIR ${config} CACHE PATH "" FORCE)
endforeach()

# The C++ is optimised for size and speed alike; exceptions stay on, as the
# engine's readers throw and catch them.
add_compile_options(-fexceptions)
add_link_options(-fexceptions)

# Built for speed too, as the page searches hints with the solver. With bulk
# memory a position is copied by one instruction (without it emscripten copies
# 512 bytes and more through JavaScript), and link-time optimisation inlines
# the rules into the solver's loop. Every browser the page is for has bulk
# memory (Chrome 75, Firefox 79, Safari 15), and so has node for nerilo-sim.js.
add_compile_options(-mbulk-memory -flto)
add_link_options(-mbulk-memory -flto)

# The web build's own tests (src/web/CMakeLists.txt), run by scripts/test.
enable_testing()
