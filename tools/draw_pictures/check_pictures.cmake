# Redraws the pictures into WORK and compares each source it writes with the committed one.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
execute_process(COMMAND ${TOOL} ${WORK} ${WORK} RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "draw_pictures failed: ${rc}")
endif()
foreach(name logo_picture main_panel_pictures cielab_pictures chart3d_pictures)
  execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/${name}.cpp ${SOURCES}/${name}.cpp
                  RESULT_VARIABLE differ)
  if(NOT differ EQUAL 0)
    message(FATAL_ERROR "ui/${name}.cpp is not what draw_pictures draws now; rerun the tool")
  endif()
endforeach()
