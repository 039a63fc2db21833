# Runs at install time (from cmake/Install.cmake): writes the launcher entry
# with the editor's installed path, installs it, and, for an install straight
# into a prefix (no DESTDIR: packagers' own triggers do this), brings the
# desktop's file-type, entry and icon caches up to date.
foreach(dir BINDIR DATADIR)
  if(IS_ABSOLUTE "${VELKON_${dir}}")
    set(full_${dir} "${VELKON_${dir}}")
  else()
    set(full_${dir} "${CMAKE_INSTALL_PREFIX}/${VELKON_${dir}}")
  endif()
endforeach()

# TryExec takes the path as it is; in Exec a path with anything but plain
# characters is quoted, with ", `, $ and \ escaped inside the quotes (and every
# \ doubled once more, as in any value of the entry).
set(VELKON_EDITOR_PATH "${full_BINDIR}/velkon-editor")
set(VELKON_EDITOR_COMMAND "${VELKON_EDITOR_PATH}")
if(NOT VELKON_EDITOR_PATH MATCHES "^[A-Za-z0-9_./+,:@=-]+$")
  string(REPLACE "\\" "\\\\\\\\" quoted "${VELKON_EDITOR_PATH}")
  string(REPLACE "\"" "\\\\\"" quoted "${quoted}")
  string(REPLACE "`" "\\\\`" quoted "${quoted}")
  string(REPLACE "$" "\\\\$" quoted "${quoted}")
  set(VELKON_EDITOR_COMMAND "\"${quoted}\"")
endif()
string(REPLACE "\\" "\\\\" VELKON_EDITOR_PATH "${VELKON_EDITOR_PATH}")

configure_file("${VELKON_DESKTOP_IN}" "${VELKON_DESKTOP_OUT}" @ONLY)
file(INSTALL DESTINATION "${full_DATADIR}/applications" TYPE FILE FILES "${VELKON_DESKTOP_OUT}")

if("$ENV{DESTDIR}" STREQUAL "")
  find_program(VELKON_UPDATE_MIME update-mime-database)
  find_program(VELKON_UPDATE_DESKTOP update-desktop-database)
  find_program(VELKON_UPDATE_ICONS gtk-update-icon-cache)
  if(VELKON_UPDATE_MIME)
    message(STATUS "Updating the file types: ${full_DATADIR}/mime")
    execute_process(COMMAND "${VELKON_UPDATE_MIME}" "${full_DATADIR}/mime")
  endif()
  if(VELKON_UPDATE_DESKTOP)
    execute_process(COMMAND "${VELKON_UPDATE_DESKTOP}" -q "${full_DATADIR}/applications")
  endif()
  if(VELKON_UPDATE_ICONS AND EXISTS "${full_DATADIR}/icons/hicolor/index.theme")
    execute_process(COMMAND "${VELKON_UPDATE_ICONS}" -q -t -f "${full_DATADIR}/icons/hicolor")
  endif()
endif()
