# The command line run as a user runs it: the built program on the example archives,
# without a display.
set(PONTELUMA_EXAMPLES ${CMAKE_SOURCE_DIR}/examples)

add_test(NAME cli_compute_example
    COMMAND ponteluma compute ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)
set_tests_properties(cli_compute_example PROPERTIES
    PASS_REGULAR_EXPRESSION "sezione;dato 1 [(]cm[)];dato 2 [(]cm[)];dato 3 [(]cm[)];dato 4 [(]cm[)];I [(]cm4[)];E [(]cm[)];W [(]cm3[)];E' [(]cm[)];W' [(]cm3[)];A [(]cm2[)]\n1;20;30;;;45000;15;3000;;;600\n")

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

# Output that cannot be written (a full disk behind standard output) is a file error.
add_test(NAME cli_compute_into_full_disk
    COMMAND sh -c "\"$0\" compute \"$1\" > /dev/full; test $? -eq 2"
        $<TARGET_FILE:ponteluma> ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)

# A FIFO, as input or as the PDF, is refused at once rather than waited on.
add_test(NAME cli_fifo_refused_at_once
    COMMAND sh -c "rm -f \"$1\" && mkfifo \"$1\" || exit 1
        for args in \"compute $1\" \"report $1 --text\" \"report $2 --pdf $1\"; do
            timeout 20 \"$0\" $args; status=$?
            [ $status -eq 2 ] || { echo \"$args: status $status\"; exit 1; }
        done; rm -f \"$1\""
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}/Ponteluma-sez-fifo.txt
        ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)

# A file name whose bytes are not UTF-8 is found as the system gives it.
add_test(NAME cli_file_name_not_utf8
    COMMAND sh -c "name=\"$1/$(printf 'Ponteluma-sez-caff\\351.txt')\"
        cp \"$2\" \"$name\" && \"$0\" compute \"$name\" > \"$1/caffe.out\"; status=$?
        rm -f \"$name\"; [ $status -eq 0 ] && grep -q 45000 \"$1/caffe.out\"; found=$?
        rm -f \"$1/caffe.out\"; exit $found"
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}
        ${PONTELUMA_EXAMPLES}/Ponteluma-sez-rettangoli.txt)

# The validation cases beside the built program, rerun as `compute` runs them, under an
# Italian desktop's locale and under C: every case conforms and the status is 0.
foreach(locale it_IT.UTF-8 C)
    add_test(NAME cli_validation_${locale}
        COMMAND sh -c "env -u DISPLAY -u WAYLAND_DISPLAY LANG=$1 LC_ALL=$1 \"$0\" validazione > \"$2\"
            status=$?; cat \"$2\"; [ $status -eq 0 ] &&
            tail -n 1 \"$2\" | grep -qx '66 tipologie, \\([0-9]*\\) casi prova: \\1 conformi'"
            $<TARGET_FILE:ponteluma> ${locale} ${CMAKE_BINARY_DIR}/validazione-${locale}.out)
endforeach()

# A copy of the cases with one expected value made wrong: the run fails (status 1) and its
# line names that case, the item and both values.
add_test(NAME cli_validation_wrong_value_named
    COMMAND sh -c "rm -rf \"$1\" && cp -r \"$2\" \"$1\" || exit 1
        sed -i 's/^atteso 1 mom.B = -2541$/atteso 1 mom.B = -2540/' \"$1/caso-3.12.txt\"
        \"$0\" validazione --dir \"$1\" > \"$1.out\"; status=$?
        rm -rf \"$1\"; [ $status -eq 1 ] || { echo status $status; exit 1; }
        grep -qx '3.12 travi, tipologia 12: non conforme, riga 1 mom.B: atteso -2540, ottenuto -2541' \"$1.out\" &&
        grep -qx '66 tipologie, [0-9]* casi prova: [0-9]* conformi, 1 non conforme' \"$1.out\""
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}/validazione-copia ${CMAKE_BINARY_DIR}/validazione)

# The dossier as a PDF without a display, its text extractable.
add_test(NAME cli_validation_pdf
    COMMAND sh -c "rm -f \"$1\" && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \"$0\" validazione --pdf \"$1\" > /dev/null && test -s \"$1\" &&
        { ! command -v pdftotext > /dev/null || pdftotext \"$1\" - | grep -q 'Manuale di validazione'; }"
        $<TARGET_FILE:ponteluma> ${CMAKE_BINARY_DIR}/validazione.pdf)
