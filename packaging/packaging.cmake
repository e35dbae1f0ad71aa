# Install layout and Debian package.
#
# The program reads its figures, tips and music from the folder of its real
# executable, so all of them live together in lib/ponteluma/ and bin/ponteluma
# is only a relative symbolic link to the executable there (Qt resolves the link
# when it gives the program's folder). The desktop entry, icons, AppStream
# metadata, manual page and documents go to their usual places under share/.

set(PONTELUMA_PACKAGING ${CMAKE_CURRENT_LIST_DIR})
set(PONTELUMA_PACKAGING_OUT ${CMAKE_BINARY_DIR}/packaging)
set(PONTELUMA_APPDIR lib/ponteluma)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
file(MAKE_DIRECTORY ${PONTELUMA_PACKAGING_OUT}/bin)

# The program and what lies beside it.
install(TARGETS ponteluma ponteluma_core ponteluma_list ponteluma_shell ponteluma_music
    RUNTIME DESTINATION ${PONTELUMA_APPDIR}
    LIBRARY DESTINATION ${PONTELUMA_APPDIR})
# A stripped install (the package's) also drops the compiler's notes, as dh_strip does.
install(CODE "
    if(CMAKE_INSTALL_DO_STRIP)
        foreach(file ponteluma libponteluma_core.so libponteluma_list.so libponteluma_shell.so
                     libponteluma_music.so)
            execute_process(COMMAND \"${CMAKE_STRIP}\" --remove-section=.comment --remove-section=.note
                \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${PONTELUMA_APPDIR}/\${file}\")
        endforeach()
    endif()")
if(TARGET ponteluma_assets)
    set(PONTELUMA_ASSETS_OPTIONAL "")
    set(PONTELUMA_ASSETS_EXPECTED 1)
else()
    # The build makes no figures, tips or music yet: install whatever is there.
    set(PONTELUMA_ASSETS_OPTIONAL OPTIONAL)
    set(PONTELUMA_ASSETS_EXPECTED 0)
endif()
install(DIRECTORY ${CMAKE_BINARY_DIR}/figurePonteluma
    DESTINATION ${PONTELUMA_APPDIR}
    ${PONTELUMA_ASSETS_OPTIONAL}
    FILES_MATCHING PATTERN "*.bmp")
install(FILES ${CMAKE_BINARY_DIR}/SuggerimentiPonteluma.TXT ${CMAKE_BINARY_DIR}/Internet.mid
    DESTINATION ${PONTELUMA_APPDIR}
    ${PONTELUMA_ASSETS_OPTIONAL})
# The validation cases and the dossier's chapter texts, which `validazione` reruns.
install(DIRECTORY ${CMAKE_BINARY_DIR}/validazione
    DESTINATION ${PONTELUMA_APPDIR}
    ${PONTELUMA_ASSETS_OPTIONAL}
    FILES_MATCHING PATTERN "*.txt")

file(CREATE_LINK ../${PONTELUMA_APPDIR}/ponteluma ${PONTELUMA_PACKAGING_OUT}/bin/ponteluma SYMBOLIC)
install(FILES ${PONTELUMA_PACKAGING_OUT}/bin/ponteluma DESTINATION bin)

# Desktop integration.
install(FILES ${PONTELUMA_PACKAGING}/ponteluma.desktop DESTINATION share/applications)
install(FILES ${PONTELUMA_PACKAGING}/ponteluma.metainfo.xml DESTINATION share/metainfo)
install(FILES ${PONTELUMA_PACKAGING}/ponteluma.svg DESTINATION share/icons/hicolor/scalable/apps)

# The 256-pixel icon is rendered from the SVG when rsvg-convert is at hand
# (packaging/build-deb makes sure it is).
find_program(PONTELUMA_RSVG_CONVERT rsvg-convert)
set(PONTELUMA_ICON_PNG ${PONTELUMA_PACKAGING_OUT}/ponteluma.png)
set(PONTELUMA_PACKAGING_OUTPUTS)
if(PONTELUMA_RSVG_CONVERT)
    add_custom_command(
        OUTPUT ${PONTELUMA_ICON_PNG}
        COMMAND ${PONTELUMA_RSVG_CONVERT} -w 256 -h 256 -o ${PONTELUMA_ICON_PNG}
                ${PONTELUMA_PACKAGING}/ponteluma.svg
        DEPENDS ${PONTELUMA_PACKAGING}/ponteluma.svg
        COMMENT "Rendering the 256-pixel icon"
        VERBATIM)
    list(APPEND PONTELUMA_PACKAGING_OUTPUTS ${PONTELUMA_ICON_PNG})
    install(FILES ${PONTELUMA_ICON_PNG} DESTINATION share/icons/hicolor/256x256/apps)
    set(PONTELUMA_ICON_PNG_EXPECTED 1)
else()
    message(STATUS "rsvg-convert not found: only the scalable icon will be installed")
    set(PONTELUMA_ICON_PNG_EXPECTED 0)
endif()

# Manual page and changelog, compressed as Debian wants them (gzip -9n keeps
# no name or time stamp, so the package is reproducible).
find_program(PONTELUMA_GZIP gzip REQUIRED)
foreach(doc ponteluma.1 changelog)
    add_custom_command(
        OUTPUT ${PONTELUMA_PACKAGING_OUT}/${doc}.gz
        COMMAND ${CMAKE_COMMAND} -E copy ${PONTELUMA_PACKAGING}/${doc}
                ${PONTELUMA_PACKAGING_OUT}/${doc}
        COMMAND ${PONTELUMA_GZIP} -9nf ${PONTELUMA_PACKAGING_OUT}/${doc}
        DEPENDS ${PONTELUMA_PACKAGING}/${doc}
        COMMENT "Compressing ${doc}"
        VERBATIM)
    list(APPEND PONTELUMA_PACKAGING_OUTPUTS ${PONTELUMA_PACKAGING_OUT}/${doc}.gz)
endforeach()
add_custom_target(ponteluma_packaging_files ALL DEPENDS ${PONTELUMA_PACKAGING_OUTPUTS})
install(FILES ${PONTELUMA_PACKAGING_OUT}/ponteluma.1.gz DESTINATION share/man/man1)
install(FILES ${PONTELUMA_PACKAGING_OUT}/changelog.gz ${PONTELUMA_PACKAGING}/copyright
    DESTINATION share/doc/ponteluma)
install(FILES ${PONTELUMA_PACKAGING}/ponteluma.lintian-overrides
    DESTINATION share/lintian/overrides RENAME ponteluma)

# The installed program must run and find its files, without a display.
find_program(PONTELUMA_BASH bash)
if(PONTELUMA_BASH)
    add_test(NAME packaging.install
        COMMAND ${PONTELUMA_BASH} ${PONTELUMA_PACKAGING}/install_test.sh
                ${CMAKE_COMMAND} ${CMAKE_BINARY_DIR} ${CMAKE_SOURCE_DIR}/examples)
    set_tests_properties(packaging.install PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;PONTELUMA_ASSETS_EXPECTED=${PONTELUMA_ASSETS_EXPECTED};PONTELUMA_ICON_PNG_EXPECTED=${PONTELUMA_ICON_PNG_EXPECTED}"
        TIMEOUT 120)
endif()

# Debian package: cpack -G DEB in a Release build (see packaging/build-deb).
set(PONTELUMA_MAINTAINER "Ponteluma developers <ponteluma@example.org>"
    CACHE STRING "Maintainer named in the Debian package")
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ponteluma)
set(CPACK_PACKAGE_VENDOR "The Ponteluma developers")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT ${PONTELUMA_MAINTAINER})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES TRUE)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "structural calculator for sections, beams, arches and plates")
set(CPACK_PACKAGE_DESCRIPTION
    "Ponteluma is a desktop calculator for the design of load-bearing structures.
Five calculation sheets of up to 100 cases each give the properties of
seventeen cross-sections, the moments and shears of simple beams under twenty
combinations of supports and loads, the moments and reactions of continuous
beams of two to four spans, the reactions and moments of three-hinged,
two-hinged and clamped arches, and the moments of rectangular and circular
plates. Results are recomputed at every keystroke; sheets are archived to text
files and printed as reports. A command line computes archives and writes
reports without a display.

The user interface is in Italian and numbers are typed with a decimal comma:
the program is meant for Italian-speaking users.")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION TRUE)
# The Qt, FluidSynth and C++ runtime libraries come from dpkg-shlibdeps when
# it is there; the platform plugins and the soundfont are loaded at run time.
set(PONTELUMA_RUNTIME_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n, timgm6mb-soundfont | sf2-soundfont-gm")
find_program(PONTELUMA_DPKG_SHLIBDEPS dpkg-shlibdeps)
if(PONTELUMA_DPKG_SHLIBDEPS)
    set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
    set(CPACK_DEBIAN_PACKAGE_DEPENDS ${PONTELUMA_RUNTIME_DEPENDS})
else()
    set(CPACK_DEBIAN_PACKAGE_DEPENDS
        "libqt6core6, libqt6gui6, libqt6widgets6, libqt6printsupport6, libqt6svg6, libfluidsynth3, ${PONTELUMA_RUNTIME_DEPENDS}")
endif()
include(CPack)
