# Keeps the manual pages in step with the two programs: every option quorvel-sim's --help names has
# an entry in quorvel-sim(1) and the page names no option that --help does not; both pages carry the
# version the programs print; both render without a warning from groff and give man's index a
# NAME line. The options are read from --help itself, so a new or dropped option fails this check
# until the page follows.
# Expects QUORVEL, SIM (the programs), MAN_DIR (quorvel.6.gz and quorvel-sim.1.gz as shipped)
# and VERSION (the project's).
cmake_minimum_required(VERSION 3.25)
include(${CMAKE_CURRENT_LIST_DIR}/PackageFiles.cmake)

require_program(man man)
require_program(lexgrog lexgrog)

# The page as a reader sees it, plain text; lines as long as need be, so no option is broken
# across two. Fails on any warning groff gives while formatting.
function(render page out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=MAN_KEEP_FORMATTING LC_ALL=C.UTF-8 MANWIDTH=1000
      "${man}" --warnings -E UTF-8 -l "${page}"
    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE warnings)
  if(NOT status EQUAL 0 OR NOT warnings STREQUAL "")
    fail("man -l ${page} (status ${status}):\n${warnings}")
  endif()
  execute_process(COMMAND "${lexgrog}" "${page}" RESULT_VARIABLE status OUTPUT_VARIABLE whatis
    ERROR_VARIABLE whatis)
  if(NOT status EQUAL 0)
    fail("lexgrog finds no NAME line in ${page}: ${whatis}")
  endif()
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# "name version" as the program prints it for --version, without a display to open.
function(program_version program out)
  execute_process(
    COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY --unset=QT_QPA_PLATFORM
      "${program}" --version
    RESULT_VARIABLE status OUTPUT_VARIABLE text ERROR_VARIABLE errors TIMEOUT 30)
  if(NOT status EQUAL 0)
    fail("${program} --version failed (status ${status}): ${errors}")
  endif()
  string(STRIP "${text}" text)
  set(${out} "${text}" PARENT_SCOPE)
  # A version that cannot be written is a failure, not a success.
  execute_process(COMMAND "${program}" --version OUTPUT_FILE /dev/full RESULT_VARIABLE status
    ERROR_VARIABLE errors TIMEOUT 30)
  if(status EQUAL 0)
    fail("${program} --version reports success although standard output is full")
  endif()
endfunction()

# The page's footer line starts with the "name version" of its .TH line.
function(check_version name page_text program)
  program_version("${program}" printed)
  if(NOT printed STREQUAL "${name} ${VERSION}")
    fail("${name} --version prints '${printed}', not '${name} ${VERSION}'")
  endif()
  string(STRIP "${page_text}" stripped)
  string(REGEX MATCH "[^\n]*$" footer "${stripped}")
  string(REGEX MATCH "^${name} [^ ]+" footer_version "${footer}")
  if(NOT footer_version STREQUAL printed)
    fail("the manual page of ${name} is for '${footer_version}', the program says '${printed}'")
  endif()
endfunction()

# Every --option in a text, each once, sorted.
function(options_in text out)
  string(REGEX MATCHALL "--[a-z][a-z0-9-]*" found "${text}")
  list(REMOVE_DUPLICATES found)
  list(SORT found)
  set(${out} "${found}" PARENT_SCOPE)
endfunction()

render("${MAN_DIR}/quorvel.6.gz" quorvel_page)
render("${MAN_DIR}/quorvel-sim.1.gz" sim_page)
check_version(quorvel "${quorvel_page}" "${QUORVEL}")
check_version(quorvel-sim "${sim_page}" "${SIM}")

# quorvel-sim: the options of --help and of the page are the same, and each has an entry of its
# own (a line that starts with it, as a tagged paragraph under OPTIONS does).
execute_process(COMMAND "${SIM}" --help RESULT_VARIABLE status OUTPUT_VARIABLE help ERROR_VARIABLE help)
if(NOT status EQUAL 0)
  fail("quorvel-sim --help failed (status ${status}): ${help}")
endif()
options_in("${help}" help_options)
if(NOT help_options)
  fail("quorvel-sim --help names no option:\n${help}")
endif()
options_in("${sim_page}" page_options)
if(NOT help_options STREQUAL page_options)
  set(missing ${help_options})
  list(REMOVE_ITEM missing ${page_options})
  set(stale ${page_options})
  list(REMOVE_ITEM stale ${help_options})
  fail("quorvel-sim(1) is out of step with --help:\n  not in the page: ${missing}\n"
       "  in the page only: ${stale}")
endif()
foreach(option IN LISTS help_options)
  if(NOT sim_page MATCHES "\n +${option}( |\n)")
    fail("quorvel-sim(1) mentions ${option} but has no entry for it under OPTIONS")
  endif()
endforeach()

# quorvel: its one option of its own is documented.
if(NOT quorvel_page MATCHES "\n +--version\n")
  fail("quorvel(6) has no entry for --version")
endif()
