# Every bad command line: exit code 2, a one-line error plus the usage on stderr, no stdout.
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
)
# The arguments of a case are separated by commas: a semicolon would split the case itself.
foreach(case IN LISTS cases)
  string(REPLACE "," ";" args "${case}")
  string(REPLACE "," " " shown "${case}")
  execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${shown}': exit code ${rc}, expected 2")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "'${shown}': wrote to stdout: ${out}")
  endif()
  if(NOT err MATCHES "^quorvel-sim: [^\n]+\nusage: ")
    message(FATAL_ERROR "'${shown}': stderr is not one error line and the usage: ${err}")
  endif()
endforeach()

execute_process(COMMAND ${SIM} --help OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^usage: ")
  message(FATAL_ERROR "--help: exit code ${rc}, output ${out}")
endif()

execute_process(COMMAND ${SIM} --seed 4294967295 --rounds 0 --insecticide 3 OUTPUT_VARIABLE out RESULT_VARIABLE rc)
if(NOT rc EQUAL 0 OR NOT out MATCHES "^round,side,x,y,hunters,prey\n0,1,0,0,[0-9]+,[0-9]+\n$")
  message(FATAL_ERROR "zero rounds: exit code ${rc}, output ${out}")
endif()
