# Install layout and the Debian package.
#
# Linux (any prefix): the program and both tools in bin/; the data files, the
# user manual and the data notices in share/lumolex/, where the program looks
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
install(FILES ${PROJECT_SOURCE_DIR}/data/help/LumoLex.html ${PROJECT_SOURCE_DIR}/data/NOTICE
        DESTINATION ${LUMOLEX_INSTALL_SHARE_DIR})

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
text fragment. The interface is in Russian. lumolex-cli reads the
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
