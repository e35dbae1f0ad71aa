# The files that lie beside the program, all made at build time from our own
# sources: the typology figures, the tips file and the splash tune. Also the
# FluidSynth player behind the splash music, and the tests of all of these.

find_package(PkgConfig REQUIRED)
pkg_check_modules(FLUIDSYNTH REQUIRED IMPORTED_TARGET fluidsynth)
# The synthesiser is a module beside the program, loaded when the splash plays; the
# tests drive its player directly.
add_library(ponteluma_music MODULE ${CMAKE_SOURCE_DIR}/shell/fluidmusic.cpp)
target_include_directories(ponteluma_music PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(ponteluma_music PRIVATE Qt6::Core PkgConfig::FLUIDSYNTH)
add_dependencies(ponteluma ponteluma_music)

set(PONTELUMA_ASSETS ${CMAKE_SOURCE_DIR}/assets)

# Typology figures: drawn with QPainter by our own generator, each window's in its folder.
file(GLOB PONTELUMA_FIGURE_SOURCES CONFIGURE_DEPENDS
    ${PONTELUMA_ASSETS}/figures/*.cpp ${PONTELUMA_ASSETS}/figures/*.h)
foreach(folder ${PONTELUMA_WINDOW_FOLDERS})
    list(APPEND PONTELUMA_FIGURE_SOURCES ${CMAKE_SOURCE_DIR}/${folder}/figures.cpp)
endforeach()
add_executable(ponteluma_figures ${PONTELUMA_FIGURE_SOURCES})
target_include_directories(ponteluma_figures PRIVATE ${CMAKE_SOURCE_DIR})
target_link_libraries(ponteluma_figures PRIVATE Qt6::Gui)
set(PONTELUMA_FIGURES_STAMP ${CMAKE_CURRENT_BINARY_DIR}/figurePonteluma.stamp)
add_custom_command(
    OUTPUT ${PONTELUMA_FIGURES_STAMP}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen
            $<TARGET_FILE:ponteluma_figures> ${CMAKE_BINARY_DIR}/figurePonteluma
    COMMAND ${CMAKE_COMMAND} -E touch ${PONTELUMA_FIGURES_STAMP}
    DEPENDS ponteluma_figures
    COMMENT "Drawing the typology figures into figurePonteluma/"
    VERBATIM)

# Splash tune: composed in code, written by our own MIDI writer.
add_executable(ponteluma_tune
    ${PONTELUMA_ASSETS}/music/tune.cpp
    ${PONTELUMA_ASSETS}/music/midiwriter.cpp
    ${PONTELUMA_ASSETS}/music/midiwriter.h)
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/Internet.mid
    COMMAND $<TARGET_FILE:ponteluma_tune> ${CMAKE_BINARY_DIR}/Internet.mid
    DEPENDS ponteluma_tune
    COMMENT "Writing the splash tune Internet.mid"
    VERBATIM)

# Tips of the day.
add_custom_command(
    OUTPUT ${CMAKE_BINARY_DIR}/SuggerimentiPonteluma.TXT
    COMMAND ${CMAKE_COMMAND} -E copy_if_different
            ${PONTELUMA_ASSETS}/SuggerimentiPonteluma.TXT
            ${CMAKE_BINARY_DIR}/SuggerimentiPonteluma.TXT
    DEPENDS ${PONTELUMA_ASSETS}/SuggerimentiPonteluma.TXT
    COMMENT "Copying the tips file"
    VERBATIM)

# Validation cases: each case's archive and solved expected values, and the chapter
# texts of the validation dossier, copied beside the program as they are.
file(GLOB PONTELUMA_VALIDATION_FILES CONFIGURE_DEPENDS ${PONTELUMA_ASSETS}/validazione/*.txt)
set(PONTELUMA_VALIDATION_STAMP ${CMAKE_CURRENT_BINARY_DIR}/validazione.stamp)
add_custom_command(
    OUTPUT ${PONTELUMA_VALIDATION_STAMP}
    COMMAND ${CMAKE_COMMAND} -E rm -rf ${CMAKE_BINARY_DIR}/validazione
    COMMAND ${CMAKE_COMMAND} -E copy_directory ${PONTELUMA_ASSETS}/validazione
            ${CMAKE_BINARY_DIR}/validazione
    COMMAND ${CMAKE_COMMAND} -E touch ${PONTELUMA_VALIDATION_STAMP}
    DEPENDS ${PONTELUMA_VALIDATION_FILES}
    COMMENT "Copying the validation cases into validazione/"
    VERBATIM)

add_custom_target(ponteluma_assets ALL
    DEPENDS ${PONTELUMA_FIGURES_STAMP}
            ${CMAKE_BINARY_DIR}/Internet.mid
            ${CMAKE_BINARY_DIR}/SuggerimentiPonteluma.TXT
            ${PONTELUMA_VALIDATION_STAMP})
add_dependencies(ponteluma ponteluma_assets)
add_dependencies(ponteluma_tests ponteluma_assets)

file(GLOB PONTELUMA_ASSET_TESTS CONFIGURE_DEPENDS ${PONTELUMA_ASSETS}/*_test.cpp)
target_sources(ponteluma_tests PRIVATE ${PONTELUMA_ASSET_TESTS}
                                       ${CMAKE_SOURCE_DIR}/shell/fluidmusic.cpp)
target_link_libraries(ponteluma_tests PRIVATE PkgConfig::FLUIDSYNTH)
