# Install layout and the Debian package.
#
# Linux (any prefix): the program and both tools in bin/; the data files, the
# user manuals, the English translation and the data notices in share/lumolex/, where the program looks
# when there is no DATA beside it; the desktop entry, the AppStream metadata
# and the icons where desktops look for them. Windows: everything beside the
# program, as in the build folder.
include(GNUInstallDirs)

if(WIN32)
  set(LUMOLEX_INSTALL_SHARE_DIR ${CMAKE_INSTALL_BINDIR})
else()
  set(LUMOLEX_INSTALL_SHARE_DIR ${CMAKE_INSTALL_DATADIR}/lumolex)
endif()

install(TARGETS lumolex lumolex-cli lumolex-mkdata RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# Only the three data files: a build folder's DATA may also hold the history
# files of a run from there.
install(FILES ${LUMOLEX_DATA_DIR}/lumolex.db ${LUMOLEX_DATA_DIR}/lumoword.db ${LUMOLEX_DATA_DIR}/lumophra.db
        DESTINATION ${LUMOLEX_INSTALL_SHARE_DIR}/DATA)
install(FILES ${PROJECT_SOURCE_DIR}/data/help/LumoLex.html ${PROJECT_SOURCE_DIR}/data/help/LumoLex.en.html
              ${PROJECT_SOURCE_DIR}/data/NOTICE
        DESTINATION ${LUMOLEX_INSTALL_SHARE_DIR})
install(FILES ${LUMOLEX_QM_FILES} DESTINATION ${LUMOLEX_INSTALL_SHARE_DIR}/translations)

if(NOT WIN32)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/lumolex.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/data/desktop/io.github.lumolex.LumoLex.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  foreach(size 16 32 48 64 128 256)
    install(FILES ${PROJECT_SOURCE_DIR}/data/icons/hicolor/${size}x${size}/apps/lumolex.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps)
  endforeach()
  install(FILES ${PROJECT_SOURCE_DIR}/src/ui/icons/lumolex.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

  # What a Debian system expects of every package: the licences in the
  # machine-readable copyright format, the changelog, a manual page for each
  # program and the tools' completions where bash-completion looks.
  set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/lumolex)
  install(FILES ${PROJECT_SOURCE_DIR}/data/debian/copyright DESTINATION ${doc_dir})
  set(changelog_gz ${CMAKE_BINARY_DIR}/doc/changelog.gz)
  add_custom_command(OUTPUT ${changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/doc
    COMMAND gzip -9n -c ${PROJECT_SOURCE_DIR}/data/debian/changelog > ${changelog_gz}
    DEPENDS ${PROJECT_SOURCE_DIR}/data/debian/changelog)
  install(FILES ${changelog_gz} DESTINATION ${doc_dir})

  # The manual pages are made from the programs' own --help and --version,
  # so that they never tell another story than the programs. They are
  # English: help2man reads the output in C.UTF-8 (the English help quotes
  # the window's Russian setting names), but runs the program in an English
  # locale, as the tools speak Russian in C; the locale need not be
  # installed, the tools only read its name.
  find_program(HELP2MAN help2man)
  if(HELP2MAN)
    set(man_pages "")
    foreach(page
        "lumolex|Kildin Saami and Russian dictionary viewer"
        "lumolex-cli|read the LumoLex dictionaries from the command line"
        "lumolex-mkdata|build LumoLex dictionary files from tab-separated lists")
      string(REPLACE "|" ";" page "${page}")
      list(GET page 0 program)
      list(GET page 1 summary)
      set(man_page ${CMAKE_BINARY_DIR}/man/${program}.1)
      add_custom_command(OUTPUT ${man_page}.gz
        COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/man
        COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen LC_ALL=C.UTF-8
                ${HELP2MAN} --no-info --section=1 --locale=C.UTF-8 --name=${summary} --output=${man_page}
                "env LC_ALL=en_US.UTF-8 $<TARGET_FILE:${program}>"
        COMMAND gzip -9nf ${man_page}
        DEPENDS ${program}
        VERBATIM)
      list(APPEND man_pages ${man_page}.gz)
    endforeach()
    install(FILES ${man_pages} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    message(STATUS "help2man not found: no manual pages (scripts/setup installs it)")
  endif()
  add_custom_target(lumolex_package_docs ALL DEPENDS ${changelog_gz} ${man_pages})

  install(FILES ${PROJECT_SOURCE_DIR}/tools/completion.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lumolex-cli)
  install(FILES ${PROJECT_SOURCE_DIR}/tools/completion.bash
          DESTINATION ${CMAKE_INSTALL_DATADIR}/bash-completion/completions RENAME lumolex-mkdata)
endif()

# cpack -G DEB (in the build folder): a package installing into /usr, its
# library dependencies found by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME lumolex)
set(CPACK_PACKAGE_VENDOR "LumoLex developers")
set(CPACK_PACKAGE_CONTACT "LumoLex developers <lumolex@users.noreply.github.com>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Kildin Saami and Russian dictionary viewer")
set(CPACK_PACKAGE_DESCRIPTION
  "LumoLex shows the merged word list of three Saami-Russian dictionaries, a
Russian-Saami dictionary and a Saami-Russian phrasebook, renders their
articles, follows cross-references and searches by word forms or by any
text fragment. The interface is in Russian or English. lumolex-cli reads the
dictionaries from the command line; lumolex-mkdata builds dictionaries of
one's own.")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/lumolex/lumolex")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION text)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not libraries, so dpkg-shlibdeps cannot find them: the font with every
# Kildin letter, and Qt's Russian texts for its own dialogs.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, qt6-translations-l10n")
# Qt's Wayland platform plugin, so that the program runs natively in a
# Wayland session (without it Qt falls back to XWayland where there is one).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland")
include(CPack)
