# cmake -DPROGRAM=<executable> -DPAGE=<out.1> -P ManPage.cmake
# Writes PROGRAM's manual page (its --help-man output) to PAGE and PAGE.gz. Run without a
# display: the window program answers --help-man before it touches the window system.
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=DISPLAY --unset=WAYLAND_DISPLAY
                        ${PROGRAM} --help-man
                OUTPUT_FILE ${PAGE}.tmp RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  file(REMOVE ${PAGE}.tmp)
  message(FATAL_ERROR "${PROGRAM} --help-man: ${result}")
endif()
file(RENAME ${PAGE}.tmp ${PAGE})
execute_process(COMMAND gzip -9 -n -c ${PAGE} OUTPUT_FILE ${PAGE}.gz RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "gzip ${PAGE}: ${result}")
endif()
