# Every example archive computed by the built program, without a display, against
# the table it must print (checked by hand when the example was written). An example
# with a second table NAME.exact.csv is computed with --exact as well.
file(GLOB PONTELUMA_EXAMPLE_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/Ponteluma-*.txt)
foreach(example ${PONTELUMA_EXAMPLE_FILES})
    get_filename_component(name ${example} NAME_WE)
    add_test(NAME example_${name}
        COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY \"$0\" compute \"$1\" | cmp - \"$2\""
            $<TARGET_FILE:ponteluma> ${example} ${CMAKE_SOURCE_DIR}/examples/expected/${name}.csv)
    set(exact ${CMAKE_SOURCE_DIR}/examples/expected/${name}.exact.csv)
    if(EXISTS ${exact})
        add_test(NAME example_${name}_exact
            COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY \"$0\" compute \"$1\" --exact | cmp - \"$2\""
                $<TARGET_FILE:ponteluma> ${example} ${exact})
    endif()
endforeach()
