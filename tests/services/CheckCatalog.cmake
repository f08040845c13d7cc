# Scans the sources into a copy of the shipped English catalog, as the `translations` target
# does, and fails when the scan found a text the catalog lacks (unfinished) or a text the code no
# longer has (vanished or obsolete).
#   cmake -DLUPDATE=... -DSOURCE=<repository> -DWORK=<folder> -DOPTIONS=<lupdate options> -P CheckCatalog.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
file(COPY ${SOURCE}/translations/quorvel_en.ts DESTINATION ${WORK})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} -ts ${WORK}/quorvel_en.ts
  WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "lupdate failed (${result}):\n${output}")
endif()
file(READ ${WORK}/quorvel_en.ts scanned)
if(scanned MATCHES "type=\"(unfinished|vanished|obsolete)\"")
  # Each stale entry with its text, for the message.
  string(REGEX MATCHALL "<source>[^<]*</source>[^<]*(<[a-z]+comment>[^<]*</[a-z]+comment>[^<]*)*<translation type=\"(unfinished|vanished|obsolete)\""
    stale "${scanned}")
  string(REPLACE ";" "\n" stale "${stale}")
  message(FATAL_ERROR "translations/quorvel_en.ts does not follow the code; run "
    "`cmake --build build --target translations` and translate:\n${stale}")
endif()
message(STATUS "the catalog holds every text of the code, each translated")
