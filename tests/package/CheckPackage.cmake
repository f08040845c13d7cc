# Builds the .deb into a scratch folder as `make package` does and checks it as Debian would: the
# files it puts under /usr, the control fields a user and apt see, the dependencies the library
# scan cannot find, and lintian with neither errors nor warnings.
# Expects CPACK (the program), BUILD_DIR, WORK_DIR and VERSION (the project's).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/PackageFiles.cmake)

require_program(dpkg_deb dpkg-deb)
require_program(lintian lintian)

file(REMOVE_RECURSE "${WORK_DIR}")
execute_process(
  COMMAND "${CPACK}" --config "${BUILD_DIR}/CPackConfig.cmake" -B "${WORK_DIR}"
    -D "CPACK_OUTPUT_FILE_PREFIX=${WORK_DIR}"
  RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
file(GLOB debs "${WORK_DIR}/quorvel_*.deb")
list(LENGTH debs count)
if(NOT status EQUAL 0 OR NOT count EQUAL 1)
  fail("cpack made ${count} packages (status ${status}):\n${log}")
endif()

# The files, as the install check expects them under /usr.
execute_process(COMMAND "${dpkg_deb}" --contents "${debs}" OUTPUT_VARIABLE listing RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("dpkg-deb --contents failed")
endif()
string(REGEX MATCHALL "\\./usr/[^\n]*[^/\n]\n" files "${listing}")
list(TRANSFORM files REPLACE "^\\./usr/(.*)\n$" "\\1")
list(SORT files)
if(NOT files STREQUAL QUORVEL_INSTALLED_FILES)
  fail("the package holds:\n  ${files}\nexpected:\n  ${QUORVEL_INSTALLED_FILES}")
endif()
if(listing MATCHES "\\./(opt|usr/local|home|root|tmp)/")
  fail("the package puts files outside /usr:\n${listing}")
endif()

function(field name out)
  execute_process(COMMAND "${dpkg_deb}" --field "${debs}" ${name} OUTPUT_VARIABLE value
    OUTPUT_STRIP_TRAILING_WHITESPACE)
  set(${out} "${value}" PARENT_SCOPE)
endfunction()

field(Version version)
if(NOT version STREQUAL VERSION)
  fail("the package's version is '${version}', the project's '${VERSION}'")
endif()
field(Maintainer maintainer)
field(Homepage homepage)
if(NOT maintainer STREQUAL "Das Quorvel-Team <team@quorvel.org>" OR NOT homepage STREQUAL "https://quorvel.org/")
  fail("Maintainer '${maintainer}', Homepage '${homepage}'")
endif()

# What dpkg-shlibdeps finds (the Qt libraries) and what it cannot: the fonts asked for by name
# and Qt's translations.
field(Depends depends)
string(REPLACE ", " ";" depends "${depends}")
list(TRANSFORM depends REPLACE " .*" "")
foreach(needed libqt6widgets6 libqt6printsupport6 libcups2 fonts-liberation fonts-dejavu-core
               qt6-translations-l10n)
  if(NOT needed IN_LIST depends)
    fail("the package does not depend on ${needed}: ${depends}")
  endif()
endforeach()

# Errors and warnings fail; infos (hardening hints, German words its spelling list does not know)
# are printed only.
execute_process(COMMAND "${lintian}" --display-info --fail-on error,warning "${debs}"
  RESULT_VARIABLE status OUTPUT_VARIABLE report ERROR_VARIABLE report)
message("${report}")
if(NOT status EQUAL 0 OR report MATCHES "(^|\n)[EW]: ")
  fail("lintian finds errors or warnings (status ${status})")
endif()

file(REMOVE_RECURSE "${WORK_DIR}")
