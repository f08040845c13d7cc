# Runs at install time, so that the menu entry's Path= names the picture folder under the prefix
# really installed to (cmake --install --prefix, or /usr inside the package): the program reads
# its pictures from the working directory, and Path= is the working directory a menu start gets.
# Expects QUORVEL_DESKTOP_TEMPLATE, QUORVEL_DESKTOP_OUTPUT and QUORVEL_DATADIR.
if(IS_ABSOLUTE "${QUORVEL_DATADIR}")
  set(datadir "${QUORVEL_DATADIR}")
else()
  set(datadir "${CMAKE_INSTALL_PREFIX}/${QUORVEL_DATADIR}")
endif()
set(QUORVEL_PICTURE_DIR "${datadir}/quorvel")
configure_file("${QUORVEL_DESKTOP_TEMPLATE}" "${QUORVEL_DESKTOP_OUTPUT}" @ONLY)
file(INSTALL "${QUORVEL_DESKTOP_OUTPUT}" DESTINATION "${datadir}/applications")
