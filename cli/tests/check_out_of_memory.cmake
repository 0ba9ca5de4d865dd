# Runs quellmoor-cli (CLI) compose for a screen far larger than the memory it may use (a virtual
# memory limit set by the shell), and expects exit code 1 with a message, not an abort, and the
# output file (OUT) left unwritten. The smaller limit runs out inside the picture's decoder, the
# larger one at the wallpaper's buffer.
foreach(limit 60000 150000)
  file(REMOVE ${OUT})
  execute_process(COMMAND sh -c "ulimit -v ${limit} && exec \"$0\" compose --size 8000x5000 --out \"$1\"" ${CLI} ${OUT}
                  RESULT_VARIABLE result OUTPUT_VARIABLE out ERROR_VARIABLE err)
  if(NOT result EQUAL 1 OR NOT err MATCHES "^quellmoor-cli compose: not enough memory" OR NOT out STREQUAL "" OR
     EXISTS ${OUT})
    message(FATAL_ERROR "limit ${limit} KiB: exit code ${result}\nstdout: ${out}\nstderr: ${err}")
  endif()
endforeach()
