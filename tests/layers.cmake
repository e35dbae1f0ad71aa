# The layers of the program, checked by the build and by CTest.

# At configure time: the core links Qt Core and nothing else.
foreach(property LINK_LIBRARIES INTERFACE_LINK_LIBRARIES)
    get_target_property(core_links ponteluma_core ${property})
    if(NOT core_links STREQUAL "Qt6::Core")
        message(FATAL_ERROR "ponteluma_core must link Qt6::Core only; its ${property} is "
                            "\"${core_links}\"")
    endif()
endforeach()

# The headers of Qt Core: the only Qt headers the core may include.
get_target_property(qt_core_includes Qt6::Core INTERFACE_INCLUDE_DIRECTORIES)
foreach(dir ${qt_core_includes})
    if(dir MATCHES "/QtCore$")
        set(PONTELUMA_QT_CORE_INCLUDE ${dir})
    endif()
endforeach()

# The includes of every folder obey the layer its folder is (tests/layers-check.cmake).
string(JOIN "|" core_folders ${PONTELUMA_CORE_FOLDERS})
string(JOIN "|" window_folders ${PONTELUMA_WINDOW_FOLDERS})
add_test(NAME layers_includes
    COMMAND ${CMAKE_COMMAND}
        -DROOT=${CMAKE_SOURCE_DIR}
        "-DCORE_FOLDERS=${core_folders}"
        "-DWINDOW_FOLDERS=${window_folders}"
        -DQT_CORE_INCLUDE=${PONTELUMA_QT_CORE_INCLUDE}
        -P ${CMAKE_SOURCE_DIR}/tests/layers-check.cmake)
set_tests_properties(layers_includes PROPERTIES PASS_REGULAR_EXPRESSION "layers hold")

# The core's test program, built from the core alone, loads no Qt library but Qt Core.
add_test(NAME layers_core_links_qt_core_only
    COMMAND sh -c "readelf -d \"$0\" | grep -o 'libQt6[A-Za-z]*' | sort -u | xargs echo Qt:"
        $<TARGET_FILE:ponteluma_core_tests>)
set_tests_properties(layers_core_links_qt_core_only PROPERTIES
    PASS_REGULAR_EXPRESSION "^Qt: libQt6Core\n$")

# `compute` and the `diagram` table load the core alone: no Qt library but Qt Core, no
# audio library (the windows, printing and music are loaded only by what uses them).
add_test(NAME layers_compute_loads_core_only
    COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY LD_DEBUG=files \"$0\" compute \"$1\" 2>&1 >/dev/null |
                   grep -o 'file=[^ ]*' | sort -u | grep -E 'Qt6|fluidsynth|ponteluma_shell|ponteluma_music'
                   env -u DISPLAY -u WAYLAND_DISPLAY LD_DEBUG=files \"$0\" diagram \"$2\" --row 1 2>&1 >/dev/null |
                   grep -o 'file=[^ ]*' | sort -u | grep -E 'Qt6|fluidsynth|ponteluma_shell|ponteluma_music'"
        $<TARGET_FILE:ponteluma> ${CMAKE_SOURCE_DIR}/examples/Ponteluma-sez-rettangoli.txt
        ${CMAKE_SOURCE_DIR}/examples/Ponteluma-trav-sbalzo.txt)
set_tests_properties(layers_compute_loads_core_only PROPERTIES
    PASS_REGULAR_EXPRESSION "^file=libQt6Core.so.6\nfile=libQt6Core.so.6\n$")
