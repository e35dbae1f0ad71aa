# The command line run as a user runs it: the built program on the example archives,
# without a display.
set(PONTELUMA_EXAMPLES ${CMAKE_SOURCE_DIR}/examples)

add_test(NAME cli_compute_example
    COMMAND ponteluma compute ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)
set_tests_properties(cli_compute_example PROPERTIES
    PASS_REGULAR_EXPRESSION "sezione;dato 1;dato 2;dato 3;dato 4;I;E;W;E';W';A\n1;20;30;;;45000;15;3000;;;600\n")

add_test(NAME cli_report_pdf_without_display
    COMMAND sh -c "rm -f \"$1\" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$0\" report \"$2\" --pdf \"$1\" && test -s \"$1\""
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}/cli-report.pdf
        ${PONTELUMA_EXAMPLES}/Ponteluma-sez-sezioni-a-T.txt)

add_test(NAME cli_missing_file_status
    COMMAND sh -c "\"$0\" compute \"$1\"; test $? -eq 2"
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}/Ponteluma-sez-nessun-file.txt)

add_test(NAME cli_usage_error_status
    COMMAND sh -c "\"$0\" compute \"$1\" --window ponti; test $? -eq 1"
        $<TARGET_FILE:ponteluma> ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)
