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
# Filled in under a name of its own, so that two installs at once (the package check beside
# another) do not write the same file.
string(RANDOM LENGTH 12 tag)
set(filled "${QUORVEL_DESKTOP_OUTPUT}.${tag}")
configure_file("${QUORVEL_DESKTOP_TEMPLATE}" "${filled}" @ONLY)
file(INSTALL "${filled}" DESTINATION "${datadir}/applications" RENAME quorvel.desktop)
file(REMOVE "${filled}")
