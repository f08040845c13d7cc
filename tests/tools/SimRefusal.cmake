# Runs quorvel-sim with the arguments of a case (separated by commas, as a semicolon would split
# the case itself) and fails unless it exits with 2, writes nothing to stdout and its stderr
# matches the pattern.
function(expect_sim_refusal case pattern)
  string(REPLACE "," ";" args "${case}")
  string(REPLACE "," " " shown "${case}")
  execute_process(COMMAND ${SIM} ${args} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  if(NOT rc EQUAL 2)
    message(FATAL_ERROR "'${shown}': exit code ${rc}, expected 2")
  endif()
  if(NOT out STREQUAL "")
    message(FATAL_ERROR "'${shown}': wrote to stdout: ${out}")
  endif()
  if(NOT err MATCHES "${pattern}")
    message(FATAL_ERROR "'${shown}': stderr does not match '${pattern}': ${err}")
  endif()
endfunction()
