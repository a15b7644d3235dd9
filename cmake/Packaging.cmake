# Installing and packaging. `cmake --install BUILD` lays Nerilo out under a
# prefix; `cmake --build BUILD --target package` has CPack make a Debian
# package of the same layout under /usr.
#
# The programs share one folder with the stages, lib/nerilo/, because each of
# them finds stage/ beside its own executable through /proc/self/exe. The
# commands are symbolic links, which /proc/self/exe resolves back to that
# folder: the game's in games/, where Debian keeps games, the tools' in bin/. The game keeps its progress beside itself only when that folder
# is writable; installed, it uses $XDG_DATA_HOME/Nerilo/ instead.

# Sanitizer and fuzzer builds exist to run the tests; nothing in them is meant
# to be installed, and the package needs the window.
if(NERILO_SANITIZE OR NERILO_FUZZ OR NOT NERILO_GUI)
    set(NERILO_PACKAGING OFF)
    return()
endif()
set(NERILO_PACKAGING ON)

# The command-line tools shipped beside the game, each with its manual page in
# packaging/man/TOOL.1. To ship another tool, add its target name to this list
# and write its page; the install rules and the package test take the list
# from here.
set(NERILO_PACKAGED_TOOLS nerilo-sim nerilo-solve nerilo-code)

set(NERILO_HOME lib/nerilo)
set(NERILO_APP_ID io.github.nerilo.Nerilo)
set(NERILO_ICON_SIZES 16 32 48 64 128 256)
set(packaging_source ${CMAKE_SOURCE_DIR}/packaging)
set(packaging_build ${CMAKE_BINARY_DIR}/packaging)

# A command in DIR (bin or games) that leads to the program of that name in
# NERILO_HOME.
function(nerilo_install_command name dir)
    set(link \$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dir}/${name})
    install(CODE "file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${dir}\")
        message(STATUS \"Installing: ${link}\")
        file(CREATE_LINK ../${NERILO_HOME}/${name} \"${link}\" SYMBOLIC)")
endfunction()

install(TARGETS nerilo ${NERILO_PACKAGED_TOOLS} RUNTIME DESTINATION ${NERILO_HOME})
install(DIRECTORY ${CMAKE_SOURCE_DIR}/stage/ DESTINATION ${NERILO_HOME}/stage FILES_MATCHING PATTERN "stage*.txt")
install(DIRECTORY ${CMAKE_BINARY_DIR}/sounds/ DESTINATION ${NERILO_HOME}/sounds FILES_MATCHING PATTERN "*.wav")
nerilo_install_command(nerilo games)
foreach(tool ${NERILO_PACKAGED_TOOLS})
    nerilo_install_command(${tool} bin)
endforeach()

install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${NERILO_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/assets/desktop/${NERILO_APP_ID}.metainfo.xml DESTINATION share/metainfo)

# Manual pages and the changelog are installed compressed, as Debian expects;
# gzip -n leaves out the name and time, so the same sources give the same bytes.
find_program(GZIP_EXECUTABLE gzip REQUIRED)
set(packaging_outputs)
function(nerilo_gzip source copy)
    configure_file(${source} ${copy} @ONLY)
    add_custom_command(OUTPUT ${copy}.gz
        COMMAND ${GZIP_EXECUTABLE} -9nkf ${copy}
        DEPENDS ${copy}
        VERBATIM)
    set(packaging_outputs ${packaging_outputs} ${copy}.gz PARENT_SCOPE)
endfunction()

# The pages carry the project's version, filled in here.
nerilo_gzip(${packaging_source}/man/nerilo.6 ${packaging_build}/man/nerilo.6)
install(FILES ${packaging_build}/man/nerilo.6.gz DESTINATION share/man/man6)
foreach(tool ${NERILO_PACKAGED_TOOLS})
    nerilo_gzip(${packaging_source}/man/${tool}.1 ${packaging_build}/man/${tool}.1)
    install(FILES ${packaging_build}/man/${tool}.1.gz DESTINATION share/man/man1)
endforeach()

nerilo_gzip(${packaging_source}/changelog ${packaging_build}/changelog.Debian)
install(FILES ${packaging_build}/changelog.Debian.gz ${packaging_source}/copyright DESTINATION share/doc/nerilo)
# What lintian reports on purpose, each with its reason.
install(FILES ${packaging_source}/lintian-overrides DESTINATION share/lintian/overrides RENAME nerilo)

# The icon in the usual hicolor sizes, scaled from the player's picture.
find_package(Qt6 REQUIRED COMPONENTS Gui)
add_executable(nerilo-scale-icon ${packaging_source}/scale_icon.cpp)
target_link_libraries(nerilo-scale-icon PRIVATE Qt6::Gui)
set_target_properties(nerilo-scale-icon PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${packaging_build})
set(icon_source ${CMAKE_SOURCE_DIR}/assets/pictures/block7.png)
foreach(size ${NERILO_ICON_SIZES})
    set(icon_dir ${packaging_build}/icons/${size}x${size}/apps)
    add_custom_command(OUTPUT ${icon_dir}/${NERILO_APP_ID}.png
        COMMAND ${CMAKE_COMMAND} -E make_directory ${icon_dir}
        COMMAND nerilo-scale-icon ${icon_source} ${size} ${icon_dir}/${NERILO_APP_ID}.png
        DEPENDS nerilo-scale-icon ${icon_source}
        VERBATIM)
    list(APPEND packaging_outputs ${icon_dir}/${NERILO_APP_ID}.png)
    install(FILES ${icon_dir}/${NERILO_APP_ID}.png DESTINATION share/icons/hicolor/${size}x${size}/apps)
endforeach()

add_custom_target(nerilo-packaging-files ALL DEPENDS ${packaging_outputs})

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME nerilo)
set(CPACK_PACKAGE_VENDOR "Nerilo developers")
set(CPACK_PACKAGE_CONTACT "Nerilo developers <nerilo@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "tile puzzle game on a board that is also an electric circuit")
set(CPACK_PACKAGE_DESCRIPTION "Nerilo is a single-player tile puzzle game in Japanese and English. On a board
of 15 by 15 cells you walk, push balls and wheels, kick a rolling ball, are
thrown on by springs and carried along by arrows. The board is also an electric
circuit: targets feed plates, stars, buttons, wires, switches, locks and fuses;
powered emitters fire beams and powered skull balls explode.

Thirty numbered stages lead from the first steps to hard puzzles. The game
also has a step-limited mode, two extra modes unlocked by progress, and a
stage editor.

The package also holds nerilo-sim, which plays a stage without a window and
prints the outcome as JSON, nerilo-solve, which finds a shortest clear of
a stage or proves there is none, and nerilo-code, which writes a stage as a
stage code, one line of text to share, and reads one back.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Beyond the libraries: Qt needs its platform plugins to open a window at all,
# and the texts are Japanese. Qt's own Japanese texts are welcome but optional.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-ipafont-gothic | fonts-japanese-gothic")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
include(CPack)
