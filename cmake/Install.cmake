# Install rules: `cmake --install <build> --prefix P` puts the two programs in
# P/bin and, with the editor, its launcher entry, icon and file types in P/share.
# VELKON_APP_ID names the entry, the icon and the file-type package.
include(GNUInstallDirs)

if(TARGET velkon)
  install(TARGETS velkon RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

if(TARGET velkon-editor)
  install(TARGETS velkon-editor RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/icons/ DESTINATION ${CMAKE_INSTALL_DATADIR}/icons)
  install(FILES ${PROJECT_SOURCE_DIR}/data/mime/${VELKON_APP_ID}.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
  # The entry starts the editor by its full path, which --prefix decides only
  # at install time; the same step refreshes the desktop's caches.
  install(CODE "
    set(VELKON_APP_ID \"${VELKON_APP_ID}\")
    set(VELKON_BINDIR \"${CMAKE_INSTALL_BINDIR}\")
    set(VELKON_DATADIR \"${CMAKE_INSTALL_DATADIR}\")
    set(VELKON_DESKTOP_IN \"${PROJECT_SOURCE_DIR}/data/applications/${VELKON_APP_ID}.desktop.in\")
    set(VELKON_DESKTOP_OUT \"${PROJECT_BINARY_DIR}/install/${VELKON_APP_ID}.desktop\")
    include(\"${PROJECT_SOURCE_DIR}/cmake/InstallDesktopEntry.cmake\")
  ")
endif()
