# Runs quellmoor-cli (CLI) with the one argument ARGUMENT, or with none when ARGUMENT is empty, and
# expects exit code 2, the usage text on standard error and nothing on standard output.
if(ARGUMENT STREQUAL "")
  execute_process(COMMAND ${CLI} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
else()
  execute_process(COMMAND ${CLI} ${ARGUMENT} RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
endif()
if(NOT result EQUAL 2 OR NOT err MATCHES "usage: quellmoor-cli <command>" OR NOT err MATCHES "  day " OR
   NOT err MATCHES "  month " OR NOT out STREQUAL "")
  message(FATAL_ERROR "exit code ${result}\nstdout: ${out}\nstderr: ${err}")
endif()
