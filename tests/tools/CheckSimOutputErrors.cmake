# Standard output on a full disk: every mode ends with one line and exit code 2, never 0.
set(cases
  "--seed,1,--rounds,100000"
  "--seed,1,--rounds,3,--board"
  "--help"
  "--games,3,--rounds,10,--seed,1"
  "--games,3,--rounds,10,--seed,1,--csv,-"
)
foreach(case IN LISTS cases)
  string(REPLACE "," ";" args "${case}")
  execute_process(COMMAND ${SIM} ${args} OUTPUT_FILE /dev/full ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2 OR NOT err STREQUAL "quorvel-sim: cannot write to standard output: No space left on device\n")
    message(FATAL_ERROR "'${case}' into /dev/full: exit code ${rc}, stderr: ${err}")
  endif()
endforeach()
