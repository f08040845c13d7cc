# Every bad command line: exit code 2, the reason and a pointer to --help on stderr, no stdout.
set(cases
  "--bogus"
  "--seed"
  "--seed,abc"
  "--seed,-1"
  "--seed,4294967296"
  "--rounds,-5"
  "--rounds,12x"
  "--rounds, 7"
  "--insecticide,-1"
  "--insecticide"
  "--csv,--games,5"
  "--seed,--rounds,5"
  "--board=1"
  "--jobs,2"
  "--quiet"
  "--seed,1,--jobs,2"
)
include(${CMAKE_CURRENT_LIST_DIR}/SimRefusal.cmake)
foreach(case IN LISTS cases)
  expect_sim_refusal("${case}" "^quorvel-sim: [^\n]+\nTry 'quorvel-sim --help' for more information.\n$")
endforeach()

execute_process(COMMAND ${SIM} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^usage: ")
  message(FATAL_ERROR "--help: exit code ${rc}, output ${out}")
endif()

execute_process(COMMAND ${SIM} --seed 4294967295 --rounds 0 --insecticide 3 OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^round,side,x,y,hunters,prey\n0,1,0,0,[0-9]+,[0-9]+\n$")
  message(FATAL_ERROR "zero rounds: exit code ${rc}, output ${out}")
endif()
