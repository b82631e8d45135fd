# Redraws the pictures into WORK and compares the source it writes with the committed one.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} ${WORK}/main_panel_pictures.cpp ${WORK} ${WORK}/chart3d_pictures.cpp
                RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "draw_pictures failed: ${rc}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/main_panel_pictures.cpp ${EXPECTED}
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "ui/main_panel_pictures.cpp is not what draw_pictures draws now; rerun the tool")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/chart3d_pictures.cpp ${EXPECTED_CHART}
                RESULT_VARIABLE differ)
if(NOT differ EQUAL 0)
  message(FATAL_ERROR "ui/chart3d_pictures.cpp is not what draw_pictures draws now; rerun the tool")
endif()
