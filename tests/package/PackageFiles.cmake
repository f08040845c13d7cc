# The files an installation holds, relative to its prefix (/usr in the package); included by the
# install and the package checks so both expect the same.
set(QUORVEL_PICTURES leer.bmp prey.bmp hunter.bmp back.bmp)
set(QUORVEL_INSTALLED_FILES
  bin/quorvel
  bin/quorvel-sim
  share/applications/quorvel.desktop
  share/doc/quorvel/changelog.gz
  share/doc/quorvel/copyright
  share/icons/hicolor/256x256/apps/quorvel.png
  share/icons/hicolor/64x64/apps/quorvel.png
  share/man/man1/quorvel-sim.1.gz
  share/man/man6/quorvel.6.gz
  share/metainfo/org.quorvel.Quorvel.metainfo.xml)
foreach(picture IN LISTS QUORVEL_PICTURES)
  list(APPEND QUORVEL_INSTALLED_FILES share/quorvel/${picture})
endforeach()
list(SORT QUORVEL_INSTALLED_FILES)

# Fails the check with the pieces of text joined.
function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

# Finds a program a check needs, or fails naming the list that installs it.
function(require_program var name)
  find_program(${var} ${name})
  if(NOT ${var})
    fail("${name} is not installed (tools/install-deps.sh test installs it)")
  endif()
endfunction()
