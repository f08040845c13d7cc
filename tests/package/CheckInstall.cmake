# Installs the build into a scratch folder, once under a prefix and once under DESTDIR as the
# package does, and checks what a desktop needs: the program, its four pictures next to each
# other, the icon in the hicolor theme and a menu entry that starts the program among its pictures.
# Expects BUILD_DIR, SOURCE_DIR and WORK_DIR.
cmake_minimum_required(VERSION 3.25)

function(fail)
  string(JOIN "" text ${ARGN})
  message(FATAL_ERROR "${text}")
endfunction()

set(pictures leer.bmp prey.bmp hunter.bmp back.bmp)
set(expected
  bin/quorvel
  share/applications/quorvel.desktop
  share/icons/hicolor/256x256/apps/quorvel.png
  share/icons/hicolor/64x64/apps/quorvel.png)
foreach(picture IN LISTS pictures)
  list(APPEND expected share/quorvel/${picture})
endforeach()
list(SORT expected)

# Installs and returns the installed files relative to root/prefix.
function(install_into root prefix destdir out)
  file(REMOVE_RECURSE "${root}")
  if(destdir)
    set(ENV{DESTDIR} "${root}")
  else()
    unset(ENV{DESTDIR})
  endif()
  execute_process(COMMAND "${CMAKE_COMMAND}" --install "${BUILD_DIR}" --prefix "${prefix}"
    RESULT_VARIABLE status OUTPUT_VARIABLE log ERROR_VARIABLE log)
  unset(ENV{DESTDIR})
  if(NOT status EQUAL 0)
    fail("cmake --install failed:\n${log}")
  endif()
  if(destdir)
    set(base "${root}${prefix}")
  else()
    set(base "${prefix}")
  endif()
  file(GLOB_RECURSE files RELATIVE "${base}" "${root}/*")
  list(SORT files)
  set(${out} "${files}" PARENT_SCOPE)
endfunction()

function(check_entry base expected_path)
  set(entry "${base}/share/applications/quorvel.desktop")
  file(READ "${entry}" content)
  # ";" separates CMake's list items; compare with "|" in its place.
  string(REPLACE ";" "|" content "${content}")
  string(FIND "${content}" "[Desktop Entry]\n" group)
  if(NOT group EQUAL 0)
    fail("${entry} does not start with [Desktop Entry]")
  endif()
  set(keys Type Name Exec Icon Terminal Categories Comment Path)
  set(values Application Quorvel quorvel quorvel false "Education|Science|"
    "Räuber-Beute-Würfelspiel zur Populationsdynamik" "${expected_path}")
  foreach(key want IN ZIP_LISTS keys values)
    string(FIND "${content}" "\n${key}=${want}\n" at)
    if(at EQUAL -1)
      string(REGEX MATCH "\n${key}=[^\n]*" got "${content}")
      string(STRIP "${got}" got)
      fail("${entry}: expected ${key}=${want}, found '${got}'")
    endif()
  endforeach()
  find_program(validate desktop-file-validate)
  if(validate)
    execute_process(COMMAND "${validate}" "${entry}" RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE out)
    # Hints pass: the two main categories earn one (the entry may show under both).
    if(NOT status EQUAL 0 OR out MATCHES "error:|warning:")
      fail("desktop-file-validate: ${out}")
    endif()
  else()
    message(STATUS "desktop-file-validate not installed; entry checked by key only")
  endif()
endfunction()

# Under a prefix: everything lands under it, and the entry points into it.
set(prefix "${WORK_DIR}/prefix/usr")
install_into("${WORK_DIR}/prefix" "${prefix}" FALSE installed)
if(NOT installed STREQUAL expected)
  fail("installed files:\n  ${installed}\nexpected:\n  ${expected}")
endif()
check_entry("${prefix}" "${prefix}/share/quorvel")
foreach(picture IN LISTS pictures)
  file(SHA256 "${prefix}/share/quorvel/${picture}" got)
  file(SHA256 "${SOURCE_DIR}/assets/${picture}" want)
  if(NOT got STREQUAL want)
    fail("share/quorvel/${picture} differs from assets/${picture}")
  endif()
endforeach()
execute_process(COMMAND test -x "${prefix}/bin/quorvel" RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  fail("bin/quorvel is not executable")
endif()

# Staged under DESTDIR for /usr, as the package is: the entry names /usr, not the staging folder.
install_into("${WORK_DIR}/stage" "/usr" TRUE staged)
if(NOT staged STREQUAL expected)
  fail("staged files:\n  ${staged}\nexpected:\n  ${expected}")
endif()
check_entry("${WORK_DIR}/stage/usr" "/usr/share/quorvel")

file(REMOVE_RECURSE "${WORK_DIR}")
