# Regenerates the colour-matching tables into OUT and compares them with COMMITTED.
execute_process(COMMAND ${TOOL} ${DEG2} ${DEG10} ${OUT} RESULT_VARIABLE status ERROR_VARIABLE err)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "make_cmf_tables failed (${status}): ${err}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${OUT} ${COMMITTED} RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "${COMMITTED} is not what make_cmf_tables writes; regenerate it:\n"
                      "  ${TOOL} ${DEG2} ${DEG10} ${COMMITTED}")
endif()
