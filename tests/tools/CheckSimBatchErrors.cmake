# Bad batch input: exit code 2, one error line on stderr (and a pointer to --help for a bad
# command line), nothing on stdout and no file left behind. Everything is refused before play:
# some cases would play for hours otherwise.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/taken.csv)
file(WRITE ${WORK}/keep.csv "old\n")

# Each case: the arguments separated by commas, then what follows the error line: "help" (the
# pointer to --help) or "plain" (nothing).
set(cases
  "--games,0|help"
  "--games,-4|help"
  "--games,3,--spray,0:5|help"
  "--games,3,--spray,4:-1|help"
  "--games,3,--spray,4|help"
  "--games,3,--spray,4:2:0|help"
  "--games,3,--frobnicate|help"
  "--games,3,--jobs,0|help"
  "--games,3,--every,0|help"
  "--games,3,--board|help"
  "--games,3,--summary,--csv,-|help"
  "--games,3,--csv,${WORK}/keep.csv,--games,0|help"
  "--games,1000,--rounds,2147483647,--every,1|help"
  "--games,1,--rounds,300000000,--every,1|help"
  "--games,2000000000,--rounds,10,--every,1,--csv,${WORK}/keep.csv|help"
  "--games,3,--csv,${WORK}/missing/out.csv|plain"
  "--games,3,--csv,${WORK}/keep.csv/out.csv|plain"
  "--games,1000000,--rounds,2147483647,--csv,${WORK}/taken.csv|plain"
)
include(${CMAKE_CURRENT_LIST_DIR}/SimRefusal.cmake)
foreach(case IN LISTS cases)
  string(REPLACE "|" ";" parts "${case}")
  list(POP_BACK parts follow)
  if(follow STREQUAL "help")
    expect_sim_refusal("${parts}" "^quorvel-sim: [^\n]+\nTry 'quorvel-sim --help' for more information.\n$")
  else()
    expect_sim_refusal("${parts}" "^quorvel-sim: cannot write '[^\n]+': [^\n]+\n$")
  endif()
  string(REPLACE "," " " shown "${parts}")
  file(GLOB_RECURSE left RELATIVE ${WORK} LIST_DIRECTORIES true ${WORK}/*)
  file(READ ${WORK}/keep.csv kept)
  if(NOT left STREQUAL "keep.csv;taken.csv" OR NOT kept STREQUAL "old\n")
    message(FATAL_ERROR "'${shown}': left behind: ${left}, keep.csv: ${kept}")
  endif()
endforeach()
