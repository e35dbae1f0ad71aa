# Checks the includes of the program's folders (run by CTest through tests/layers.cmake);
# the folder of a file is its layer:
# - no file of the core folders (sheet/ and the windows' folders) or of sheetwindow/
#   includes a header of shell/ or help/;
# - no file of the core folders includes a header of sheetwindow/, and none includes a Qt
#   header but Qt Core's;
# - no file of the sheet framework includes a window folder's header (its tests may: they
#   use real windows' tables as fixtures).
string(REPLACE "|" ";" CORE_FOLDERS "${CORE_FOLDERS}")
string(REPLACE "|" ";" WINDOW_FOLDERS "${WINDOW_FOLDERS}")
set(faults)

function(includes_of file out)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

string(JOIN "|" window_folders ${WINDOW_FOLDERS})
foreach(folder ${CORE_FOLDERS} sheetwindow)
    file(GLOB files ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    foreach(file ${files})
        includes_of(${file} lines)
        foreach(line ${lines})
            if(line MATCHES "\"(shell|help)/")
                list(APPEND faults "${file}: ${line}")
            endif()
            # A window's figures.cpp belongs to the figure generator, which paints.
            if(NOT folder STREQUAL "sheetwindow" AND NOT file MATCHES "/figures\\.cpp$")
                if(line MATCHES "\"sheetwindow/")
                    list(APPEND faults "${file}: ${line} is a header of the window layer")
                endif()
                if(line MATCHES "<(Q[A-Za-z]+)>" AND NOT EXISTS ${QT_CORE_INCLUDE}/${CMAKE_MATCH_1})
                    list(APPEND faults "${file}: ${line} is not a Qt Core header")
                endif()
            endif()
            if(folder MATCHES "^sheet(window)?$" AND NOT file MATCHES "_test\\.cpp$" AND
               line MATCHES "\"(${window_folders})/")
                list(APPEND faults "${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes across the layers:\n${text}")
endif()
message("layers hold")
