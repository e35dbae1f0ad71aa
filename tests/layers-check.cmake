# Checks the includes of the program's folders (run by CTest through tests/layers.cmake):
# - no file of sheet/ or of a window's folder includes a header of shell/ or help/;
# - no file of the sheet framework includes a window folder's header (its tests may: they
#   use real windows' tables as fixtures);
# - the core's sources include no Qt header but Qt Core's.
string(REPLACE "|" ";" CORE_SOURCES "${CORE_SOURCES}")
string(REPLACE "|" ";" WINDOW_FOLDERS "${WINDOW_FOLDERS}")
set(faults)

function(includes_of file out)
    file(STRINGS ${file} lines REGEX "^[ \t]*#[ \t]*include")
    set(${out} ${lines} PARENT_SCOPE)
endfunction()

string(JOIN "|" window_folders ${WINDOW_FOLDERS})
foreach(folder sheet ${WINDOW_FOLDERS})
    file(GLOB files ${ROOT}/${folder}/*.cpp ${ROOT}/${folder}/*.h)
    foreach(file ${files})
        includes_of(${file} lines)
        foreach(line ${lines})
            if(line MATCHES "\"(shell|help)/")
                list(APPEND faults "${file}: ${line}")
            endif()
            if(folder STREQUAL "sheet" AND NOT file MATCHES "_test\\.cpp$" AND
               line MATCHES "\"(${window_folders})/")
                list(APPEND faults "${file}: ${line}")
            endif()
        endforeach()
    endforeach()
endforeach()

foreach(file ${CORE_SOURCES})
    if(NOT IS_ABSOLUTE ${file})
        set(file ${ROOT}/${file})
    endif()
    includes_of(${file} lines)
    foreach(line ${lines})
        if(line MATCHES "<(Q[A-Za-z]+)>")
            if(NOT EXISTS ${QT_CORE_INCLUDE}/${CMAKE_MATCH_1})
                list(APPEND faults "${file}: ${line} is not a Qt Core header")
            endif()
        endif()
    endforeach()
endforeach()

if(faults)
    list(JOIN faults "\n" text)
    message(FATAL_ERROR "Includes across the layers:\n${text}")
endif()
message("layers hold")
