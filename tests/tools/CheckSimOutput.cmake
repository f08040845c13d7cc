# Runs quorvel-sim for the first eight rounds from seed 0 and compares with the worked example.
execute_process(COMMAND ${SIM} --seed 0 --rounds 8 --board
  OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${EXPECTED} expected)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "exit code ${rc}: ${err}")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "output differs.\n--- got:\n${out}\n--- expected:\n${expected}")
endif()
