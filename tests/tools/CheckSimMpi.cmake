# quorvel-sim-mpi under mpirun with 1, 2 and 3 ranks: standard output and CSV files byte for
# byte those of quorvel-sim alone; an error on a rank ends the job with exit code 2 and one
# message from the program.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/taken)

function(run outvar errvar rcvar)
  execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
  set(${outvar} "${out}" PARENT_SCOPE)
  set(${errvar} "${err}" PARENT_SCOPE)
  set(${rcvar} "${rc}" PARENT_SCOPE)
endfunction()

# Each case: arguments separated by commas; FILE stands for a CSV file of the run's own.
set(cases
  "--games,300,--rounds,2000,--seed,4294967200,--every,100,--spray,150:10,--spray,151:3,--spray,1200:40"
  "--games,300,--rounds,2000,--seed,4294967200,--every,100,--spray,150:10,--csv,-"
  "--games,25,--rounds,3000,--seed,4294967290,--insecticide,5,--summary,--csv,FILE,--jobs,2"
  "--games,2,--rounds,500,--seed,7,--every,1"
  # More counts than one message carries, from the second rank on.
  "--games,1100,--rounds,1000,--every,1,--seed,9,--csv,FILE"
  "--seed,5,--rounds,40,--board"
)
set(index 0)
foreach(case IN LISTS cases)
  math(EXPR index "${index} + 1")
  string(REPLACE "," ";" args "${case}")
  list(TRANSFORM args REPLACE "^FILE$" "${WORK}/alone-${index}.csv")
  run(expected err rc ${SIM} ${args})
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "'${case}' alone: exit code ${rc}: ${err}")
  endif()
  foreach(ranks 1 2 3)
    string(REPLACE "," ";" args "${case}")
    list(TRANSFORM args REPLACE "^FILE$" "${WORK}/ranks${ranks}-${index}.csv")
    run(out err rc ${MPIEXEC} ${MPIEXEC_FLAGS} -np ${ranks} ${SIM_MPI} ${args})
    if(NOT rc EQUAL 0 OR NOT out STREQUAL expected)
      message(FATAL_ERROR "'${case}' on ${ranks} ranks: exit code ${rc}, stdout differs: ${err}")
    endif()
    if(case MATCHES "FILE")
      execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/alone-${index}.csv
                      ${WORK}/ranks${ranks}-${index}.csv RESULT_VARIABLE differ)
      if(differ)
        message(FATAL_ERROR "'${case}' on ${ranks} ranks: the CSV file differs")
      endif()
      file(REMOVE ${WORK}/ranks${ranks}-${index}.csv)
    endif()
  endforeach()
  file(REMOVE ${WORK}/alone-${index}.csv)
endforeach()

# Refused on every rank, a file that rank 0 cannot write: exit 2 and one message from the
# program, whatever the MPI library may add on its own lines.
set(failures
  "--games,0|^quorvel-sim: [^\n]+\nTry 'quorvel-sim --help' for more information.\n$"
  "--games,5,--rounds,10,--csv,${WORK}/taken|^quorvel-sim: cannot write '[^\n]+': Is a directory\n$"
)
foreach(failure IN LISTS failures)
  string(REPLACE "|" ";" parts "${failure}")
  list(GET parts 0 case)
  list(GET parts 1 pattern)
  string(REPLACE "," ";" args "${case}")
  foreach(ranks 1 3)
    run(out err rc ${MPIEXEC} ${MPIEXEC_FLAGS} -np ${ranks} ${SIM_MPI} ${args})
    # The program's own lines: those that begin with its name or point to its --help.
    string(REGEX MATCHALL "\n(quorvel-sim: |Try 'quorvel-sim )[^\n]*" own "\n${err}")
    string(JOIN "" own ${own})
    string(REGEX REPLACE "^\n" "" own "${own}\n")
    if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT own MATCHES "${pattern}")
      message(FATAL_ERROR "'${case}' on ${ranks} ranks: exit code ${rc}, stdout '${out}', stderr: ${err}")
    endif()
  endforeach()
endforeach()

file(GLOB left RELATIVE ${WORK} ${WORK}/*)
if(NOT left STREQUAL "taken")
  message(FATAL_ERROR "left behind: ${left}")
endif()
